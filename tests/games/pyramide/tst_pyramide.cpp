// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/gamecase.h"
#include "games/pyramide/pyramiderules.h"

namespace {

using Rules = PyramideRules;
using Groups = QList<QList<int>>;
constexpr int StockSlot = 100; // StockSlot + j: the j-th stock card from the top

// Row 7 first, so that stock cards can go into its holes, then rows 6 to 2.
const Groups BaseRow{{28, 29}, {30, 31}, {32, 33}, {34, 35}};
const Groups Body{{27},     {21, 22}, {23, 24}, {25, 26}, {15, 16}, {17, 18}, {19, 20},
                  {10, 11}, {12, 13}, {14, 6},  {7, 8},   {9, 3},   {4, 5}};

// The stock's first cards in groups: the listed ones alone, the others in twos.
Groups stockGroups(const QList<int> &alone, int count = 16)
{
    Groups groups;
    for (int j = 0; j < count; ++j) {
        QList<int> group{StockSlot + j};
        if (!alone.contains(j))
            group.append(StockSlot + ++j);
        groups.append(group);
    }
    return groups;
}

// A game after JOUER, dealt so that each group of one place or stock card holds a roi and each
// group of two a pair worth 13.
struct Game : GameCase<Rules> {
    explicit Game(const Groups &groups) : GameCase(QStringLiteral("Pyramide"))
    {
        QStringList order(Cards::FullDeck);
        int kings = 0;
        int pairs = 0;
        const auto slot = [](int at) {
            return at < StockSlot ? at : Rules::Places + at - StockSlot;
        };
        for (const QList<int> &group : groups) {
            if (group.size() == 1) {
                order[slot(group[0])] = CardName(13, kings++);
                continue;
            }
            const int value = pairs % 6 + 1;
            order[slot(group[0])] = CardName(value, pairs / 6);
            order[slot(group[1])] = CardName(13 - value, pairs++ / 6);
        }
        stack(order);
        rules.Distribution();
        start();
    }
    void pick(int at) { rules.click(Rules::FirstPlace + at); }
    void arm(int at) { rules.rightPress(Rules::FirstPlace + at); }
    void move(int at, int to) { rules.drop(Rules::FirstPlace + at, Rules::FirstPlace + to, {}); }
    int stockTop() const
    {
        int k = Rules::Places;
        while (k < Cards::FullDeck && !carte(k).visible)
            ++k;
        return k;
    }
    void turn() { rules.click(Rules::FirstCarte + stockTop()); }
    void moveStock(int to)
    {
        rules.drop(Rules::FirstCarte + stockTop(), Rules::FirstPlace + to, {});
    }
    // Removes the groups in order: stock pairs go into places 28 and 29 first, and a stock card
    // listed with a place goes into it.
    void play(const Groups &groups)
    {
        for (const QList<int> &group : groups) {
            if (group[0] < StockSlot) {
                for (int at : group)
                    pick(at);
            } else if (group.size() == 1) {
                turn();
            } else if (group[1] < StockSlot) {
                turn();
                moveStock(group[1]);
            } else {
                for (int at : {28, 29}) {
                    turn();
                    moveStock(at);
                }
                pick(28);
                pick(29);
            }
        }
    }
    const Picture &place(int at) const { return GameCase::at(Rules::FirstPlace + at); }
    const Picture &carte(int k) const { return GameCase::at(Rules::FirstCarte + k); }
    // Whether a frame shows around a place.
    bool framed(Rules::FrameIndex index, int at) const
    {
        const Frame &frame = rules.table().frames[index];
        return frame.visible && frame.rect.center() == place(at).rect.center();
    }
};

// The apex a roi, under a pair; two rois in the stock.
const Groups ApexAlone = BaseRow + Body + Groups{{0}, {1, 2}} + stockGroups({0, 7});

} // namespace

class TestPyramide : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void kingsPairsAndANewDeal()
    {
        Game game(ApexAlone);
        game.play(BaseRow);
        // A roi clicked second is a failed pair; clicked first, it leaves alone.
        game.pick(21);
        game.pick(27);
        QCOMPARE(game.prompt(),
                 QStringLiteral("La carte choisie ne forme pas 13 points avec la "
                                "carte choisie précédemment. Cliquez sur une carte."));
        QCOMPARE(game.place(27).tag, QStringLiteral("13"));
        game.pick(27);
        QVERIFY(game.place(27).tag.isEmpty() && game.place(27).visible);
        QCOMPARE(game.prompt(),
                 QStringLiteral("Vous avez cliqué sur un ROI qui vaut 13 points. Selectionnez un "
                                "autre roi ou une autre paire de cartes totalisant 13 points..."));
        game.pick(21);
        game.pick(21);
        QVERIFY(game.framed(Rules::SelectionFrame, 21));
        game.pick(22);
        QVERIFY(game.place(21).tag.isEmpty() && game.place(22).face == Picture::Face::None);
        QCOMPARE(game.rules.variables(), Rules::Variables{});
        QCOMPARE(game.prompt(),
                 QStringLiteral("BRAVO, La carte choisie forme une paire de 13 points avec la "
                                "carte précédente. Cliquez sur une carte"));
        game.rules.hover(Rules::FirstPlace + 15);
        QVERIFY(game.place(15).hand);

        // A new deal lays every place and card out face down again.
        game.arm(15);
        game.rules.Distribution();
        for (int at = 0; at < Rules::Places; ++at) {
            QVERIFY(game.place(at).border && !game.place(at).draggable && !game.place(at).hand);
            QVERIFY(game.place(at).tag.isEmpty() && game.place(at).face == Picture::Face::Back);
        }
        QVERIFY(game.carte(0).visible && game.stockTop() == Rules::Places);
    }

    void armedCardsAndTheStockMoveIntoHoles()
    {
        Game game(ApexAlone);
        game.play(BaseRow);
        game.arm(23);
        QVERIFY(game.place(23).draggable && game.framed(Rules::ArmedFrame, 23));
        QVERIFY(game.unchanged([&] { game.pick(23); })); // pressing an armed card drags it
        game.arm(23);
        QVERIFY(!game.place(23).draggable && !game.rules.table().frames[Rules::ArmedFrame].visible);
        QVERIFY(game.unchanged([&] { game.move(23, 32); })); // no longer armed
        // A card armed while selected leaves with its pair, disarmed.
        game.pick(21);
        game.arm(21);
        game.pick(22);
        QVERIFY(!game.place(21).draggable);

        game.arm(23);
        const QString moved = game.place(23).card;
        game.move(23, 32);
        QCOMPARE(game.place(32).card, moved);
        QVERIFY(game.place(23).visible && game.place(23).tag.isEmpty() && !game.place(23).border);

        game.turn(); // a roi
        QCOMPARE(game.prompt(),
                 QStringLiteral("La carte était un ROI. Cliquez sur la nouvelle carte."));
        game.turn();
        const int turned = game.stockTop();
        QVERIFY(game.carte(turned).hand && game.carte(turned).face == Picture::Face::Front);
        QVERIFY(game.unchanged([&] { game.turn(); }));
        game.moveStock(35);
        QCOMPARE(game.place(35).card, game.carte(turned).card);
    }

    // The last move wins, after a move that must not end the game; the cards left over the
    // apex leave with the win.
    void wins_data()
    {
        QTest::addColumn<Groups>("deal");
        QTest::addColumn<Groups>("moves");
        QTest::addColumn<Groups>("last");
        QTest::addColumn<int>("found");
        QTest::newRow("pyramid emptied, stock left")
            << ApexAlone << BaseRow + Body + Groups{{1, 2}} << Groups{{0}} << 36;
        // The last stock card, a roi, turned: the apex leaves with the card over it.
        QTest::newRow("apex and its coverer")
            << BaseRow + Body + Groups{{2}, {0, 1}} + stockGroups({0, 15})
            << BaseRow + stockGroups({0}, 15) + Body + Groups{{2}} << Groups{{StockSlot + 15}}
            << 52;
    }

    void wins()
    {
        QFETCH(Groups, deal);
        QFETCH(Groups, moves);
        QFETCH(Groups, last);
        QFETCH(int, found);
        Game game(deal);
        game.play(moves);
        QVERIFY(game.host.results.isEmpty());
        game.play(last);
        game.checkEnded(true, {QStringLiteral("Nbre de cartes trouvées: %1").arg(found)});
        QVERIFY(game.place(Rules::Apex).tag.isEmpty() && game.place(1).tag.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestPyramide)
#include "tst_pyramide.moc"
