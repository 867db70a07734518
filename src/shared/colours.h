// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>

// Colours are stored as red + 256 green + 65536 blue.
QColor ColourFromValue(quint32 value);
quint32 ValueFromColour(const QColor &colour);

// The colour a setting names, or the fallback value when it is missing or unreadable.
QColor ColourSetting(const QString &text, quint32 fallback);

inline constexpr quint32 DefaultTableColour = 32768;         // dark green
inline constexpr quint32 DefaultStatusBackground = 14737632; // light grey
inline constexpr quint32 DefaultStatusText = 0;              // black
