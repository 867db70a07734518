#include "games/frmMontecarlo/montecarlogame.h"

#include <QTest>

using namespace MontecarloTest;

namespace {

const QString SecondPrompt = QStringLiteral("Selectionnez une deuxième carte.");
const QString NotNeighboursPrompt =
    QStringLiteral("Selectionnez 2 cartes adjacentes de même valeur ou de même famille.");
const QPoint Pile(Rules::StockLeft, Rules::PileTop);

// The no-pair grid with a few places changed.
QStringList gridWith(const QList<std::pair<int, QString>> &changes)
{
    QStringList grid = noPairGrid();
    for (const auto &[place, code] : changes)
        grid[place] = code;
    return grid;
}

// The pair of aces in places 0 and 1, the rest of the grid without a pair.
QStringList acesFirst()
{
    return gridWith({{0, card(1, 2)}, {1, card(1, 3)}});
}

// Places holding a card are exactly the first n, face up with a border; the others are hidden.
void checkGridInvariant(const Game &game)
{
    bool holding = true;
    for (int i = 0; i < Rules::GridSize; ++i) {
        const Picture &place = game.place(i);
        holding = holding && !place.tag.isEmpty();
        QCOMPARE(place.visible, holding);
        QCOMPARE(place.border, holding);
        QCOMPARE(place.face, holding ? Picture::Face::Front : Picture::Face::None);
    }
}

void checkTurnedUp(const Game &game, int upper, int lower)
{
    QCOMPARE(game.carte(upper).rect.topLeft(), QPoint(Rules::StockLeft, Rules::UpperStockTop));
    QCOMPARE(game.carte(lower).rect.topLeft(), QPoint(Rules::StockLeft, Rules::LowerStockTop));
    QCOMPARE(game.carte(upper).face, Picture::Face::Front);
    QCOMPARE(game.carte(lower).face, Picture::Face::Front);
    QVERIFY(game.carte(lower).z > game.carte(upper).z);
    QCOMPARE(game.rules.variables().prochaineCarte, upper);
}

bool faceDownInPile(const Picture &card)
{
    return card.visible && card.face == Picture::Face::Back && card.rect.topLeft() == Pile;
}

bool pileShows(const Game &game)
{
    for (int k = 0; k < Cards::FullDeck; ++k) {
        if (faceDownInPile(game.carte(k)))
            return true;
    }
    return false;
}

// The grid place the red frame surrounds, or NoPlace while it is hidden.
int framed(const Game &game)
{
    const Frame &frame = game.rules.table().frames[Rules::Indicateur];
    for (int i = 0; frame.visible && i < Rules::GridSize; ++i) {
        if (frame.rect.topLeft() + QPoint(FrameMargin, FrameMargin) == Rules::placePosition(i))
            return i;
    }
    return Rules::NoPlace;
}

} // namespace

class TestMontecarlo : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void dealWaitsForJouer()
    {
        const QStringList queue = winningQueue();
        Game game(queue);
        const auto deck = deckFor(queue);
        for (int k = 0; k < Cards::FullDeck; ++k) {
            QCOMPARE(game.carte(k).tag, deck[std::size_t(k)]);
            QVERIFY(faceDownInPile(game.carte(k)));
        }
        for (int i = 0; i < Rules::GridSize; ++i) {
            QCOMPARE(game.place(i).face, Picture::Face::Back);
            QCOMPARE(game.place(i).rect.topLeft(), Rules::placePosition(i));
        }
        QCOMPARE(game.bench.host.current,
                 QStringLiteral("Appuyez sur le bouton JOUER pour commencer la partie."));
        const TableModel dealt = game.rules.table();
        game.pair(0, 1);
        game.rules.hover(Rules::FirstPlace);
        QCOMPARE(game.rules.table(), dealt);

        game.start();
        QCOMPARE(game.bench.host.current,
                 QStringLiteral("Cliquez sur la carte ci-dessous pour commencer la vorelle."));
        QCOMPARE(game.grid(), queue.mid(0, Rules::GridSize));
        checkGridInvariant(game);
        QVERIFY(faceDownInPile(game.carte(0)));
        checkTurnedUp(game, 51, 50);
        QVERIFY(faceDownInPile(game.carte(49)));

        // The stock takes no clicks; the hand shows over the grid.
        const TableModel playing = game.rules.table();
        game.rules.click(Rules::FirstCarte + 51);
        QCOMPARE(game.rules.table(), playing);
        game.rules.hover(Rules::FirstPlace + 3);
        QVERIFY(game.place(3).hand);
    }

    void removesNeighbouringPairs_data()
    {
        QTest::addColumn<QStringList>("queue");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::newRow("same rank, side by side") << acesFirst() << 0 << 1;
        QTest::newRow("same suit, other rank, one above the other")
            << gridWith({{7, card(2, 3)}, {12, card(3, 3)}}) << 12 << 7;
        QTest::newRow("diagonal") << gridWith({{8, card(12, 2)}, {12, card(12, 3)}}) << 8 << 12;
    }

    void removesNeighbouringPairs()
    {
        QFETCH(QStringList, queue);
        QFETCH(int, first);
        QFETCH(int, second);
        queue = completed(queue);
        Game game(queue);
        game.start();
        game.pair(first, second);

        // The rest closes up in reading order; the upper stock card fills the first gap.
        QStringList expected = queue.mid(0, Rules::GridSize);
        expected.removeOne(queue.at(first));
        expected.removeOne(queue.at(second));
        QCOMPARE(game.grid(), expected + queue.mid(Rules::GridSize, 2));
        checkGridInvariant(game);
        QVERIFY(game.bench.host.prompts.contains(
            QStringLiteral("BRAVO, Les cartes choisies forment une paire. Cliquez sur une carte")));
        QCOMPARE(framed(game), Rules::NoPlace);
        QCOMPARE(game.rules.variables().selection1, Rules::NoPlace);
        QVERIFY(!game.carte(first).visible && !game.carte(second).visible);
        QCOMPARE(game.carte(51).rect.topLeft(), Rules::Parked);
        QCOMPARE(game.carte(50).rect.topLeft(), Rules::Parked);
        checkTurnedUp(game, 49, 48);
    }

    void refusesCardsThatAreNotNeighbours()
    {
        // Places 0 and 2 share a suit; places 4 and 5, a rank and the reading order.
        const QStringList queue = gridWith({{5, card(5, 1)}});
        Game game(queue);
        game.start();
        for (const auto &[first, second] : {std::pair{0, 2}, std::pair{4, 5}}) {
            game.pair(first, second);
            QCOMPARE(game.bench.host.current, NotNeighboursPrompt);
            QCOMPARE(game.rules.variables(), Rules::Variables{});
            QCOMPARE(framed(game), Rules::NoPlace);
            QCOMPARE(game.grid(), queue);
        }
    }

    void selectionKeepsTheFirstCard()
    {
        const QStringList queue = acesFirst();
        Game game(queue);
        game.start();
        game.pick(0);
        QCOMPARE(game.bench.host.current, SecondPrompt);
        QCOMPARE(framed(game), 0);
        const TableModel selected = game.rules.table();
        game.pick(0);
        QCOMPARE(game.rules.table(), selected);

        // Place 6 is a neighbour sharing neither rank nor suit: the frame moves to it and the
        // next click is compared with place 0 again.
        game.pick(6);
        QCOMPARE(framed(game), 6);
        QCOMPARE(game.rules.variables(), (Rules::Variables{0, 6, 51}));
        QCOMPARE(game.grid(), queue);
        game.pick(1);
        QCOMPARE(game.grid().first(), queue.at(2));
    }

    void neighboursAreTakenInTheClosedUpGrid()
    {
        // Places 5 and 9 share a suit a row apart; two places on, they are diagonal neighbours.
        const QStringList queue = acesFirst();
        Game game(queue);
        game.start();
        game.pair(5, 9);
        QCOMPARE(game.bench.host.current, NotNeighboursPrompt);
        game.pair(0, 1);
        QCOMPARE(game.place(3).tag, queue.at(5));
        game.pair(3, 7);
        QVERIFY(!game.grid().contains(queue.at(5)) && !game.grid().contains(queue.at(9)));
        QVERIFY(game.bench.host.results.isEmpty());
    }

    void lostAsSoonAsTheGridHasNoPair()
    {
        // After the pair of aces the grid has no pair; 25 cards remain in the stock.
        Game game(QStringList{card(1, 2), card(1, 3)} + noPairGrid());
        game.start();
        game.pair(0, 1);
        QCOMPARE(game.grid(), noPairGrid());
        QCOMPARE(game.bench.host.results, QList<bool>{false});
        QCOMPARE(game.bench.host.current, QStringLiteral("DESOLE, vous avez perdu..."));

        const TableModel ended = game.rules.table();
        game.pair(3, 4);
        game.rules.hover(Rules::FirstPlace + 2);
        QCOMPARE(game.rules.table(), ended);
    }

    void lastStockCard()
    {
        // Pairs only at the end of the grid, so that the dealt cards stay in the grid and their
        // images in the pile while the stock runs out.
        const QStringList pairs = winningQueue();
        const QStringList queue = pairs.mid(51) + pairs.mid(0, 51);
        Game game(queue);
        game.start();
        for (int pair = 1; pair <= 13; ++pair) {
            game.pair(23, 24);
            QCOMPARE(pileShows(game), pair < 13);
        }
        // It shows alone, in the lower place, and fills the first gap only.
        QCOMPARE(game.carte(25).rect.topLeft(), QPoint(Rules::StockLeft, Rules::LowerStockTop));
        QCOMPARE(game.carte(25).face, Picture::Face::Front);
        game.pair(23, 24);
        checkGridInvariant(game);
        QCOMPARE(game.grid(), queue.mid(0, 23) + queue.mid(51));
        QCOMPARE(game.carte(25).rect.topLeft(), Rules::Parked);
        QVERIFY(game.bench.host.results.isEmpty());
    }

    void wholeGameThenDealAgain()
    {
        Game game(winningQueue());
        game.start();
        for (int pair = 1; pair <= Cards::FullDeck / 2; ++pair) {
            game.pair(0, 1);
            checkGridInvariant(game);
            QCOMPARE(game.grid().size(), std::min(Rules::GridSize, Cards::FullDeck - 2 * pair));
        }
        QCOMPARE(game.bench.host.results, QList<bool>{true});
        QCOMPARE(game.bench.host.current, QStringLiteral("BRAVO, vous avez gagné..."));
        const TableModel ended = game.rules.table();
        game.pick(0);
        QCOMPARE(game.rules.table(), ended);

        game.rules.Distribution();
        QCOMPARE(game.rules.variables(), Rules::Variables{});
        for (int k = 0; k < Cards::FullDeck; ++k)
            QVERIFY(faceDownInPile(game.carte(k)));
        for (int i = 0; i < Rules::GridSize; ++i)
            QVERIFY(game.place(i).visible && game.place(i).border);
    }
};

QTEST_GUILESS_MAIN(TestMontecarlo)
#include "tst_montecarlo.moc"
