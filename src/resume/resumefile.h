// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "games/sessionlog.h"

#include <QByteArray>
#include <QString>
#include <optional>

// The file that keeps the game in progress between two runs of the program: the session's log,
// versioned and with a checksum of its contents. One per user.
namespace Resume {

// The bytes of the file, and back: nothing for bytes this version did not write whole (cut
// short, altered, another version, lengths past what a game holds).
QByteArray encode(const SessionLog &log);
// The file around a log's bytes: the header, then its checksum.
QByteArray seal(const QByteArray &payload);
std::optional<SessionLog> decode(const QByteArray &bytes);

} // namespace Resume

class ResumeFile {
public:
    explicit ResumeFile(QString path) : m_path(std::move(path)) {}
    // $XDG_STATE_HOME/<appName>/partie-en-cours.vorelles, ~/.local/state when it is unset.
    static QString defaultPath(const QString &appName);
    const QString &path() const { return m_path; }

    // Replaces the file with the log, atomically; "" once written, else the reason in French.
    QString save(const SessionLog &log) const;
    // The game has ended or was given up: the file goes. False when it stays.
    bool remove() const;

    enum class Found { Nothing, Log, Unreadable };
    // What the file holds: nothing (no file), a log, or bytes that are not one.
    Found read(SessionLog &log) const;
    // Moves the file to "<file>.illisible" ("-2", "-3"... when taken); the new path, or "".
    QString setAside() const;

private:
    QString m_path;
};
