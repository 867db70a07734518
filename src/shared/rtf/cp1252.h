// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>
#include <optional>

// Windows code page 1252, the code page of RTF files written on French systems;
// Qt 6 Core has no codec for it.
char16_t cp1252ToUnicode(uchar byte);
// The byte for a UTF-16 unit, or nothing when the code page cannot hold it. The C1 controls
// U+0080 to U+009F have no byte: the code page gives those bytes to other characters.
std::optional<uchar> unicodeToCp1252(char16_t unit);
