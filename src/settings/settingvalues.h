// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

// Reading numbers out of setting texts.
namespace Settings {

// The value of the numeric literal the text starts with, as a Basic Val() reads it: leading
// blanks, an optional sign, digits, an optional fraction and exponent; nothing when the text
// starts with no digits or the value is not finite.
std::optional<double> numberAtStart(const QString &text);

// numberAtStart, 0 when there is none.
double numericValue(const QString &text);

// Rounds to the nearest integer, halves to even, saturating at the bounds of the range.
qint64 roundHalfEven(double value, qint64 lowest, qint64 highest);

// A colour as red + 256 green + 65536 blue, or nothing when the text is not such a number.
std::optional<quint32> colourValue(const QString &text);

// colourValue, or the fallback colour for a missing or unreadable text.
quint32 colourOr(const QString &text, quint32 fallback);

} // namespace Settings
