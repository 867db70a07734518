// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalog/gamecatalog.h"
#include "games/fakehost.h"

#include <QTest>
#include <functional>
#include <memory>

// A game's rules made as the program makes them, on a bench that deals the deck tables as the
// test lays them out (the shuffle off), stopped at the end of a game as the window stops them.
template <typename Rules> struct GameCase : RulesBench {
    explicit GameCase(const QString &game)
        : made(GameCatalog::rulesFor(game)(stacked(), host)), rules(static_cast<Rules &>(*made))
    {
        host.state = &state;
        settings.write(QStringLiteral("parametres"), QStringLiteral("melange"),
                       QStringLiteral("0"));
    }
    // JOUER, as the window runs it.
    void start()
    {
        state.gameInProgress = true;
        rules.play();
    }
    const Picture &at(int picture) const { return rules.table().at(picture); }
    const QString &prompt() const { return host.current; }
    bool framed() const { return rules.table().frames.at(Rules::Indicateur).visible; }
    // Whether the red frame surrounds a picture.
    bool frameOn(int picture) const
    {
        const Frame &frame = rules.table().frames.at(Rules::Indicateur);
        return frame.visible && frame.rect == at(picture).rect.adjusted(-60, -60, 60, 60);
    }
    // Whether the action leaves the table as it was.
    bool unchanged(const std::function<void()> &action)
    {
        const TableModel before = rules.table();
        action();
        return rules.table() == before;
    }
    // Neither the table nor the game's variables change.
    void checkRefused(const std::function<void()> &action)
    {
        const typename Rules::Variables was = rules.variables();
        QVERIFY(unchanged(action));
        QCOMPARE(rules.variables(), was);
    }
    // The game ended once, said how, and wrote its line for the record.
    void checkEnded(bool won, const QStringList &record) const
    {
        QCOMPARE(host.results, QList<bool>{won});
        QCOMPARE(host.current, won ? QStringLiteral("BRAVO, vous avez gagné...")
                                   : QStringLiteral("DESOLE, vous avez perdu..."));
        QCOMPARE(rules.statistic(), record);
    }

    std::unique_ptr<GameRules> made;
    Rules &rules;
};
