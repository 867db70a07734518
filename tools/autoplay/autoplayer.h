// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "games/gameinfo.h"
#include "games/gamerules.h"
#include "games/gamesession.h"
#include "games/quiethost.h"
#include "settings/settingsstore.h"
#include "shared/appstate.h"
#include "shared/randomsource.h"

#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <optional>
#include <span>

// A game the player never has a choice in, or only a first one.
struct AutoplayGame {
    enum class FirstMove {
        Forced,  // the only move there is, from JOUER on
        AnyCard, // the first card is picked at random among the cards of the table
    };
    const GameInfo *info;
    FirstMove firstMove = FirstMove::Forced;
};

namespace Autoplay {

// The games autoplay knows, the games of pure chance of the table of games, one entry each.
std::span<const AutoplayGame> games();
// A game by its menu name or its window name without "frm" ("horloge"), case aside.
const AutoplayGame *find(const QString &name);

// A win rate and its 95 % interval (Wilson's score interval), as fractions.
struct WinRate {
    double rate = 0;
    double low = 0;
    double high = 0;
};
WinRate winRate(qint64 won, qint64 deals);

// A whole number from min to max, or nothing.
std::optional<qint64> wholeNumber(const QString &text, qint64 min, qint64 max);

// The card codes of a deck given on one line, separated by commas, each trimmed and in capitals:
// only the ASCII letters are raised, so that no other letter is taken for one of a code. Empty
// for a blank line.
QStringList deckCodes(const QString &line);

// How many deals to play, on which shuffle: "DONNES [--seed GRAINE] [--melange M]".
struct DealRun {
    qint64 deals = 0;
    qint64 seed = 0; // drawn by the system when not given
    qint64 melange = 10;
};
// Reads a run from args, the count first; nothing, and the French problem, when it is not one.
// The most rounds of the shuffle depend on the deck's size.
std::optional<DealRun> parseDealRun(const QStringList &args, int deckSize, QString &problem);

} // namespace Autoplay

// Deals a game again and again on one deck, as a player who starts the program once, and plays
// each deal through the rules' own handlers, as the window would, until the rules end it. The
// window's side is a quiet host that keeps the verdicts.
class Autoplayer final {
public:
    Autoplayer(const AutoplayGame &game, quint32 seed, int melange);

    // Deals and plays one game, the numbered deal for a number from 1; returns whether the rules
    // declared it won, or nothing when the game stopped with no move left and no verdict.
    std::optional<bool> playDeal(quint32 number = 0);
    // The deck as the last deal left it.
    const DeckTables &decks() const { return m_state.decks; }
    const GameRules &rules() const { return m_session->rules(); }

private:
    bool clickable(int picture, int dragged = -1) const;
    bool framed(int picture) const;
    bool dragHome();
    bool clickOnce();
    void clickAnyCard();

    const AutoplayGame &m_game;
    QTemporaryDir m_dir;
    AppState m_state;
    SettingsStore m_settings;
    SeededRandom m_random;
    QuietHost m_host; // its results are the verdicts, won or lost
    std::unique_ptr<GameSession> m_session;
    GameRules *m_rules = nullptr;
    bool m_opened = false;
    int m_lastClick = 0; // where the search for the next click starts
};
