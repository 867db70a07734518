// SPDX-License-Identifier: GPL-3.0-or-later
#include "resume/resumefile.h"

#include "shared/files.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

namespace {

constexpr char Magic[] = "VORELLES-REPRISE";
constexpr qsizetype MagicSize = sizeof(Magic) - 1;
constexpr quint32 Version = 1;
constexpr qsizetype HashSize = 32; // SHA-256
// What a game in progress can hold, with room to spare; a file past these is not ours.
constexpr quint32 MostText = 4096;
constexpr quint32 MostCards = 52;
constexpr quint32 MostSettings = 256;
constexpr quint32 MostDraws = 1u << 20;
constexpr quint32 MostEvents = 1u << 20;
constexpr qint64 MostFile = 64 * 1024 * 1024;

class Writer {
public:
    void u8(quint8 v) { m_bytes.append(char(v)); }
    void u32(quint32 v)
    {
        const quint32 big = qToBigEndian(v);
        m_bytes.append(reinterpret_cast<const char *>(&big), sizeof big);
    }
    void i32(qint32 v) { u32(quint32(v)); }
    void bytes(const QByteArray &v)
    {
        u32(quint32(v.size()));
        m_bytes.append(v);
    }
    void text(const QString &v) { bytes(v.toUtf8()); }
    const QByteArray &data() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

// Reads what Writer wrote; once a read fails, every later one fails too.
class Reader {
public:
    explicit Reader(QByteArrayView bytes) : m_bytes(bytes) {}
    bool ok() const { return m_ok; }
    bool atEnd() const { return m_at == m_bytes.size(); }
    quint8 u8()
    {
        if (!take(1))
            return 0;
        return quint8(m_bytes[m_at - 1]);
    }
    quint32 u32()
    {
        if (!take(4))
            return 0;
        return qFromBigEndian<quint32>(m_bytes.data() + m_at - 4);
    }
    qint32 i32() { return qint32(u32()); }
    // A count of at most most.
    quint32 count(quint32 most)
    {
        const quint32 n = u32();
        if (n > most)
            m_ok = false;
        return m_ok ? n : 0;
    }
    QByteArray bytes(quint32 most)
    {
        const quint32 n = count(most);
        if (!take(n))
            return {};
        return m_bytes.sliced(m_at - n, n).toByteArray();
    }
    QString text()
    {
        const QByteArray utf8 = bytes(MostText);
        const QString decoded = QString::fromUtf8(utf8);
        if (decoded.toUtf8() != utf8)
            m_ok = false;
        return decoded;
    }

private:
    bool take(qsizetype n)
    {
        if (!m_ok || n > m_bytes.size() - m_at) {
            m_ok = false;
            return false;
        }
        m_at += n;
        return true;
    }

    QByteArrayView m_bytes;
    qsizetype m_at = 0;
    bool m_ok = true;
};

QByteArray payload(const SessionLog &log)
{
    Writer out;
    out.text(log.game);
    out.u8(quint8(log.dealKind));
    out.u32(log.dealNumber);
    out.u32(quint32(log.deck.size()));
    for (const QString &card : log.deck)
        out.text(card);
    out.u32(quint32(log.settings.size()));
    for (const auto &[key, value] : log.settings) {
        out.text(key);
        out.text(value);
    }
    out.u32(quint32(log.draws.size()));
    for (quint32 draw : log.draws)
        out.u32(draw);
    out.u32(quint32(log.events.size()));
    for (const SessionEvent &event : log.events) {
        out.u8(quint8(event.kind));
        out.i32(event.picture);
        out.i32(event.target);
        out.i32(event.at.x());
        out.i32(event.at.y());
        out.text(event.control);
    }
    out.i32(log.elapsedSeconds);
    out.bytes(log.position);
    return out.data();
}

std::optional<SessionLog> readPayload(QByteArrayView bytes)
{
    Reader in(bytes);
    SessionLog log;
    log.game = in.text();
    const quint8 kind = in.u8();
    if (kind > quint8(SessionLog::DealKind::Deal))
        return std::nullopt;
    log.dealKind = SessionLog::DealKind(kind);
    log.dealNumber = in.u32();
    for (quint32 n = in.count(MostCards); n > 0 && in.ok(); --n)
        log.deck.append(in.text());
    for (quint32 n = in.count(MostSettings); n > 0 && in.ok(); --n) {
        QString key = in.text();
        log.settings.append({std::move(key), in.text()});
    }
    const quint32 draws = in.count(MostDraws);
    log.draws.reserve(in.ok() ? draws : 0);
    for (quint32 n = draws; n > 0 && in.ok(); --n)
        log.draws.push_back(in.u32());
    for (quint32 n = in.count(MostEvents); n > 0 && in.ok(); --n) {
        SessionEvent event;
        const quint8 eventKind = in.u8();
        if (eventKind > quint8(SessionEvent::Kind::Redo))
            return std::nullopt;
        event.kind = SessionEvent::Kind(eventKind);
        event.picture = in.i32();
        event.target = in.i32();
        const qint32 x = in.i32();
        event.at = QPoint(x, in.i32());
        event.control = in.text();
        log.events.push_back(std::move(event));
    }
    log.elapsedSeconds = in.i32();
    log.position = in.bytes(HashSize);
    if (!in.ok() || !in.atEnd())
        return std::nullopt;
    return log;
}

} // namespace

QByteArray Resume::encode(const SessionLog &log)
{
    return seal(payload(log));
}

QByteArray Resume::seal(const QByteArray &body)
{
    Writer head;
    head.u32(Version);
    head.u32(quint32(body.size()));
    return QByteArray(Magic, MagicSize) + head.data() + body +
           QCryptographicHash::hash(body, QCryptographicHash::Sha256);
}

std::optional<SessionLog> Resume::decode(const QByteArray &bytes)
{
    if (!bytes.startsWith(QByteArrayView(Magic, MagicSize)))
        return std::nullopt;
    Reader head(QByteArrayView(bytes).sliced(MagicSize));
    const quint32 version = head.u32();
    const quint32 size = head.u32();
    const qsizetype start = MagicSize + 8;
    if (!head.ok() || version != Version || qsizetype(size) != bytes.size() - start - HashSize)
        return std::nullopt;
    const QByteArrayView body = QByteArrayView(bytes).sliced(start, size);
    if (QCryptographicHash::hash(body, QCryptographicHash::Sha256) !=
        QByteArrayView(bytes).sliced(start + size))
        return std::nullopt;
    return readPayload(body);
}

QString ResumeFile::defaultPath(const QString &appName)
{
    QString folder = qEnvironmentVariable("XDG_STATE_HOME");
    if (folder.isEmpty() || QDir::isRelativePath(folder))
        folder = QDir::homePath() + QStringLiteral("/.local/state");
    return folder + QLatin1Char('/') + appName + QStringLiteral("/partie-en-cours.vorelles");
}

QString ResumeFile::save(const SessionLog &log) const
{
    if (!QDir().mkpath(QFileInfo(m_path).absolutePath()))
        return QCoreApplication::translate(
                   "ResumeFile", "Le dossier de la partie en cours ne peut pas être créé : ") +
               QFileInfo(m_path).absolutePath();
    return SaveFileAtomically(m_path, Resume::encode(log));
}

bool ResumeFile::remove() const
{
    return !QFileInfo::exists(m_path) || QFile::remove(m_path);
}

ResumeFile::Found ResumeFile::read(SessionLog &log) const
{
    const QFileInfo info(m_path);
    if (!info.exists())
        return Found::Nothing;
    QFile file(m_path);
    if (!info.isFile() || info.size() > MostFile || !file.open(QIODevice::ReadOnly))
        return Found::Unreadable;
    std::optional<SessionLog> decoded = Resume::decode(file.readAll());
    if (!decoded)
        return Found::Unreadable;
    log = std::move(*decoded);
    return Found::Log;
}

QString ResumeFile::setAside() const
{
    const QString base = m_path + QStringLiteral(".illisible");
    QString kept = base;
    for (int n = 2; QFileInfo::exists(kept); ++n)
        kept = base + QLatin1Char('-') + QString::number(n);
    return QFile::rename(m_path, kept) ? kept : QString();
}
