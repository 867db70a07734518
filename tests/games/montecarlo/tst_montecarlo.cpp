// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/gamecase.h"
#include "games/montecarlo/montecarlorules.h"

namespace {

using Rules = MontecarloRules;

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

// The cards reach the grid in the order listed, then the others in deck order: the first 25
// fill the places in reading order, the next come from the top of the stock, the deck's end.
struct Game : GameCase<Rules> {
    explicit Game(QStringList listed) : GameCase(QStringLiteral("Monte-Carlo"))
    {
        for (const QString &code : state.decks.deck52) {
            if (!listed.contains(code))
                listed.append(code);
        }
        queue = listed;
        for (int i = 0; i < Cards::FullDeck; ++i) {
            const int k = i < Rules::GridSize ? i : Cards::FullDeck - 1 - (i - Rules::GridSize);
            state.decks.deck52[std::size_t(k)] = queue.at(i);
        }
        rules.Distribution();
    }
    void pair(int first, int second)
    {
        rules.click(Rules::FirstPlace + first);
        rules.click(Rules::FirstPlace + second);
    }
    const Picture &place(int i) const { return at(Rules::FirstPlace + i); }
    const Picture &carte(int k) const { return at(Rules::FirstCarte + k); }
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
    // The grid place the red frame surrounds, or NoPlace while it is hidden.
    int framedPlace() const
    {
        const Frame &frame = rules.table().frames[Rules::Indicateur];
        for (int i = 0; frame.visible && i < Rules::GridSize; ++i) {
            if (frame.rect.topLeft() + QPoint(FrameMargin, FrameMargin) == Rules::placePosition(i))
                return i;
        }
        return Rules::NoPlace;
    }

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
    void wholeGameWonThenDealtAgain()
    {
        Game game(winningQueue());
        game.start();
        for (int pair = 1; pair <= Cards::FullDeck / 2; ++pair) {
            game.pair(0, 1);
            QCOMPARE(game.grid(), game.queue.mid(2 * pair, Rules::GridSize));
        }
        game.checkEnded(true, remaining(0));
        game.rules.Distribution();
        QCOMPARE(game.rules.variables(), Rules::Variables{});
        for (int k = 0; k < Cards::FullDeck; ++k) {
            QCOMPARE(game.carte(k).card, game.state.decks.deck52[std::size_t(k)]);
            QVERIFY(game.carte(k).visible && game.carte(k).face == Picture::Face::Back &&
                    game.carte(k).rect.topLeft() == QPoint(Rules::StockLeft, Rules::PileTop));
        }
        for (int i = 0; i < Rules::GridSize; ++i)
            QVERIFY(game.place(i).visible && game.place(i).border &&
                    game.place(i).face == Picture::Face::Back);
    }

    // Places 0 and 2 share a suit but are not neighbours; the diagonal pair leaves, the rest
    // closes up in reading order and the upper stock card fills the first gap.
    void refusedPairThenADiagonalPair()
    {
        QStringList grid = noPairGrid({{8, CardName(12, 2)}, {12, CardName(12, 3)}});
        Game game(grid);
        game.start();
        game.pair(0, 2);
        QCOMPARE(game.prompt(), QStringLiteral("Selectionnez 2 cartes adjacentes de même "
                                               "valeur ou de même famille."));
        QCOMPARE(game.rules.variables(), Rules::Variables{});
        QCOMPARE(game.grid(), grid);

        game.pair(8, 12);
        grid.removeAt(12);
        grid.removeAt(8);
        QCOMPARE(game.grid(), grid + game.queue.mid(Rules::GridSize, 2));
        QCOMPARE(
            game.prompt(),
            QStringLiteral("BRAVO, Les cartes choisies forment une paire. Cliquez sur une carte"));
        QCOMPARE(game.framedPlace(), Rules::NoPlace);
        QVERIFY(!game.carte(8).visible && !game.carte(12).visible);
        QCOMPARE(game.carte(51).rect.topLeft(), Rules::Parked);
        QCOMPARE(game.carte(50).rect.topLeft(), Rules::Parked);
        // The next two stock cards turn up, the lower one over the upper.
        QCOMPARE(game.carte(49).rect.topLeft(), QPoint(Rules::StockLeft, Rules::UpperStockTop));
        QCOMPARE(game.carte(48).rect.topLeft(), QPoint(Rules::StockLeft, Rules::LowerStockTop));
        QVERIFY(game.carte(49).face == Picture::Face::Front &&
                game.carte(48).face == Picture::Face::Front && game.carte(48).z > game.carte(49).z);
        QCOMPARE(game.rules.variables().prochaineCarte, 49);
    }

    void selectionMovesToANeighbourThatDoesNotMatch()
    {
        Game game(noPairGrid({{0, CardName(1, 2)}, {1, CardName(1, 3)}}));
        game.start();
        game.rules.click(Rules::FirstPlace);
        QCOMPARE(game.framedPlace(), 0);
        QVERIFY(game.unchanged([&] { game.rules.click(Rules::FirstPlace); }));
        // Place 6 shares neither rank nor suit: the frame moves to it, yet the next click is
        // compared with place 0 again.
        game.rules.click(Rules::FirstPlace + 6);
        QCOMPARE(game.framedPlace(), 6);
        QCOMPARE(game.rules.variables(), (Rules::Variables{0, 6, 51}));
        game.rules.click(Rules::FirstPlace + 1);
        QCOMPARE(game.grid().mid(0, 4), game.queue.mid(2, 4));
    }

    void lostAtJouerWhenTheFirstGridHasNoPair()
    {
        Game game(noPairGrid());
        game.start();
        game.checkEnded(false, remaining(25));
    }
};

QTEST_GUILESS_MAIN(TestMontecarlo)
#include "tst_montecarlo.moc"
