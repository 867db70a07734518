// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/carnavalario/carnavalariorules.h"
#include "games/gamecase.h"

#include <algorithm>

namespace {

using Rules = CarnavalaRioRules;
const QString Section = QStringLiteral("CARNAVAL A RIO");
const QString Temps = QStringLiteral("temps");

// The cards dealt rank by rank: 2p and 2p + 1 are a pair, 3 and 4 are not.
struct Game : GameCase<Rules> {
    explicit Game(const QString &temps = {}) : GameCase(QStringLiteral("Carnaval à Rio"))
    {
        if (!temps.isNull())
            settings.write(Section, Temps, temps);
        auto &deck = state.decks.deck32;
        std::stable_sort(deck.begin(), deck.end(),
                         [](const QString &a, const QString &b) { return a.left(2) < b.left(2); });
        rules.Distribution();
        rules.load();
        start();
    }
    void turn(int i) { rules.click(Rules::FirstCarte + i); }
    bool faceUp(int i) const { return at(Rules::FirstCarte + i).face == Picture::Face::Front; }
    const Control &list() const { return *rules.table().control(QStringLiteral("cboSecondes")); }
};

} // namespace

class TestCarnavalaRio : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void failedPairTurnsBackAtTheFirstTickOfOneSecond()
    {
        Game game(QStringLiteral("1"));
        game.turn(3);
        QVERIFY(game.unchanged([&] { game.turn(3); }));
        game.turn(4);
        QVERIFY(game.faceUp(3) && game.faceUp(4));
        QCOMPARE(game.host.timerInterval, Rules::TickMs);
        QVERIFY(game.unchanged([&] { // while the pair shows
            for (int i = 0; i < Cards::SmallDeck; ++i)
                game.turn(i);
        }));
        game.rules.timerTick();
        QVERIFY(!game.faceUp(3) && !game.faceUp(4) && !game.framed());
        QCOMPARE(game.prompt(), QStringLiteral("Cliquez sur une carte."));
        QCOMPARE(game.host.timerInterval, 0);
        QCOMPARE(game.rules.variables(), Rules::Variables{});
    }

    void sixteenPairsWin()
    {
        Game game;
        QVERIFY(!game.list().enabled);
        for (int i = 0; i < Cards::SmallDeck; i += 2) {
            QVERIFY(game.host.results.isEmpty());
            game.turn(i);
            game.turn(i + 1);
            QVERIFY(game.faceUp(i) && game.rules.variables().EtatCarte[std::size_t(i + 1)]);
        }
        game.checkEnded(true, {QStringLiteral("Temps d'affichage des cartes: 2 sec.")});
    }

    void storedDisplayTimeHeals()
    {
        for (const char *bad : {"", "0", "31", "-1", "deux"}) {
            Game game(QString::fromLatin1(bad));
            QCOMPARE(game.list().text, QStringLiteral("2"));
            QCOMPARE(game.settings.read(Section, Temps), QStringLiteral("2"));
        }
        Game game(QStringLiteral("30"));
        QCOMPARE(game.list().text, QStringLiteral("30"));
    }
};

QTEST_GUILESS_MAIN(TestCarnavalaRio)
#include "tst_carnavalario.moc"
