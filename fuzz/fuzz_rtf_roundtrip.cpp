// SPDX-License-Identifier: GPL-3.0-or-later
// Any text in bold and regular runs, written as RTF, reads back exactly: every character of the
// player's name or of an imported log survives the log file.
#include "fuzzsupport.h"
#include "shared/rtf/rtfreader.h"
#include "shared/rtf/rtfwriter.h"

#include <cstring>
#include <fuzzer/FuzzedDataProvider.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    RichText text;
    while (input.remaining_bytes() > 0) {
        const bool bold = input.ConsumeBool();
        const bool utf16 = input.ConsumeBool();
        const std::string bytes = input.ConsumeRandomLengthString(64);
        // Either text as typed (UTF-8) or any UTF-16 units, lone surrogates included.
        QString run;
        if (utf16) {
            run.resize(qsizetype(bytes.size() / 2));
            std::memcpy(run.data(), bytes.data(), std::size_t(run.size()) * sizeof(QChar));
        } else {
            run = QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
        }
        appendText(text, run, bold);
    }
    const RtfReadResult read = readRtf(writeRtf(text));
    if (read.status != RtfReadResult::Status::Ok)
        Broken("what the writer wrote is not sound RTF");
    if (read.text != text)
        Broken("the text does not read back as written");
    return 0;
}
