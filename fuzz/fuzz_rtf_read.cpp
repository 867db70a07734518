// Any bytes as a game log: the reader never crashes or hangs, a damaged log always says why, and
// a log it reads completely, with one more record appended as the game window does it, reads
// back exactly.
#include "fuzzsupport.h"
#include "shared/recordlog.h"
#include "shared/rtf/rtfreader.h"
#include "shared/rtf/rtfwriter.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const RtfReadResult read = readRtf(Bytes(data, size));
    if ((read.status == RtfReadResult::Status::Ok) != read.message.isEmpty())
        Broken("a damaged log without a reason, or a reason for a sound one");
    for (const RichTextRun &run : read.text) {
        if (run.text.isEmpty())
            Broken("an empty run");
    }
    if (read.status != RtfReadResult::Status::Ok)
        return 0;

    static const QLocale French(QLocale::French, QLocale::France);
    const GameRecord record{QDateTime(QDate(2026, 12, 6), QTime(9, 5, 3)),
                            QStringLiteral("MONTE-CARLO"),
                            QStringLiteral("ÉLODIE {\\b}"),
                            QStringLiteral("00:12:34"),
                            {QStringLiteral("Nbre de cartes restantes: 7")},
                            QStringLiteral("FAUX")};
    RichText log = read.text;
    for (const RichTextRun &run : RecordText(record, French))
        appendText(log, run.text, run.bold);
    const RtfReadResult again = readRtf(writeRtf(log));
    if (again.status != RtfReadResult::Status::Ok || again.text != log)
        Broken("the log with one more record does not read back");
    return 0;
}
