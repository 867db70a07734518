// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/gamecase.h"
#include "games/voyageuses1/voyageuses1rules.h"

#include <QTest>

namespace {

using Rules = Voyageuses1Rules;
using Deal = std::array<QString, Rules::Places>;
constexpr QPoint HandPosition{10020, 1680};

// Every card at home, but for the first stock card turned, which visits the places of the chain
// and ends on an ace place; the other stock cards are then aces.
Deal withChain(const QList<int> &chain = {})
{
    Deal order;
    for (int place = 0; place < Rules::Places; ++place)
        order[std::size_t(place)] = Rules::ownCard(place);
    for (int j = 0; j < chain.size(); ++j)
        order[std::size_t(j ? chain[j - 1] : Rules::stockSource(Rules::StockSize - 1))] =
            Rules::ownCard(chain[j]);
    return order;
}

struct Game : GameCase<Rules> {
    explicit Game(const Deal &order) : GameCase(QStringLiteral("Les voyageuses (1)"))
    {
        state.decks.deck32 = order;
        rules.Distribution();
        start();
    }
    int inHand() const { return Rules::FirstSabot + rules.variables().IndexSabot; }
    void carry(int hand)
    {
        int place = 0;
        while (Rules::ownCard(place) != at(hand).card)
            ++place;
        rules.drop(hand, Rules::FirstCarte + place, {});
    }
    // Turns every stock card and carries it along its chain; returns them in the order turned.
    QStringList playStock()
    {
        QStringList turned;
        while (rules.variables().IndexSabot != Rules::NoStock) {
            const int hand = inHand();
            rules.click(Rules::FirstSabot);
            turned.append(at(hand).card);
            while (at(hand).visible)
                carry(hand);
        }
        return turned;
    }
    // No click, hover or drop on the first count pictures changes anything.
    void checkInert(int count)
    {
        checkRefused([&] {
            for (int picture = 0; picture < count; ++picture) {
                rules.click(picture);
                rules.hover(picture);
                rules.drop(Rules::FirstSabot, picture, {});
            }
        });
    }
};

} // namespace

class TestVoyageuses1 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void stockComesFromTheAcePlacesThenANewDealForgetsTheGame()
    {
        Deal order = withChain();
        std::swap(order[0], order[31]); // an ace place holds a card of its own row
        Game game(order);
        for (int place = 0; place < Rules::Places; ++place)
            QCOMPARE(game.at(place).face,
                     Rules::isAcePlace(place) ? Picture::Face::None : Picture::Face::Back);
        QCOMPARE(game.playStock(), QStringList({order[31], order[23], order[15], order[7]}));
        game.rules.Distribution();
        QCOMPARE(game.rules.variables(), Rules::Variables{});
        for (const Picture &picture : game.rules.table().pictures)
            QVERIFY(!picture.hand && !picture.draggable);
    }

    // After the fourth ace the face-down cards are turned; the verdict comes with the last.
    void theRevealDecides_data()
    {
        QTest::addColumn<bool>("exchanged");
        QTest::newRow("every card at home") << false;
        QTest::newRow("two cards exchanged") << true;
    }

    void theRevealDecides()
    {
        QFETCH(bool, exchanged);
        Deal order = withChain();
        if (exchanged)
            std::swap(order[0], order[1]);
        Game game(order);
        game.playStock();
        QCOMPARE(game.host.current, QStringLiteral("Cliquez sur les cartes restantes."));
        game.rules.click(0);
        game.checkInert(1); // a turned place stays as it is
        for (int place = 1; place < Rules::Places - 2; ++place)
            game.rules.click(place);
        QVERIFY(game.host.results.isEmpty()); // the last face-down card is place 30
        game.rules.click(Rules::Places - 2);
        QCOMPARE(game.host.results, QList<bool>{!exchanged});
    }

    void cardInHandGoesOnlyToItsOwnPlace()
    {
        // The first stock card belongs on place 0, where lies the card of place 1.
        Game game(withChain({0, 1, Rules::Places - 1}));
        game.rules.click(Rules::FirstSabot);
        const int hand = game.inHand();
        game.checkInert(Rules::Places); // places ignore clicks during the chains
        game.rules.dragOver(hand, 0);
        QVERIFY(game.frameOn(0));
        game.rules.dragOver(hand, -1); // the bare table leaves the frame up
        QVERIFY(game.frameOn(0));
        game.rules.dragOver(hand, 1);
        QVERIFY(!game.rules.table().frames.at(Rules::Indicateur).visible);
        game.checkRefused([&] {
            for (int target : {1, Rules::FirstSabot, Rules::FirstCouleur})
                game.rules.drop(hand, target, {});
        });

        // Let go on the bare table, the card is carried on from there or called back.
        game.rules.drop(hand, -1, QPoint(5000, 2000));
        game.carry(hand);
        QCOMPARE(game.at(hand).rect.topLeft(), HandPosition);
        game.rules.drop(hand, -1, QPoint(5000, 2000));
        game.rules.click(Rules::FirstSabot);
        QCOMPARE(game.at(hand).rect.topLeft(), HandPosition);

        game.state.gameInProgress = false; // "Arrêter le jeu"
        const TableModel stopped = game.rules.table();
        game.carry(hand);
        game.rules.click(Rules::FirstSabot);
        QCOMPARE(game.rules.table(), stopped);
        game.rules.drop(hand, -1, QPoint(600, 700)); // the table still takes the card
        QCOMPARE(game.at(hand).rect.topLeft(), QPoint(600, 700));
    }
};

QTEST_GUILESS_MAIN(TestVoyageuses1)
#include "tst_voyageuses1.moc"
