// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shared/rtf/richtext.h"

#include <QByteArray>

// Writes the document as RTF in code page 1252, one paragraph per "\n". Every text, braces,
// backslashes and control characters included, reads back unchanged with readRtf().
QByteArray writeRtf(const RichText &doc);

// The document's text as writeRtf() writes it after the header, starting in regular weight: what
// goes before the closing brace of a document to add the text to it.
QByteArray writeRtfText(const RichText &doc);
