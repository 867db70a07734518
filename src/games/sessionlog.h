// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shared/randomsource.h"

#include <QByteArray>
#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

// One input of a game in progress, in the order the session passed it to the rules.
struct SessionEvent {
    enum class Kind : quint8 {
        Play, // JOUER
        Click,
        DoubleClick,
        RightPress,
        Hover,
        DragOver, // picture, target
        Drop,     // picture, target, at
        Select,   // control, entry
        Press,    // control
        Tick,     // the rules' timer
        Undo,
        Redo,
    };
    Kind kind = Kind::Click;
    qint32 picture = -1;
    qint32 target = -1; // a picture, -1 for the bare table; the entry of a Select
    QPoint at;
    QString control;
    bool operator==(const SessionEvent &) const = default;
};

// Everything that made the game in progress what it is, from its deal on: the deck before the
// deal, the settings the deal and the game read, every random draw and every input. Played again
// through the game's own rules, it gives the same game; nothing in it is a position to be trusted.
struct SessionLog {
    enum class DealKind : quint8 {
        Opening, // the window's first deal, with the game's own settings loaded after it
        Deal,    // DISTRIBUER, a numbered deal, or the question at the end answered Yes
    };
    QString game; // the menu name
    DealKind dealKind = DealKind::Opening;
    quint32 dealNumber = 0;
    QStringList deck; // the deck tables of the game's size before the deal
    QList<std::pair<QString, QString>> settings; // (section/key, value) as the deal found them
    std::vector<quint32> draws;                  // the random draws, as float bits
    std::vector<SessionEvent> events;
    qint32 elapsedSeconds = 0;
    QByteArray position; // the digest of the position the events lead to
    bool operator==(const SessionLog &) const = default;
};

// The random source of the rules during a session: passes the draws of the source it wraps and
// keeps them in the log.
class RecordingRandom final : public RandomSource {
public:
    RecordingRandom(RandomSource &source, std::vector<quint32> &draws)
        : m_source(source), m_draws(draws)
    {
    }
    void reseed() override { m_source.reseed(); }
    float next() override;

private:
    RandomSource &m_source;
    std::vector<quint32> &m_draws;
};

// Gives back the draws of a log, in order; then draws of its own, and says it ran out.
class ReplayRandom final : public RandomSource {
public:
    void reseed() override {}
    float next() override;
    // From now on the draws of the log.
    void replay(const std::vector<quint32> &draws);
    bool ranOut() const { return m_ranOut; }
    // Whether every draw of the log was used.
    bool usedAll() const { return m_draws && m_next == m_draws->size(); }

private:
    SeededRandom m_own{1};
    const std::vector<quint32> *m_draws = nullptr;
    std::size_t m_next = 0;
    bool m_ranOut = false;
};
