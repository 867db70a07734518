#include "games/fakehost.h"
#include "games/frmMontecarlo/montecarlorules.h"
#include "games/gamecatalog.h"

#include <QTest>

namespace {

using Rules = MontecarloRules;
const QPoint Pile(Rules::StockLeft, Rules::PileTop);

// A grid without any neighbouring pair, but for the changed places: the rank of place p is
// p mod 13 + 1, which differs between neighbours (1, 4, 5 or 6 places apart), and the suits
// follow the parity of row and column.
QStringList noPairGrid(const QList<std::pair<int, QString>> &changes = {})
{
    QStringList grid;
    for (int p = 0; p < Rules::GridSize; ++p)
        grid.append(
            CardName(p % 13 + 1, p / Rules::GridColumns % 2 * 2 + p % Rules::GridColumns % 2));
    for (const auto &[place, code] : changes)
        grid[place] = code;
    return grid;
}

// The four cards of each rank in turn: removing the first two places each time wins.
QStringList winningQueue()
{
    QStringList queue;
    for (int i = 0; i < Cards::FullDeck; ++i)
        queue.append(CardName(i / 4 + 1, i % 4));
    return queue;
}

// A table whose cards reach the grid in the order listed, then the others in deck order: the
// first 25 fill the places in reading order, the next come from the top of the stock, which is
// the end of the deck.
struct Game {
    explicit Game(QStringList listed)
    {
        for (const QString &code : bench.state.decks.deck52) {
            if (!listed.contains(code))
                listed.append(code);
        }
        queue = listed;
        for (int i = 0; i < Cards::FullDeck; ++i) {
            const int k = i < Rules::GridSize ? i : Cards::FullDeck - 1 - (i - Rules::GridSize);
            bench.state.decks.deck52[std::size_t(k)] = queue.at(i);
        }
        bench.settings.write(QStringLiteral("parametres"), QStringLiteral("melange"),
                             QStringLiteral("0"));
        rules.Distribution();
    }
    void start()
    {
        bench.state.gameInProgress = true;
        rules.play();
    }
    // A click on a grid place; the window clears the game in progress when the game ends.
    void pick(int place)
    {
        const qsizetype ended = bench.host.results.size();
        rules.click(Rules::FirstPlace + place);
        if (bench.host.results.size() > ended)
            bench.state.gameInProgress = false;
    }
    void pair(int first, int second)
    {
        pick(first);
        pick(second);
    }
    const Picture &place(int i) const { return rules.table().at(Rules::FirstPlace + i); }
    const Picture &carte(int k) const { return rules.table().at(Rules::FirstCarte + k); }
    const QString &prompt() const { return bench.host.current; }
    // The names in the grid places that show, in reading order; the places holding a card must
    // be the first ones, face up with a border, and the others hidden.
    QStringList grid() const
    {
        QStringList names;
        for (int i = 0; i < Rules::GridSize; ++i) {
            const bool holding = !place(i).card.isEmpty() && names.size() == i;
            if (place(i).visible != holding || place(i).border != holding ||
                place(i).face != (holding ? Picture::Face::Front : Picture::Face::None))
                return {QStringLiteral("place %1 out of order").arg(i)};
            if (holding)
                names.append(place(i).card);
        }
        return names;
    }
    bool faceDownInPile(int k) const
    {
        return carte(k).visible && carte(k).face == Picture::Face::Back &&
               carte(k).rect.topLeft() == Pile;
    }
    void checkTurnedUp(int upper, int lower) const
    {
        QCOMPARE(carte(upper).rect.topLeft(), QPoint(Rules::StockLeft, Rules::UpperStockTop));
        QCOMPARE(carte(lower).rect.topLeft(), QPoint(Rules::StockLeft, Rules::LowerStockTop));
        QVERIFY(carte(upper).face == Picture::Face::Front &&
                carte(lower).face == carte(upper).face);
        QVERIFY(carte(lower).z > carte(upper).z);
        QCOMPARE(rules.variables().prochaineCarte, upper);
    }
    // The grid place the red frame surrounds, or NoPlace while it is hidden.
    int framed() const
    {
        const Frame &frame = rules.table().frames[Rules::Indicateur];
        for (int i = 0; frame.visible && i < Rules::GridSize; ++i) {
            if (frame.rect.topLeft() + QPoint(FrameMargin, FrameMargin) == Rules::placePosition(i))
                return i;
        }
        return Rules::NoPlace;
    }

    RulesBench bench;
    Rules rules{*GameCatalog::byMenuName(QStringLiteral("Monte-Carlo")), bench.stacked(),
                bench.host};
    QStringList queue;
};

QStringList remaining(int count)
{
    return {QStringLiteral("Nbre de cartes restantes: %1").arg(count)};
}

} // namespace

class TestMontecarlo : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void wholeGameFromDealToDealAgain()
    {
        Game game(winningQueue());
        const auto checkDealt = [&game] {
            QCOMPARE(game.rules.variables(), Rules::Variables{});
            for (int k = 0; k < Cards::FullDeck; ++k) {
                QCOMPARE(game.carte(k).card, game.bench.state.decks.deck52[std::size_t(k)]);
                QVERIFY(game.faceDownInPile(k));
            }
            for (int i = 0; i < Rules::GridSize; ++i) {
                QVERIFY(game.place(i).visible && game.place(i).border);
                QCOMPARE(game.place(i).face, Picture::Face::Back);
                QCOMPARE(game.place(i).rect.topLeft(), Rules::placePosition(i));
            }
        };
        checkDealt();
        const TableModel dealt = game.rules.table();
        game.pair(0, 1);
        game.rules.hover(Rules::FirstPlace);
        QCOMPARE(game.rules.table(), dealt);

        game.start();
        QCOMPARE(game.grid(), game.queue.mid(0, Rules::GridSize));
        QVERIFY(game.faceDownInPile(0) && game.faceDownInPile(49));
        game.checkTurnedUp(51, 50);
        // The stock takes no clicks; the hand shows over the grid.
        const TableModel playing = game.rules.table();
        game.rules.click(Rules::FirstCarte + 51);
        QCOMPARE(game.rules.table(), playing);
        game.rules.hover(Rules::FirstPlace + 3);
        QVERIFY(game.place(3).hand);

        for (int pair = 1; pair <= Cards::FullDeck / 2; ++pair) {
            game.pair(0, 1);
            QCOMPARE(game.grid(), game.queue.mid(2 * pair, Rules::GridSize));
        }
        QCOMPARE(game.bench.host.results, QList<bool>{true});
        QCOMPARE(game.prompt(), QStringLiteral("BRAVO, vous avez gagné..."));
        QCOMPARE(game.rules.statistic(), remaining(0));
        game.rules.Distribution();
        checkDealt();
    }

    void removesNeighbouringPairs_data()
    {
        QTest::addColumn<QStringList>("grid");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::newRow("same rank, side by side")
            << noPairGrid({{0, CardName(1, 2)}, {1, CardName(1, 3)}}) << 0 << 1;
        QTest::newRow("same suit, other rank, one above the other")
            << noPairGrid({{7, CardName(2, 3)}, {12, CardName(3, 3)}}) << 12 << 7;
        QTest::newRow("diagonal") << noPairGrid({{8, CardName(12, 2)}, {12, CardName(12, 3)}}) << 8
                                  << 12;
    }

    void removesNeighbouringPairs()
    {
        QFETCH(QStringList, grid);
        QFETCH(int, first);
        QFETCH(int, second);
        Game game(grid);
        game.start();
        game.pair(first, second);
        // The rest closes up in reading order; the upper stock card fills the first gap.
        grid.removeOne(game.queue.at(first));
        grid.removeOne(game.queue.at(second));
        QCOMPARE(game.grid(), grid + game.queue.mid(Rules::GridSize, 2));
        QCOMPARE(
            game.prompt(),
            QStringLiteral("BRAVO, Les cartes choisies forment une paire. Cliquez sur une carte"));
        QCOMPARE(game.framed(), Rules::NoPlace);
        QCOMPARE(game.rules.variables().selection1, Rules::NoPlace);
        QVERIFY(!game.carte(first).visible && !game.carte(second).visible);
        QCOMPARE(game.carte(51).rect.topLeft(), Rules::Parked);
        QCOMPARE(game.carte(50).rect.topLeft(), Rules::Parked);
        game.checkTurnedUp(49, 48);
    }

    void refusesCardsThatAreNotNeighbours()
    {
        // Places 0 and 2 share a suit; places 4 and 5, a rank and the reading order.
        const QStringList grid = noPairGrid({{5, CardName(5, 1)}});
        Game game(grid);
        game.start();
        for (const auto &[first, second] : {std::pair{0, 2}, std::pair{4, 5}}) {
            game.pair(first, second);
            QCOMPARE(game.prompt(), QStringLiteral("Selectionnez 2 cartes adjacentes de même "
                                                   "valeur ou de même famille."));
            QCOMPARE(game.rules.variables(), Rules::Variables{});
            QCOMPARE(game.framed(), Rules::NoPlace);
            QCOMPARE(game.grid(), grid);
        }
    }

    void selectionThenNeighboursInTheClosedUpGrid()
    {
        Game game(noPairGrid({{0, CardName(1, 2)}, {1, CardName(1, 3)}}));
        game.start();
        game.pick(0);
        QCOMPARE(game.framed(), 0);
        const TableModel selected = game.rules.table();
        game.pick(0);
        QCOMPARE(game.rules.table(), selected);
        // Place 6 is a neighbour sharing neither rank nor suit: the frame moves to it and the
        // next click is compared with place 0 again.
        game.pick(6);
        QCOMPARE(game.framed(), 6);
        QCOMPARE(game.rules.variables(), (Rules::Variables{0, 6, 51}));
        game.pick(1);
        QCOMPARE(game.grid().mid(0, 4), game.queue.mid(2, 4));
        // Places 5 and 9 share a suit a row apart; two places on, they are diagonal neighbours.
        game.pair(3, 7);
        QVERIFY(!game.grid().contains(game.queue.at(5)) && !game.grid().contains(game.queue.at(9)));
    }

    void lostAsSoonAsTheGridHasNoPair()
    {
        // After the pair of aces the grid has no pair, though 25 cards remain in the stock.
        Game game(QStringList{CardName(1, 2), CardName(1, 3)} + noPairGrid());
        game.start();
        game.pair(0, 1);
        QCOMPARE(game.grid(), noPairGrid());
        QCOMPARE(game.bench.host.results, QList<bool>{false});
        QCOMPARE(game.prompt(), QStringLiteral("DESOLE, vous avez perdu..."));
        QCOMPARE(game.rules.statistic(), remaining(25));
        const TableModel ended = game.rules.table();
        game.pair(3, 4);
        game.rules.hover(Rules::FirstPlace + 2);
        QCOMPARE(game.rules.table(), ended);
    }

    void firstGridWithoutAPairIsLostAtJouer()
    {
        Game game(noPairGrid());
        game.start();
        QCOMPARE(game.bench.host.results, QList<bool>{false});
        QCOMPARE(game.prompt(), QStringLiteral("DESOLE, vous avez perdu..."));
        QCOMPARE(game.rules.statistic(), remaining(25));
    }

    void lastStockCard()
    {
        // Pairs only at the end of the grid, so that the dealt cards stay in the grid and their
        // images in the pile while the stock runs out.
        const QStringList pairs = winningQueue();
        Game game(pairs.mid(51) + pairs.mid(0, 51));
        game.start();
        for (int pair = 1; pair <= 13; ++pair) {
            game.pair(23, 24);
            QCOMPARE(game.faceDownInPile(0), pair < 13); // the pile goes with the last card
        }
        // It shows alone, in the lower place, and fills the first gap only.
        QCOMPARE(game.carte(25).rect.topLeft(), QPoint(Rules::StockLeft, Rules::LowerStockTop));
        QCOMPARE(game.carte(25).face, Picture::Face::Front);
        game.pair(23, 24);
        QCOMPARE(game.grid(), game.queue.mid(0, 23) + game.queue.mid(51));
        QCOMPARE(game.carte(25).rect.topLeft(), Rules::Parked);
        QVERIFY(game.bench.host.results.isEmpty());
        QCOMPARE(game.rules.statistic(), remaining(24));
    }
};

QTEST_GUILESS_MAIN(TestMontecarlo)
#include "tst_montecarlo.moc"
