#pragma once

#include "shared/rtf/richtext.h"

#include <QByteArray>

// Writes the document as RTF in code page 1252, one paragraph per "\n". Every text, braces,
// backslashes and control characters included, reads back unchanged with readRtf().
QByteArray writeRtf(const RichText &doc);
