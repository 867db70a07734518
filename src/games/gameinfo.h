// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

class GameHost;
class GameRules;
class Solver;
struct CoreContext;
struct ExactFraction;

// The sixteen games, in the order of the game menu.
enum class GameId {
    CarnavalaRio,
    Carre,
    Duo,
    DuoDeReve,
    Josephine,
    CleSonges,
    Voyageuses1,
    Voyageuses2,
    Annonce,
    Horloge,
    Mariage,
    Montecarlo,
    PoussePousse,
    Pyramide,
    Roialbert,
    Stephanie,
};

// One row of the table of games: what the game is called where, and how its rules, its solver
// and its odds are made. A game's settings live in the INI section named after its caption.
struct GameInfo {
    GameId id;
    const char *menuName;   // as listed in the game menu, "Les voyageuses (1)"
    const char *windowName; // "frmVoyageuses1"
    const char *caption;    // window caption and name in the log, "LES VOYAGEUSES (1)"
    const char *tag;        // marks the window as a game window, never empty
    const char *helpPage;   // "voyageuses1.htm"
    int deckSize;           // 32 or 52
    std::unique_ptr<GameRules> (*makeRules)(const GameInfo &, CoreContext, GameHost &);
    std::unique_ptr<Solver> (*makeSolver)(); // nullptr for a game without a solver
    // The exact share of deals won, for a game of pure chance, counted once; nullptr otherwise.
    const ExactFraction &(*odds)();
};
