#include "shared/recordlog.h"

#include "shared/files.h"
#include "shared/rtf/rtfreader.h"
#include "shared/rtf/rtfwriter.h"

#include <QFile>

QLocale RecordLocale()
{
    const QLocale system = QLocale::system();
    return system.language() == QLocale::French ? system
                                                : QLocale(QLocale::French, QLocale::France);
}

QString RecordDate(const QDateTime &when, const QLocale &locale)
{
    return locale.toString(when, QStringLiteral("dddd d MMMM yyyy - HH:mm:ss"));
}

QString RecordQuotient(int n, int divisor, const QLocale &locale)
{
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return plain.toString(double(n) / double(divisor), 'g', QLocale::FloatingPointShortest);
}

RichText RecordText(const GameRecord &record, const QLocale &locale)
{
    RichText text;
    appendText(text,
               QStringLiteral("\n[") + RecordDate(record.when, locale) + QStringLiteral("]\n"),
               true);
    QString lines = QStringLiteral("Vorelle: ") + record.game + QStringLiteral("\nJoueur: ") +
                    record.player + QStringLiteral("\nTemps de jeu: ") + record.clock +
                    QLatin1Char('\n');
    for (const QString &line : record.statistic)
        lines += line + QLatin1Char('\n');
    lines += QStringLiteral("Résultat de la partie: ") +
             (record.result == QLatin1String("VRAI") ? QStringLiteral("GAGNE")
                                                     : QStringLiteral("PERDU")) +
             QStringLiteral("\n\n");
    appendText(text, lines, false);
    return text;
}

QString RecordGame(const QString &logPath, const GameRecord &record, const QLocale &locale)
{
    RichText log;
    QFile existing(logPath);
    if (existing.exists()) {
        if (!existing.open(QIODevice::ReadOnly)) {
            return QStringLiteral("Impossible de lire le fichier des parties PARTIES.RTF (") +
                   existing.errorString() +
                   QStringLiteral(").\nLa partie n'a pas été enregistrée.");
        }
        RtfReadResult read = readRtf(existing.readAll());
        if (read.status != RtfReadResult::Status::Ok) {
            return QStringLiteral("Le fichier des parties PARTIES.RTF est illisible : ") +
                   read.message +
                   QStringLiteral("\nIl a été laissé tel quel et la partie n'a pas été "
                                  "enregistrée.");
        }
        log = std::move(read.text);
    }
    for (const RichTextRun &run : RecordText(record, locale))
        appendText(log, run.text, run.bold);

    const QString failure = SaveFileAtomically(logPath, writeRtf(log));
    if (!failure.isEmpty()) {
        return QStringLiteral("Impossible d'enregistrer la partie dans le fichier PARTIES.RTF (") +
               failure + QStringLiteral(").\nL'historique précédent est intact.");
    }
    return {};
}
