// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a game log: the reader never crashes or hangs, a damaged log always says why, and
// one more record appended as the game window does it keeps every byte of a sound log and reads
// back exactly, after what could be read of any log.
#include "fuzzsupport.h"
#include "shared/recordlog.h"
#include "shared/rtf/rtfreader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = Bytes(data, size);
    const RtfReadResult read = readRtf(bytes);
    if ((read.status == RtfReadResult::Status::Ok) != read.message.isEmpty())
        Broken("a damaged log without a reason, or a reason for a sound one");
    for (const RichTextRun &run : read.text) {
        if (run.text.isEmpty())
            Broken("an empty run");
    }

    static const QLocale French(QLocale::French, QLocale::France);
    const GameRecord record{QDateTime(QDate(2026, 12, 6), QTime(9, 5, 3)),
                            QStringLiteral("MONTE-CARLO"),
                            QStringLiteral("ÉLODIE {\\b}"),
                            QStringLiteral("00:12:34"),
                            {QStringLiteral("Nbre de cartes restantes: 7")},
                            QStringLiteral("FAUX")};
    const RichText added = RecordText(record, French);
    const AppendedLog appended = AppendToLog(bytes, added);
    if (appended.rewritten != (!bytes.isEmpty() && read.closingBrace < 0))
        Broken("a sound log rewritten, or a damaged one appended to");
    if (appended.rewritten == appended.reason.isEmpty())
        Broken("a log rewritten without a reason, or a reason for one appended to");

    RichText log = read.text;
    for (const RichTextRun &run : added)
        appendText(log, run.text, run.bold);
    const RtfReadResult again = readRtf(appended.bytes);
    if (again.status != RtfReadResult::Status::Ok || again.text != log)
        Broken("the log with one more record does not read back");
    if (appended.rewritten || bytes.isEmpty())
        return 0;

    // The old bytes must all be there, around the one piece added.
    const QByteArray &after = appended.bytes;
    qsizetype prefix = 0;
    while (prefix < bytes.size() && bytes[prefix] == after[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < bytes.size() - prefix &&
           bytes[bytes.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    if (prefix + suffix != bytes.size())
        Broken("a byte of the log was lost");
    return 0;
}
