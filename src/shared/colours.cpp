// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared/colours.h"

#include "settings/settingvalues.h"

QColor ColourFromValue(quint32 value)
{
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

quint32 ValueFromColour(const QColor &colour)
{
    return quint32(colour.red()) + 256u * quint32(colour.green()) + 65536u * quint32(colour.blue());
}

QColor ColourSetting(const QString &text, quint32 fallback)
{
    return ColourFromValue(Settings::colourOr(text, fallback));
}
