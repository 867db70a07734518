// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared/recordlog.h"

#include "shared/files.h"
#include "shared/rtf/rtfreader.h"
#include "shared/rtf/rtfwriter.h"

#include <QCoreApplication>
#include <QDir>
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

AppendedLog AppendToLog(const QByteArray &log, const RichText &text)
{
    if (log.isEmpty())
        return {writeRtf(text), false, {}, false};
    const RtfReadResult read = readRtf(log);
    if (read.closingBrace >= 0) {
        QByteArray added = writeRtfText(text);
        // A group resets what the file left in force at its end; one is needed too when the
        // text would run on from a control word just before the brace.
        if (!read.writerStateAtEnd || !added.startsWith('\\'))
            added = "{\\plain\\f0\\fs20\\uc1\\ansicpg1252 " + added + '}';
        QByteArray bytes;
        bytes.reserve(log.size() + added.size());
        bytes.append(log.first(read.closingBrace))
            .append(added)
            .append(log.sliced(read.closingBrace));
        return {bytes, false, {}, false};
    }
    RichText kept = read.text;
    for (const RichTextRun &run : text)
        appendText(kept, run.text, run.bold);
    return {writeRtf(kept), true,
            read.status == RtfReadResult::Status::Ok
                ? QCoreApplication::translate(
                      "RecordLog", "Le texte ajouté à la fin du fichier n'y serait pas lu.")
                : read.message,
            !read.text.isEmpty()};
}

QString RecordGame(const QString &logPath, const GameRecord &record, const QLocale &locale)
{
    QByteArray before;
    QFile existing(logPath);
    if (existing.exists()) {
        if (!existing.open(QIODevice::ReadOnly)) {
            return QCoreApplication::translate(
                       "RecordLog", "Impossible de lire le fichier des parties PARTIES.RTF (") +
                   existing.errorString() +
                   QCoreApplication::translate("RecordLog",
                                               ").\nLa partie n'a pas été enregistrée.");
        }
        before = existing.readAll();
        existing.close();
    }
    const AppendedLog appended = AppendToLog(before, RecordText(record, locale));
    QString keptAs;
    if (appended.rewritten) {
        QString failure;
        keptAs = KeepCopyBeside(logPath, QStringLiteral(".illisible"), before, failure);
        if (keptAs.isEmpty()) {
            return QCoreApplication::translate(
                       "RecordLog", "Le fichier des parties PARTIES.RTF est illisible : ") +
                   appended.reason +
                   QCoreApplication::translate("RecordLog", "\nIl n'a pas pu être mis de côté (") +
                   failure +
                   QCoreApplication::translate(
                       "RecordLog", ").\nIl a été laissé tel quel et la partie n'a pas été "
                                    "enregistrée.");
        }
    }
    const QString failure = SaveFileAtomically(logPath, appended.bytes);
    if (!failure.isEmpty()) {
        return QCoreApplication::translate(
                   "RecordLog",
                   "Impossible d'enregistrer la partie dans le fichier PARTIES.RTF (") +
               failure +
               QCoreApplication::translate("RecordLog", ").\nL'historique précédent est intact.");
    }
    if (!keptAs.isEmpty()) {
        return QCoreApplication::translate(
                   "RecordLog", "Le fichier des parties PARTIES.RTF était illisible : ") +
               appended.reason +
               QCoreApplication::translate("RecordLog",
                                           "\nIl a été conservé tel quel sous le nom\n") +
               QDir::toNativeSeparators(keptAs) +
               QCoreApplication::translate(
                   "RecordLog", "\net la partie a été enregistrée dans un nouveau fichier "
                                "PARTIES.RTF") +
               (appended.textKept ? QCoreApplication::translate(
                                        "RecordLog", ", qui reprend ce qui a pu en être lu.")
                                  : QStringLiteral("."));
    }
    return {};
}
