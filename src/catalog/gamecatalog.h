#pragma once

#include <QString>
#include <QStringList>
#include <span>

// The identity of every game: the name in the game menu, its window, caption, tag, help page and
// deck. The launcher, the game windows and the record log all read it from here.
struct GameInfo {
    const char *menuName;   // as listed in the game menu, "Les voyageuses (1)"
    const char *windowName; // "frmVoyageuses1"
    const char *caption;    // window caption and name in the log, "LES VOYAGEUSES (1)"
    const char *tag;        // marks the window as a game window, never empty
    const char *helpPage;   // "voyageuses1.htm"
    int deckSize;           // 32 or 52
};

namespace GameCatalog {

// All sixteen games, in the order of the game menu.
std::span<const GameInfo> all();

// The names of the game menu, in menu order; Stephanie is the sixteenth.
const QStringList &GameNames();

const GameInfo *byMenuName(const QString &menuName);
const GameInfo *byCaption(const QString &caption);

// Menu caption of item k: k + 1, six spaces below 10 and four from 10 on, then the name.
QString menuCaption(int index);

// The game name a menu caption carries: the caption without its first two characters, trimmed.
QString nameFromCaption(const QString &caption);

} // namespace GameCatalog
