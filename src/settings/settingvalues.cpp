// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settingvalues.h"

#include <cmath>

namespace Settings {

std::optional<double> numberAtStart(const QString &text)
{
    // Collect the longest prefix that forms a decimal literal, then convert it in one go.
    QString literal;
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto at = [&](qsizetype k) { return k < n ? text.at(k) : QChar(); };
    while (at(i) == QLatin1Char(' ') || at(i) == QLatin1Char('\t'))
        ++i;
    if (at(i) == QLatin1Char('+') || at(i) == QLatin1Char('-'))
        literal += text.at(i++);
    bool digits = false;
    while (at(i).isDigit() && at(i).unicode() < 128) {
        literal += text.at(i++);
        digits = true;
    }
    if (at(i) == QLatin1Char('.')) {
        literal += text.at(i++);
        while (at(i).isDigit() && at(i).unicode() < 128) {
            literal += text.at(i++);
            digits = true;
        }
    }
    if (!digits)
        return std::nullopt;
    if (at(i) == QLatin1Char('e') || at(i) == QLatin1Char('E')) {
        QString exponent(QLatin1Char('e'));
        qsizetype k = i + 1;
        if (at(k) == QLatin1Char('+') || at(k) == QLatin1Char('-'))
            exponent += text.at(k++);
        bool expDigits = false;
        while (at(k).isDigit() && at(k).unicode() < 128) {
            exponent += text.at(k++);
            expDigits = true;
        }
        if (expDigits)
            literal += exponent;
    }
    bool ok = false;
    const double value = literal.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

double numericValue(const QString &text)
{
    return numberAtStart(text).value_or(0.0);
}

qint64 roundHalfEven(double value, qint64 lowest, qint64 highest)
{
    if (std::isnan(value))
        return 0;
    if (value <= double(lowest))
        return lowest;
    if (value >= double(highest))
        return highest;
    return qint64(std::nearbyint(value)); // the default rounding mode sends halves to even
}

std::optional<quint32> colourValue(const QString &text)
{
    bool ok = false;
    const qint64 value = text.trimmed().toLongLong(&ok);
    if (!ok || value < 0 || value > 0xFFFFFF)
        return std::nullopt;
    return quint32(value);
}

quint32 colourOr(const QString &text, quint32 fallback)
{
    return colourValue(text).value_or(fallback);
}

} // namespace Settings
