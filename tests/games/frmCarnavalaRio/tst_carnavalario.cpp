#include "games/fakehost.h"
#include "games/frmCarnavalaRio/carnavalariorules.h"

#include <QTest>
#include <algorithm>

namespace {

using Rules = CarnavalaRioRules;
const QString Section = QStringLiteral("CARNAVAL A RIO");
const QString Temps = QStringLiteral("temps");

// The cards dealt rank by rank: 2p and 2p + 1 are a pair, 3 and 4 are not.
struct Game : RulesBench, Rules {
    explicit Game(const QString &temps = {}) : Rules(stacked(), host)
    {
        host.state = &this->RulesBench::state;
        settings.write(QStringLiteral("parametres"), QStringLiteral("melange"),
                       QStringLiteral("0"));
        if (!temps.isNull())
            settings.write(Section, Temps, temps);
        auto &deck = RulesBench::state.decks.deck32;
        std::stable_sort(deck.begin(), deck.end(),
                         [](const QString &a, const QString &b) { return a.left(2) < b.left(2); });
        Distribution();
        load();
        RulesBench::state.gameInProgress = true;
        play();
    }
    void turn(int i) { click(FirstCarte + i); }
    bool faceUp(int i) const { return table().at(FirstCarte + i).face == Picture::Face::Front; }
    const Control &list() const { return *table().control(QStringLiteral("cboSecondes")); }
    void checkInert()
    {
        const TableModel before = table();
        for (int i = 0; i < Cards::SmallDeck; ++i)
            turn(i);
        QCOMPARE(table(), before);
    }
};

} // namespace

class TestCarnavalaRio : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void failedPairTurnsBackAtTheFirstTickOfOneSecond()
    {
        Game game(QStringLiteral("1"));
        game.turn(3);
        const TableModel first = game.table();
        game.turn(3);
        QCOMPARE(game.table(), first);
        game.turn(4);
        QVERIFY(game.faceUp(3) && game.faceUp(4));
        QCOMPARE(game.host.timerInterval, Rules::TickMs);
        game.checkInert(); // while the pair shows
        game.timerTick();
        QVERIFY(!game.faceUp(3) && !game.faceUp(4));
        QVERIFY(!game.table().frames[Rules::Indicateur].visible);
        QCOMPARE(game.host.current, QStringLiteral("Cliquez sur une carte."));
        QCOMPARE(game.host.timerInterval, 0);
        QCOMPARE(game.variables(), Rules::Variables{});
    }

    void sixteenPairsWin()
    {
        Game game;
        QVERIFY(!game.list().enabled);
        for (int i = 0; i < Cards::SmallDeck; i += 2) {
            QVERIFY(game.host.results.isEmpty());
            game.turn(i);
            game.turn(i + 1);
            QVERIFY(game.faceUp(i) && game.variables().EtatCarte[std::size_t(i + 1)]);
        }
        QCOMPARE(game.host.results, QList<bool>{true});
        QCOMPARE(game.host.current, QStringLiteral("BRAVO, vous avez gagné..."));
        QCOMPARE(game.statistic(),
                 QStringList{QStringLiteral("Temps d'affichage des cartes: 2 sec.")});
        game.checkInert();
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
