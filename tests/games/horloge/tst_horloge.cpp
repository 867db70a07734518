// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/gamecase.h"
#include "games/horloge/horlogerules.h"

#include <QTest>

namespace {

using Rules = HorlogeRules;
using Deal = std::array<QString, Cards::FullDeck>;
constexpr QPoint CardCentre{CardWidth / 2, CardHeight / 2};

// The four cards of a rank, 1 (as) to 13 (roi).
QStringList ofRank(int rank)
{
    return {CardName(rank, 0), CardName(rank, 1), CardName(rank, 2), CardName(rank, 3)};
}

const auto ace = [](int suit) { return CardName(1, suit); };
const auto king = [](int suit) { return CardName(13, suit); };

struct Clock {
    std::array<QString, Rules::Kings> centre;    // Sabot(0..3), the last one on top
    std::array<QStringList, Rules::Hours> piles; // hours 1 to 12, each pile top first

    Deal deal() const
    {
        Deal order;
        for (int k = 0; k < Rules::Kings; ++k)
            order[std::size_t(k)] = centre[std::size_t(k)];
        for (int hour = 1; hour <= Rules::Hours; ++hour) {
            for (int j = 0; j < Rules::PileSize; ++j)
                order[std::size_t(Rules::PileSize * hour + Rules::PileSize - 1 - j)] =
                    piles[std::size_t(hour - 1)].at(j);
        }
        return order;
    }
};

// Every pile holds the cards of its hour; the kings make the centre.
Clock sorted()
{
    Clock clock{{king(0), king(1), king(2), king(3)}, {}};
    for (int hour = 1; hour <= Rules::Hours; ++hour)
        clock.piles[std::size_t(hour - 1)] = ofRank(hour);
    return clock;
}

// Each pile holds the cards of the next hour and the queens' pile three aces and a king, lying
// at kingDepth from its top: the ace of the centre starts a chain that goes round the clock until
// it takes that king.
Clock roundTheClock(const std::array<QString, Rules::Kings> &centre, int kingDepth)
{
    Clock clock{centre, {}};
    for (int hour = 1; hour < Rules::Hours; ++hour)
        clock.piles[std::size_t(hour - 1)] = ofRank(hour + 1);
    QStringList &queens = clock.piles[Rules::Hours - 1];
    queens = {ace(1), ace(2), ace(3)};
    queens.insert(kingDepth, king(3));
    return clock;
}

struct Game : GameCase<Rules> {
    explicit Game(const Clock &clock) : GameCase(QStringLiteral("L'horloge"))
    {
        state.decks.deck52 = clock.deal();
        rules.Distribution();
    }
    int centreTop() const { return Rules::FirstSabot + rules.variables().IndexSabot; }
    bool holding() const
    {
        return rules.variables().IndexSabot != Rules::NoCentre && at(centreTop()).draggable &&
               at(centreTop()).visible;
    }
    // What the window finds under the mouse on an hour's pile: the card on top there.
    int pileTop(int hour) const
    {
        return rules.table().pictureAt(Rules::pilePosition(hour) + CardCentre);
    }
    // Drops the card in hand on the pile of its rank.
    void carry() { rules.drop(centreTop(), pileTop(Cards::CardValue(at(centreTop()).card)), {}); }
    void checkKingLaid(int k, const QString &code)
    {
        QVERIFY(at(k).visible && at(k).face == Picture::Face::Front);
        QCOMPARE(at(k).card, code);
        QCOMPARE(at(k).tag, QStringLiteral("FAUX"));
        QCOMPARE(at(k).rect.topLeft(), QPoint(8520, 2100 + 300 * k));
    }
};

} // namespace

class TestHorloge : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Kings turned from the centre start no chain; after the fourth every hour card is turned
    // and the verdict comes with the last one.
    void kingsFromTheCentreThenTheReveal()
    {
        Game game(sorted());
        game.start();
        game.checkRefused([&] {
            game.rules.click(Rules::FirstSabot); // lower in the centre
            game.rules.click(game.pileTop(5));   // hour cards wait for the fourth king
        });

        for (int k = 0; k < Rules::Kings; ++k) {
            const int turned = game.centreTop();
            game.rules.click(turned);
            QVERIFY(!game.at(turned).visible);
            game.checkKingLaid(k, king(Rules::Kings - 1 - k));
            if (k < Rules::Kings - 1) {
                QCOMPARE(game.host.current, QStringLiteral("Cliquez sur la carte au milieu du "
                                                           "jeu pour continuer celui-ci."));
                QVERIFY(game.at(game.centreTop()).hand);
                QCOMPARE(game.at(game.centreTop()).face, Picture::Face::Back);
            }
        }
        QCOMPARE(game.host.current,
                 QStringLiteral("Cliquez sur les cartes restantes à découvrir."));

        for (int hour = 1; hour <= Rules::Hours; ++hour) {
            for (int j = 0; j < Rules::PileSize; ++j) {
                QVERIFY(game.host.results.isEmpty());
                game.rules.click(game.pileTop(hour));
            }
        }
        QCOMPARE(game.host.results, QList<bool>{true});
        QVERIFY(game.rules.statistic().isEmpty()); // no line of its own in the record
    }

    void chainsEndWithKingsFromThePiles_data()
    {
        QTest::addColumn<Clock>("clock");
        QTest::addColumn<bool>("kingsLeftInTheCentre");
        // The ace on top of the centre, its chain places every hour card.
        QTest::newRow("kings left in the centre")
            << roundTheClock({king(0), king(1), king(2), ace(0)}, 3) << true;
        // The ace at the bottom of the centre, its chain ends with a face-down card on each pile.
        QTest::newRow("fourth king by a drop")
            << roundTheClock({ace(0), king(0), king(1), king(2)}, 2) << false;
    }

    void chainsEndWithKingsFromThePiles()
    {
        QFETCH(Clock, clock);
        QFETCH(bool, kingsLeftInTheCentre);
        Game game(clock);
        game.start();
        while (!game.holding())
            game.rules.click(game.centreTop());
        const int hand = game.centreTop();
        QCOMPARE(game.at(hand).card, ace(0));
        QCOMPARE(game.at(hand).rect.topLeft(), Rules::HandPosition);
        QCOMPARE(game.host.current, QStringLiteral("Glissez la carte à l'endroit voulu."));

        game.rules.dragOver(hand, game.pileTop(2));
        QVERIFY(!game.frameOn(game.pileTop(2)));
        game.rules.dragOver(hand, game.pileTop(1));
        QVERIFY(game.frameOn(game.pileTop(1)));
        game.rules.drop(hand, -1, QPoint(600, 600)); // the bare table: the card stays in hand
        QVERIFY(!game.rules.table().frames.at(Rules::Indicateur).visible);
        game.checkRefused([&] {
            for (int target : {game.pileTop(2), Rules::FirstSabot, Rules::FirstCarte, -1})
                game.rules.drop(hand, target, {});
        });

        const int firstPlaced = game.pileTop(1);
        int placed = 0;
        while (game.holding() && placed < Cards::FullDeck) {
            if (placed == Rules::Hours) // an ace again: the ace placed first is face up
                game.checkRefused([&] { game.rules.drop(hand, firstPlaced, {}); });
            game.carry();
            ++placed;
        }
        QCOMPARE(game.at(firstPlaced).rect.topLeft(),
                 Rules::pilePosition(1) + QPoint(Rules::TurnedShift, 0));
        QVERIFY(game.host.results.isEmpty());

        if (kingsLeftInTheCentre) {
            game.checkKingLaid(0, king(3));
            QCOMPARE(game.host.current, QStringLiteral("Cliquez sur la carte au milieu du jeu "
                                                       "pour continuer la vorelle."));
            for (int k = 1; k < Rules::Kings; ++k) {
                QVERIFY(game.host.results.isEmpty()); // the game waits for the kings
                game.rules.click(game.centreTop());
            }
            QCOMPARE(game.host.results, QList<bool>{true});
            return;
        }
        game.checkKingLaid(Rules::Kings - 1, king(3));
        QCOMPARE(game.host.current,
                 QStringLiteral("Cliquez sur les cartes restantes à découvrir."));
        for (int hour = 1; hour <= Rules::Hours; ++hour) {
            QVERIFY(game.host.results.isEmpty()); // every one is wrong, the last decides
            game.rules.click(game.pileTop(hour));
        }
        QCOMPARE(game.host.results, QList<bool>{false});
    }
};

QTEST_GUILESS_MAIN(TestHorloge)
#include "tst_horloge.moc"
