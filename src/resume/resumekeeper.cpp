// SPDX-License-Identifier: GPL-3.0-or-later
#include "resume/resumekeeper.h"

#include "table/gameform.h"

#include <QCoreApplication>

ResumeKeeper::ResumeKeeper(const QString &path, QObject *parent) : QObject(parent), m_file(path)
{
    // At most once a second: a move is kept within a second, and a run of moves costs one write.
    m_later.setSingleShot(true);
    m_later.setInterval(1000);
    connect(&m_later, &QTimer::timeout, this, &ResumeKeeper::keepNow);
}

void ResumeKeeper::watch(GameForm *form)
{
    if (!enabled())
        return;
    m_form = form;
    m_wasPlaying = form->session().inProgress();
    connect(form, &GameForm::historyChanged, this, &ResumeKeeper::changed);
    // While the window goes, its session is still whole.
    connect(form, &GameForm::closing, this, [this, form] {
        if (m_form == form)
            keepNow();
        m_form = nullptr;
        m_later.stop();
    });
}

void ResumeKeeper::changed()
{
    if (!m_form)
        return;
    const bool playing = m_form->session().inProgress();
    if (playing != m_wasPlaying) {
        m_wasPlaying = playing;
        keepNow();
    } else if (playing && !m_later.isActive()) {
        m_later.start();
    }
}

void ResumeKeeper::keepNow()
{
    m_later.stop();
    if (!m_form)
        return;
    if (!m_form->session().inProgress()) {
        m_file.remove();
        return;
    }
    const QString failure = m_file.save(m_form->session().saved());
    // Told once: the player goes on playing, and a full disk would say it every second.
    if (!failure.isEmpty() && !m_failureTold) {
        m_failureTold = true;
        Q_EMIT problem(QCoreApplication::translate("ResumeKeeper",
                                                   "La partie en cours ne peut pas être gardée."),
                       failure);
    }
}

void ResumeKeeper::giveUp()
{
    m_later.stop();
    m_form = nullptr;
    if (enabled())
        m_file.remove();
}

void ResumeKeeper::keepAndRelease()
{
    keepNow();
    m_form = nullptr;
}

std::optional<SessionLog> ResumeKeeper::pending()
{
    if (!enabled())
        return std::nullopt;
    SessionLog log;
    switch (m_file.read(log)) {
    case ResumeFile::Found::Nothing:
        return std::nullopt;
    case ResumeFile::Found::Log:
        return log;
    case ResumeFile::Found::Unreadable:
        setAside();
        return std::nullopt;
    }
    return std::nullopt;
}

void ResumeKeeper::refused()
{
    setAside();
}

void ResumeKeeper::setAside()
{
    const QString kept = m_file.setAside();
    Q_EMIT problem(
        QCoreApplication::translate("ResumeKeeper",
                                    "La partie en cours n'a pas pu être reprise : fichier mis de "
                                    "côté."),
        kept.isEmpty() ? m_file.path() : kept);
}
