#include "games/fakehost.h"
#include "games/frmVoyageuses1/voyageuses1rules.h"

#include <QTest>

namespace {

using Rules = Voyageuses1Rules;
using Deal = std::array<QString, Rules::Places>;
constexpr QPoint HandPosition{10020, 1680};

int home(const QString &card)
{
    int place = 0;
    while (Rules::ownCard(place) != card)
        ++place;
    return Rules::FirstCarte + place;
}

// The first stock card turned visits the places of the chain, the last being an ace place; every
// other card lies at home, so that the other stock cards are aces.
Deal withChain(const QList<int> &chain)
{
    Deal order;
    for (int place = 0; place < Rules::Places; ++place)
        order[std::size_t(place)] = Rules::ownCard(place);
    for (int j = 0; j < chain.size(); ++j)
        order[std::size_t(j ? chain[j - 1] : Rules::stockSource(Rules::StockSize - 1))] =
            Rules::ownCard(chain[j]);
    return order;
}

// Rules dealing a chosen Deck32 order instead of a shuffled one.
struct Game : RulesBench, Rules {
    Game() : Rules(context(), host) {}
    explicit Game(const Deal &order) : Game()
    {
        shared().decks.deck32 = order;
        dealFromDeck();
    }
    using Rules::state;
    AppState &shared() { return RulesBench::state; }
    const Picture &at(int picture) const { return table().at(picture); }
    int inHand() const { return FirstSabot + state().IndexSabot; }
    void start()
    {
        shared().gameInProgress = true;
        play();
    }
    void carry(int hand) { drop(hand, home(at(hand).card), {}); }
    // Turns every stock card and carries it along its chain; returns them in the order turned.
    QStringList playStock()
    {
        QStringList turned;
        while (state().IndexSabot != NoStock) {
            const int hand = inHand();
            click(FirstSabot);
            turned.append(at(hand).card);
            while (at(hand).visible)
                carry(hand);
        }
        return turned;
    }
    // No click, hover or drop on the first count pictures changes anything.
    void checkInert(qsizetype count)
    {
        const TableModel before = table();
        const State was = state();
        for (int picture = 0; picture < count; ++picture) {
            click(picture);
            hover(picture);
            drop(FirstSabot, picture, {});
        }
        QCOMPARE(table(), before);
        QCOMPARE(state(), was);
    }
};

} // namespace

class TestVoyageuses1 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void shuffledDealFeedsTheStockFromTheAcePlaces()
    {
        Game game;
        game.Distribution();
        const Deal deck = game.shared().decks.deck32;
        for (int place = 0; place < Rules::Places; ++place)
            QCOMPARE(game.at(place).face,
                     Rules::isAcePlace(place) ? Picture::Face::None : Picture::Face::Back);
        game.start();
        QCOMPARE(game.playStock(), QStringList({deck[31], deck[23], deck[15], deck[7]}));
        for (int place = 0; place < Rules::Places; ++place)
            game.click(place);
        QCOMPARE(game.host.results.size(), 1);

        game.Distribution(); // a new deal forgets the last game, pointers included
        QCOMPARE(game.state(), Rules::State{});
        for (const Picture &picture : game.table().pictures)
            QVERIFY(!picture.hand && !picture.draggable);
    }

    void stockThenRevealDecideTheGame_data()
    {
        QTest::addColumn<QList<int>>("chain");
        QTest::addColumn<bool>("swapped");
        QList<int> everyPlace;
        for (int place = 0; place < Rules::Places; ++place)
            if (!Rules::isAcePlace(place))
                everyPlace.append(place);
        QTest::newRow("won at the fourth ace") << (everyPlace << Rules::Places - 1) << false;
        QTest::newRow("every card at home") << QList<int>{} << false;
        QTest::newRow("two cards exchanged") << QList<int>{} << true;
    }

    void stockThenRevealDecideTheGame()
    {
        QFETCH(QList<int>, chain);
        QFETCH(bool, swapped);
        Deal order = withChain(chain);
        if (swapped)
            std::swap(order[0], order[1]);
        Game game(order);
        game.start();
        game.playStock();
        if (!chain.isEmpty()) { // every place was visited: nothing is left to reveal
            QCOMPARE(game.host.results, QList<bool>{true});
            return;
        }
        QCOMPARE(game.host.current, QStringLiteral("Cliquez sur les cartes restantes."));
        game.click(0);
        game.checkInert(1); // a turned place stays as it is
        for (int place = 1; place < Rules::Places - 2; ++place)
            game.click(place);
        QVERIFY(game.host.results.isEmpty()); // the last face-down card is place 30
        game.click(Rules::Places - 2);
        QCOMPARE(game.host.results, QList<bool>{!swapped});
    }

    void cardInHandGoesOnlyToItsOwnPlace()
    {
        // The first stock card belongs on place 0, where lies the card of place 1.
        Game game(withChain({0, 1, Rules::Places - 1}));
        game.start();
        game.click(Rules::FirstSabot);
        const int hand = game.inHand();
        game.checkInert(Rules::Places); // places ignore clicks during the chains
        const auto frame = [&] { return game.table().frames.at(Rules::Indicateur); };
        game.dragOver(hand, 0);
        QCOMPARE(frame().rect, game.at(0).rect.adjusted(-60, -60, 60, 60));
        game.dragOver(hand, -1); // the bare table leaves the frame up
        QVERIFY(frame().visible);
        game.dragOver(hand, 1);
        QVERIFY(!frame().visible);
        const TableModel before = game.table();
        for (int target : {1, Rules::FirstSabot, Rules::FirstCouleur})
            game.drop(hand, target, {});
        QCOMPARE(game.table(), before);

        // Let go on the bare table, the card is carried on from there or called back.
        game.drop(hand, -1, QPoint(5000, 2000));
        game.carry(hand);
        QCOMPARE(game.at(hand).rect.topLeft(), HandPosition);
        game.drop(hand, -1, QPoint(5000, 2000));
        game.click(Rules::FirstSabot);
        QCOMPARE(game.at(hand).rect.topLeft(), HandPosition);

        game.shared().gameInProgress = false; // "Arrêter le jeu"
        const TableModel stopped = game.table();
        game.carry(hand);
        game.click(Rules::FirstSabot);
        QCOMPARE(game.table(), stopped);
        game.drop(hand, -1, QPoint(600, 700)); // the table still takes the card
        QCOMPARE(game.at(hand).rect.topLeft(), QPoint(600, 700));
    }
};

QTEST_GUILESS_MAIN(TestVoyageuses1)
#include "tst_voyageuses1.moc"
