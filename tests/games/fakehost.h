// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalog/gamecatalog.h"
#include "games/noshuffle.h"
#include "games/quiethost.h"
#include "games/tablemodel.h"
#include "settings/settingsstore.h"
#include "shared/appstate.h"
#include "shared/cards.h"
#include "shared/corecontext.h"
#include "shared/randomsource.h"

#include <QList>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

// rank 1 (as) to 13 (roi); suit 0 trefle, 1 carreau, 2 coeur, 3 pique.
inline QString CardName(int rank, int suit)
{
    static const QStringList ranks =
        QStringLiteral("AS 2 3 4 5 6 7 8 9 10 VALET DAME ROI").split(QLatin1Char(' '));
    static const QStringList suits =
        QStringLiteral("TREFLE CARREAU COEUR PIQUE").split(QLatin1Char(' '));
    return ranks.at(rank - 1) + QStringLiteral("DE") + suits.at(suit);
}

// One row per game of the table of games, its menu name in the column "game".
inline void addEveryGame()
{
    QTest::addColumn<QString>("game");
    for (const GameInfo &info : GameCatalog::all())
        QTest::newRow(info.menuName) << QString::fromUtf8(info.menuName);
}

// Shared state, a settings file in a temporary folder and a seeded shuffle, for rule tests.
struct RulesBench {
    explicit RulesBench(quint32 seed = 1)
        : settings(dir.filePath(QStringLiteral("test.ini"))), random(seed)
    {
        BuildCardTables(state);
        settings.write(QStringLiteral("parametres"), QStringLiteral("melange"),
                       QStringLiteral("10"));
    }
    CoreContext context() { return {state, settings, random}; }
    // For rules that deal a stacked deck.
    CoreContext stacked() { return {state, settings, noShuffle}; }

    // Puts the listed cards at the head of the 52-card deck, the others after them in their
    // present order, and turns the shuffle off: the next deal of rules built on stacked() deals
    // that order.
    void stack(const QStringList &head)
    {
        QStringList order = head;
        for (const QString &code : state.decks.deck52) {
            if (!order.contains(code))
                order.append(code);
        }
        for (std::size_t i = 0; i < state.decks.deck52.size(); ++i)
            state.decks.deck52[i] = order.at(qsizetype(i));
        settings.write(QStringLiteral("parametres"), QStringLiteral("melange"),
                       QStringLiteral("0"));
    }

    QTemporaryDir dir;
    AppState state;
    SettingsStore settings;
    SeededRandom random;
    NoShuffle noShuffle;
    QuietHost host;
};
