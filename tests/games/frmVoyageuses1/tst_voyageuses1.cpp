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

// Chain k lists the places visited by the k-th stock card turned, the last being an ace place;
// every other card lies at home.
Deal fromChains(const QList<QList<int>> &chains)
{
    Deal order;
    for (int place = 0; place < Rules::Places; ++place)
        order[std::size_t(place)] = Rules::ownCard(place);
    for (int k = 0; k < chains.size(); ++k) {
        const QList<int> &chain = chains[k];
        order[std::size_t(Rules::stockSource(Rules::StockSize - 1 - k))] =
            Rules::ownCard(chain.first());
        for (int j = 0; j + 1 < chain.size(); ++j)
            order[std::size_t(chain[j])] = Rules::ownCard(chain[j + 1]);
    }
    return order;
}

// Rules dealing a chosen Deck32 order instead of a shuffled one.
struct Game : RulesBench, Rules {
    Game() : Rules(context(), host) {}
    using Rules::state;
    AppState &shared() { return RulesBench::state; }
    void deal(const Deal &order)
    {
        shared().decks.deck32 = order;
        dealFromDeck();
    }
    const Picture &at(int picture) const { return table().at(picture); }
    int inHand() const { return FirstSabot + state().IndexSabot; }
    void start()
    {
        shared().gameInProgress = true;
        play();
    }
    void carry(int hand) { drop(hand, home(at(hand).tag), {}); }
    // Plays to the end; returns the stock cards in the order they were turned.
    QStringList playOut()
    {
        QStringList turned;
        while (state().IndexSabot != NoStock) {
            const int hand = inHand();
            click(FirstSabot);
            turned.append(at(hand).tag);
            while (at(hand).visible)
                carry(hand);
        }
        for (int place = FirstCarte; place < FirstCarte + Places; ++place) {
            hover(place);
            click(place);
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
        QCOMPARE(game.host.current,
                 QStringLiteral("Cliquez sur le bouton JOUER pour commencer la partie."));
        for (int place = 0; place < Rules::Places; ++place) {
            const Picture &card = game.at(Rules::FirstCarte + place);
            const bool ace = Rules::isAcePlace(place);
            QCOMPARE(card.tag, ace ? QString() : deck[std::size_t(place)]);
            QCOMPARE(card.face, ace ? Picture::Face::None : Picture::Face::Back);
        }
        game.checkInert(game.table().pictures.size()); // before JOUER
        game.applyLook(true);
        QCOMPARE(game.at(Rules::FirstCouleur + 2).face, Picture::Face::Icon);
        QCOMPARE(game.at(Rules::FirstCouleur + 2).icon, QStringLiteral("TREFLE"));

        game.start();
        QCOMPARE(game.host.current, QStringLiteral("Cliquez sur la carte ci-dessous pour jouer"));
        QCOMPARE(game.playOut(), QStringList({deck[31], deck[23], deck[15], deck[7]}));
        QCOMPARE(game.host.prompts.at(2), QStringLiteral("Glissez la carte à l'endroit voulu."));
        bool everyCardHome = true;
        for (int place = 0; place < Rules::Places; ++place)
            everyCardHome &= game.at(Rules::FirstCarte + place).tag == Rules::ownCard(place);
        QCOMPARE(game.host.results, QList<bool>{everyCardHome});
        game.checkInert(game.table().pictures.size()); // after the end

        game.Distribution(); // a new deal forgets the last game, pointers included
        QCOMPARE(game.state(), Rules::State{});
        for (const Picture &picture : game.table().pictures)
            QVERIFY(!picture.hand && !picture.draggable);
    }

    void chainsVisitingEveryPlaceWinAtTheFourthAce()
    {
        Game game;
        QList<QList<int>> chains;
        for (int row = 0; row < Rules::Rows; ++row) {
            QList<int> chain;
            for (int column = 0; column < Rules::Columns - 1; ++column)
                chain.append(row * Rules::Columns + column);
            chains.append(chain << Rules::stockSource((row + 1) % Rules::Rows));
        }
        game.deal(fromChains(chains));
        game.start();
        game.click(Rules::FirstSabot);
        game.drop(game.inHand(), -1, QPoint(5000, 2000)); // carried on from the table
        game.carry(game.inHand());
        QCOMPARE(game.at(game.inHand()).rect.topLeft(), HandPosition);
        QCOMPARE(game.host.current, QStringLiteral("Glissez la carte à l'endroit désiré."));
        game.checkInert(Rules::Places); // places ignore clicks during the chains
        game.playOut();
        QCOMPARE(game.host.results, QList<bool>{true});
        QVERIFY(!game.host.prompts.contains(QStringLiteral("Cliquez sur les cartes restantes.")));
        QCOMPARE(game.host.current, QStringLiteral("BRAVO, vous avez gagné..."));
    }

    void acesHomeThenRevealDecidesTheGame_data()
    {
        QTest::addColumn<bool>("swapped");
        QTest::newRow("every card at home") << false;
        QTest::newRow("two cards exchanged") << true;
    }

    void acesHomeThenRevealDecidesTheGame()
    {
        QFETCH(bool, swapped);
        Game game;
        Deal order = fromChains({});
        if (swapped)
            std::swap(order[0], order[1]);
        game.deal(order);
        game.start();
        for (int k = Rules::StockSize - 1; k >= 0; --k) {
            const int stock = game.inHand();
            game.click(stock);
            game.carry(stock);
            QVERIFY(!game.at(stock).visible);
            QCOMPARE(game.host.current, k ? QStringLiteral("Cliquez sur la carte ci-dessous.")
                                          : QStringLiteral("Cliquez sur les cartes restantes."));
        }
        const int first = Rules::FirstCarte;
        game.hover(first);
        QVERIFY(game.at(first).hand);
        game.click(first);
        game.checkInert(first + 1); // a turned place stays as it is
        for (int place = first + 1; place < first + Rules::Places - 2; ++place)
            game.click(place);
        QVERIFY(game.host.results.isEmpty()); // the last face-down card is place 30
        game.click(first + Rules::Places - 2);
        QCOMPARE(game.host.results, QList<bool>{!swapped});
        QCOMPARE(game.host.current, swapped ? QStringLiteral("DESOLE, vous avez perdu...")
                                            : QStringLiteral("BRAVO, vous avez gagné..."));
    }

    void cardInHandGoesOnlyToItsOwnPlace()
    {
        Game game;
        game.deal(fromChains({}));
        game.start();
        game.click(Rules::FirstSabot);
        const int hand = game.inHand();
        const int own = home(game.at(hand).tag);
        const int wrong = Rules::FirstCarte;
        const auto frame = [&] { return game.table().frames.at(Rules::Indicateur); };
        game.dragOver(hand, own);
        QCOMPARE(frame().rect, game.at(own).rect.adjusted(-60, -60, 60, 60));
        game.dragOver(hand, -1); // the bare table leaves the frame up
        QVERIFY(frame().visible);
        game.dragOver(hand, wrong);
        QVERIFY(!frame().visible);

        const TableModel before = game.table();
        for (int target : {wrong, Rules::FirstSabot, Rules::FirstCouleur})
            game.drop(hand, target, {});
        QCOMPARE(game.table(), before);
        QCOMPARE(game.host.current, QStringLiteral("Glissez la carte à l'endroit voulu."));

        game.drop(hand, -1, QPoint(5000, 2000));
        game.click(Rules::FirstSabot); // brings the card back to the hand position
        QCOMPARE(game.at(hand).rect.topLeft(), HandPosition);

        game.shared().gameInProgress = false; // "Arrêter le jeu"
        const TableModel stopped = game.table();
        game.drop(hand, own, {});
        game.click(Rules::FirstSabot);
        QCOMPARE(game.table(), stopped);
        game.drop(hand, -1, QPoint(600, 700)); // the table still takes the card
        QCOMPARE(game.at(hand).rect.topLeft(), QPoint(600, 700));
    }
};

QTEST_GUILESS_MAIN(TestVoyageuses1)
#include "tst_voyageuses1.moc"
