// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shared/decktables.h"

#include <QString>

// The state the main window, its clock and the open game window share. One instance lives for
// the whole run, owned by main() and handed to every window that needs it.
struct AppState {
    bool gameInProgress = false;
    qint16 elapsedSeconds = 0;
    DeckTables decks;
    qint16 deckSize = Cards::FullDeck;
    qint16 shuffleRounds = 0;
    QString cardBackChoice = QStringLiteral("défaut");
    QString cardsFilePath;
    QString appFolder;  // cartes.res, bois.gif and the help pages
    QString logFolder;  // parties.rtf
    QString resumePath; // the game in progress kept between runs; "" keeps none
};
