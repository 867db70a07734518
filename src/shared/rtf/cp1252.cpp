// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared/rtf/cp1252.h"

#include <algorithm>
#include <array>

namespace {

// Bytes 0x80 to 0x9F; the five bytes the code page leaves undefined map to the C1 control
// of the same value, as Windows does.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

char16_t cp1252ToUnicode(uchar byte)
{
    return byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : char16_t(byte);
}

std::optional<uchar> unicodeToCp1252(char16_t unit)
{
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
        return uchar(unit);
    if (unit < 0xA0)
        return std::nullopt;
    const auto it = std::find(kHighControls.begin(), kHighControls.end(), unit);
    if (it == kHighControls.end())
        return std::nullopt;
    return uchar(0x80 + (it - kHighControls.begin()));
}
