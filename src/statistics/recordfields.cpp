// SPDX-License-Identifier: GPL-3.0-or-later
#include "statistics/recordfields.h"

#include <QHash>
#include <QLocale>
#include <QRegularExpression>

namespace {

// Lower case without accents: "Décembre" and "DECEMBRE" both give "decembre".
QString folded(const QString &word)
{
    QString plain;
    const QString decomposed = word.normalized(QString::NormalizationForm_D);
    plain.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.category() != QChar::Mark_NonSpacing)
            plain.append(c.toLower());
    }
    return plain;
}

const QHash<QString, int> &monthNumbers()
{
    static const QHash<QString, int> numbers = [] {
        QHash<QString, int> table;
        // English first, so that French and then the system's names win any clash.
        for (const QLocale &locale :
             {QLocale::c(), QLocale::system(), QLocale(QLocale::French, QLocale::France)}) {
            for (int month = 1; month <= 12; ++month) {
                table.insert(folded(locale.monthName(month, QLocale::LongFormat)), month);
                table.insert(folded(locale.monthName(month, QLocale::ShortFormat)), month);
            }
        }
        return table;
    }();
    return numbers;
}

} // namespace

std::optional<QDateTime> ParseRecordDate(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral(
        R"(^\s*\S+\s+([0-9]{1,2})\s+(\S+)\s+([0-9]{4})\s+-\s+([0-9]{1,2}):([0-9]{2}):([0-9]{2})\s*$)"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const int month = monthNumbers().value(folded(match.captured(2)), 0);
    const QDate date(match.captured(3).toInt(), month, match.captured(1).toInt());
    const QTime time(match.captured(4).toInt(), match.captured(5).toInt(),
                     match.captured(6).toInt());
    if (month == 0 || !date.isValid() || !time.isValid())
        return std::nullopt;
    return QDateTime(date, time);
}

std::optional<qint64> ParseClock(const QString &text)
{
    // Nine digits of hours are more than a century: anything longer is junk.
    static const QRegularExpression pattern(
        QStringLiteral(R"(^\s*([0-9]{1,9}):([0-9][0-9]):([0-9][0-9])\s*$)"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const qint64 minutes = match.captured(2).toLongLong();
    const qint64 seconds = match.captured(3).toLongLong();
    if (minutes > 59 || seconds > 59)
        return std::nullopt;
    return match.captured(1).toLongLong() * 3600 + minutes * 60 + seconds;
}

QString FormatClock(qint64 seconds)
{
    const auto part = [](qint64 value) {
        return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
    };
    return part(seconds / 3600) + QLatin1Char(':') + part(seconds % 3600 / 60) + QLatin1Char(':') +
           part(seconds % 60);
}
