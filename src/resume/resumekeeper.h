// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "resume/resumefile.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

class GameForm;

// Keeps the game of the open game window in its file, so that the next start resumes it: at
// JOUER, at most once a second while it is played, when the window closes and when the program
// quits. Once no game is in progress (it ended, was stopped or dealt again) the file goes.
class ResumeKeeper : public QObject {
    Q_OBJECT
public:
    explicit ResumeKeeper(const QString &path, QObject *parent = nullptr);

    bool enabled() const { return !m_file.path().isEmpty(); }
    // The window whose game is kept from now on.
    void watch(GameForm *form);
    // The game is given up: the file goes and the window's game is kept no more.
    void giveUp();
    // Keeps the game now and stops watching: the program is about to end.
    void keepAndRelease();

    // The game kept by the last run, for the window of its game to take back; nothing when there
    // is none. A file that is not one is set aside and problem() tells it.
    std::optional<SessionLog> pending();
    // The window could not take the game back: its file is set aside.
    void refused();

Q_SIGNALS:
    // One line for the status bar; its details for a tooltip.
    void problem(const QString &line, const QString &details);

private:
    void changed();
    void keepNow();
    void setAside();

    ResumeFile m_file;
    QPointer<GameForm> m_form;
    QTimer m_later;
    bool m_wasPlaying = false;
    bool m_failureTold = false;
};
