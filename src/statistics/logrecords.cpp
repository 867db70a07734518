// SPDX-License-Identifier: GPL-3.0-or-later
#include "statistics/logrecords.h"

#include "catalog/gamecatalog.h"
#include "shared/rtf/rtfreader.h"
#include "statistics/recordfields.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <optional>

namespace {

const QString GameField = QStringLiteral("Vorelle:");
const QString PlayerField = QStringLiteral("Joueur:");
const QString ClockField = QStringLiteral("Temps de jeu:");
const QString ResultField = QStringLiteral("Résultat de la partie:");

// A game is named by its caption, as the games write it, or by its menu name; capitals aside.
std::optional<int> gameIndex(QStringView name)
{
    static const QHash<QString, int> indices = [] {
        QHash<QString, int> table;
        const auto games = GameCatalog::all();
        for (std::size_t i = 0; i < games.size(); ++i) {
            table.insert(QString::fromUtf8(games[i].caption).toCaseFolded(), int(i));
            table.insert(QString::fromUtf8(games[i].menuName).toCaseFolded(), int(i));
        }
        return table;
    }();
    const auto found = indices.constFind(name.trimmed().toString().toCaseFolded());
    return found == indices.constEnd() ? std::nullopt : std::optional<int>(*found);
}

// The lines of one record, as they come.
struct PendingRecord {
    std::optional<QDateTime> when;
    std::optional<int> game;
    std::optional<QString> player;
    std::optional<qint64> seconds;
    std::optional<bool> won;
    bool seenGame = false;
    bool seenResult = false;
};

class RecordCollector {
public:
    void line(QStringView text);
    LogRecords finish()
    {
        close();
        return std::move(m_records);
    }

private:
    void close();

    std::optional<PendingRecord> m_record;
    LogRecords m_records;
};

void RecordCollector::line(QStringView text)
{
    if (text.endsWith(u'\r'))
        text.chop(1);
    if (text.startsWith(u'[') && text.endsWith(u']') && text.size() >= 2) {
        close();
        m_record.emplace();
        m_record->when = ParseRecordDate(text.sliced(1, text.size() - 2).toString());
        return;
    }
    if (text.trimmed().isEmpty())
        return;
    const bool gameLine = text.startsWith(GameField);
    // A record whose date line was lost starts at its game line.
    if (!m_record || (gameLine && (m_record->seenGame || m_record->seenResult))) {
        close();
        m_record.emplace();
    }
    PendingRecord &record = *m_record;
    if (gameLine) {
        record.seenGame = true;
        record.game = gameIndex(text.sliced(GameField.size()).trimmed());
    } else if (text.startsWith(PlayerField) && !record.player) {
        record.player = text.sliced(PlayerField.size()).trimmed().toString();
    } else if (text.startsWith(ClockField) && !record.seconds) {
        record.seconds = ParseClock(text.sliced(ClockField.size()).toString());
    } else if (text.startsWith(ResultField) && !record.seenResult) {
        record.seenResult = true;
        const QStringView result = text.sliced(ResultField.size()).trimmed();
        if (result == u"GAGNE")
            record.won = true;
        else if (result == u"PERDU")
            record.won = false;
    }
}

void RecordCollector::close()
{
    if (!m_record)
        return;
    const PendingRecord &record = *m_record;
    if (record.when && record.game && record.player && record.seconds && record.won) {
        m_records.games.append(
            {*record.when, *record.game, *record.player, *record.seconds, *record.won});
    } else {
        ++m_records.unreadable;
    }
    m_record.reset();
}

} // namespace

LogRecords ReadRecords(const RichText &text)
{
    RecordCollector collector;
    const QString plain = plainText(text);
    for (const QStringView line : QStringView(plain).tokenize(u'\n'))
        collector.line(line);
    return collector.finish();
}

LogFile ReadLogFile(const QString &path)
{
    LogFile log;
    QFile file(path);
    const QString shownPath = QDir::toNativeSeparators(path);
    if (!file.exists()) {
        log.status = LogFile::Status::Missing;
        log.message =
            QCoreApplication::translate("LogRecords", "Le fichier des parties %1 est introuvable.")
                .arg(shownPath);
        return log;
    }
    const auto refuse = [&](const QString &reason) {
        log.status = LogFile::Status::Unreadable;
        log.message = QCoreApplication::translate(
                          "LogRecords", "Impossible de lire le fichier des parties %1 : %2")
                          .arg(shownPath, reason);
        return log;
    };
    const QString tooLarge =
        QCoreApplication::translate("LogRecords", "il dépasse %1 Mo, la taille la plus grande lue")
            .arg(MaxLogFileSize >> 20);
    // Checked before opening: opening a pipe waits for a writer, and a device may never end.
    const QFileInfo info(path);
    if (info.isDir())
        return refuse(QCoreApplication::translate("LogRecords", "c'est un dossier"));
    if (!info.isFile())
        return refuse(
            QCoreApplication::translate("LogRecords", "ce n'est pas un fichier ordinaire"));
    if (info.size() > MaxLogFileSize)
        return refuse(tooLarge);
    if (!file.open(QIODevice::ReadOnly)) {
        // Qt words the common causes in English: they are told here in French.
        return refuse(!info.isReadable() ? QCoreApplication::translate("LogRecords", "accès refusé")
                                         : file.errorString());
    }
    // Read in pieces up to the limit: the file may have grown since it was looked at.
    QByteArray data;
    data.reserve(qsizetype(info.size()));
    while (data.size() <= MaxLogFileSize) {
        const QByteArray piece = file.read(qint64(1) << 20);
        if (piece.isEmpty())
            break;
        data += piece;
    }
    if (data.size() > MaxLogFileSize)
        return refuse(tooLarge);
    const RtfReadResult read = readRtf(data);
    if (read.status == RtfReadResult::Status::NotRtf) {
        log.status = LogFile::Status::Unreadable;
        log.message = QCoreApplication::translate("LogRecords",
                                                  "Le fichier des parties %1 est illisible : %2")
                          .arg(shownPath, read.message);
        return log;
    }
    if (read.status == RtfReadResult::Status::Damaged)
        log.message = read.message;
    log.records = ReadRecords(read.text);
    return log;
}

QString UnreadableNote(int unreadable)
{
    if (unreadable <= 0)
        return {};
    if (unreadable == 1)
        return QCoreApplication::translate("LogRecords", "1 partie illisible ignorée");
    return QCoreApplication::translate("LogRecords", "%1 parties illisibles ignorées")
        .arg(unreadable);
}
