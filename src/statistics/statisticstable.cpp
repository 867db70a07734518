// SPDX-License-Identifier: GPL-3.0-or-later
#include "statistics/statisticstable.h"

#include "statistics/recordfields.h"

#include <QCoreApplication>
#include <QLocale>

namespace Statistics {

namespace {

QString percentText(double percent)
{
    return QLocale(QLocale::French, QLocale::France).toString(percent, 'f', 1);
}

QString streakText(int streak)
{
    const int length = streak < 0 ? -streak : streak;
    const bool plural = length > 1;
    return QString::number(length) + QLatin1Char(' ') +
           (streak > 0 ? (plural ? QStringLiteral("gagnées") : QStringLiteral("gagnée"))
                       : (plural ? QStringLiteral("perdues") : QStringLiteral("perdue")));
}

QString shownStreakText(int streak)
{
    const int length = streak < 0 ? -streak : streak;
    const bool plural = length > 1;
    const char *text = streak > 0 ? (plural ? QT_TRANSLATE_NOOP("Statistics", "%1 gagnées")
                                            : QT_TRANSLATE_NOOP("Statistics", "%1 gagnée"))
                                  : (plural ? QT_TRANSLATE_NOOP("Statistics", "%1 perdues")
                                            : QT_TRANSLATE_NOOP("Statistics", "%1 perdue"));
    return QCoreApplication::translate("Statistics", text).arg(length);
}

QString clockText(const std::optional<qint64> &seconds)
{
    return seconds ? FormatClock(*seconds) : QString();
}

QString csvField(const QString &text)
{
    if (!text.contains(QLatin1Char(';')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

QString shownCellText(const GameSummary &summary, Column column)
{
    if (column == CurrentStreakColumn && summary.played != 0)
        return shownStreakText(summary.currentStreak);
    return cellText(summary, column);
}

QString cellText(const GameSummary &summary, Column column)
{
    switch (column) {
    case PlayedColumn:
        return QString::number(summary.played);
    case WonColumn:
        return QString::number(summary.won);
    case LostColumn:
        return QString::number(summary.lost());
    default:
        break;
    }
    if (summary.played == 0)
        return {};
    switch (column) {
    case PercentColumn:
        return percentText(*summary.winPercent());
    case CurrentStreakColumn:
        return streakText(summary.currentStreak);
    case LongestWinsColumn:
        return QString::number(summary.longestWinStreak);
    case LongestLossesColumn:
        return QString::number(summary.longestLossStreak);
    case BestTimeColumn:
        return clockText(summary.bestSeconds);
    case MeanTimeColumn:
        return clockText(summary.meanSeconds);
    case MedianTimeColumn:
        return clockText(summary.medianSeconds);
    default:
        return {};
    }
}

std::optional<double> cellValue(const GameSummary &summary, Column column)
{
    const auto seconds = [](const std::optional<qint64> &value) -> std::optional<double> {
        return value ? std::optional<double>(double(*value)) : std::nullopt;
    };
    switch (column) {
    case PlayedColumn:
        return summary.played;
    case WonColumn:
        return summary.won;
    case LostColumn:
        return summary.lost();
    default:
        break;
    }
    if (summary.played == 0)
        return std::nullopt;
    switch (column) {
    case PercentColumn:
        return summary.winPercent();
    case CurrentStreakColumn:
        return summary.currentStreak;
    case LongestWinsColumn:
        return summary.longestWinStreak;
    case LongestLossesColumn:
        return summary.longestLossStreak;
    case BestTimeColumn:
        return seconds(summary.bestSeconds);
    case MeanTimeColumn:
        return seconds(summary.meanSeconds);
    case MedianTimeColumn:
        return seconds(summary.medianSeconds);
    default:
        return std::nullopt;
    }
}

QByteArray csv(const QList<CsvBlock> &blocks)
{
    QString text = QStringLiteral(
        "joueur;vorelle;jouees;gagnees;perdues;pourcentage;serie_en_cours;plus_longue_serie_gagnee;"
        "plus_longue_serie_perdue;meilleur_temps;temps_moyen;temps_median\n");
    for (const CsvBlock &block : blocks) {
        for (int row = 0; row < block.rows.size(); ++row) {
            text += csvField(block.player) + QLatin1Char(';') + csvField(rowName(row));
            for (int column = PlayedColumn; column < SummaryColumnCount; ++column)
                text += QLatin1Char(';') + cellText(block.rows[row], Column(column));
            text += QLatin1Char('\n');
        }
    }
    return text.toUtf8();
}

} // namespace Statistics
