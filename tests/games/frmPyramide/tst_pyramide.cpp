#include "games/fakehost.h"
#include "games/frmPyramide/pyramiderules.h"
#include "games/gamecatalog.h"

#include <QTest>
#include <functional>

namespace {

using Rules = PyramideRules;
using Groups = QList<QList<int>>;
constexpr int StockSlot = 100; // StockSlot + j: the j-th stock card from the top

// Rows 7 to 2 cleared from the base up; row 7 first, so that stock cards can go into its holes.
const Groups BaseRow{{28, 29}, {30, 31}, {32, 33}, {34, 35}};
const Groups Body{{27},     {21, 22}, {23, 24}, {25, 26}, {15, 16}, {17, 18}, {19, 20},
                  {10, 11}, {12, 13}, {14, 6},  {7, 8},   {9, 3},   {4, 5}};

Groups stockGroups(const QList<int> &kings, int last = 16)
{
    Groups groups;
    for (int j = 0; j < last; ++j) {
        QList<int> group{StockSlot + j};
        if (!kings.contains(j))
            group.append(StockSlot + ++j);
        groups.append(group);
    }
    return groups;
}

struct Game {
    // Each group of one slot gets a roi, each of two a pair worth 13.
    explicit Game(const Groups &groups)
    {
        QStringList order(Cards::FullDeck);
        int kings = 0;
        int pairs = 0;
        for (const QList<int> &group : groups) {
            const auto slot = [](int at) {
                return at >= StockSlot ? Rules::Places + at - StockSlot : at;
            };
            if (group.size() == 1) {
                order[slot(group[0])] = CardName(13, kings++);
                continue;
            }
            const int value = pairs % 6 + 1;
            order[slot(group[0])] = CardName(value, pairs / 6);
            order[slot(group[1])] = CardName(13 - value, pairs / 6);
            ++pairs;
        }
        bench.stack(order);
        rules.Distribution();
    }
    void start()
    {
        bench.state.gameInProgress = true;
        rules.play();
    }
    void act(const std::function<void()> &action)
    {
        const qsizetype ended = bench.host.results.size();
        action();
        if (bench.host.results.size() > ended)
            bench.state.gameInProgress = false;
    }
    void pick(int at)
    {
        act([&] { rules.click(Rules::FirstPlace + at); });
    }
    void pair(int a, int b)
    {
        pick(a);
        pick(b);
    }
    void arm(int at) { rules.rightPress(Rules::FirstPlace + at); }
    int stockTop() const
    {
        for (int k = Rules::Places; k < Cards::FullDeck; ++k) {
            if (carte(k).visible)
                return k;
        }
        return -1;
    }
    void turn()
    {
        act([&] { rules.click(Rules::FirstCarte + stockTop()); });
    }
    void move(int source, int at)
    {
        act([&] { rules.drop(source, Rules::FirstPlace + at, {}); });
    }
    void moveStock(int at) { move(Rules::FirstCarte + stockTop(), at); }
    // Plays groups in order; stock pairs go into places 28 and 29, then leave.
    void play(const Groups &groups)
    {
        for (const QList<int> &group : groups) {
            if (group[0] < StockSlot) {
                for (int at : group)
                    pick(at);
            } else if (group.size() == 1) {
                turn();
            } else {
                for (int at : {28, 29}) {
                    turn();
                    moveStock(at);
                }
                pair(28, 29);
            }
        }
    }
    void refused(const std::function<void()> &action)
    {
        const TableModel before = rules.table();
        const Rules::Variables vars = rules.variables();
        action();
        QCOMPARE(rules.table(), before);
        QCOMPARE(rules.variables(), vars);
    }
    const Picture &place(int at) const { return rules.table().at(Rules::FirstPlace + at); }
    const Picture &carte(int k) const { return rules.table().at(Rules::FirstCarte + k); }
    const Frame &frame(int index) const { return rules.table().frames[index]; }
    bool framed(int index, int at) const
    {
        return frame(index).visible &&
               frame(index).rect.topLeft() == Rules::placePosition(at) - QPoint(60, 60);
    }

    RulesBench bench;
    Rules rules{*GameCatalog::byMenuName(QStringLiteral("Pyramide")), bench.stacked(), bench.host};
};

QStringList foundLine(int n)
{
    return {QStringLiteral("Nbre de cartes trouvées: %1").arg(n)};
}

const QString Won = QStringLiteral("BRAVO, vous avez gagné...");

// The apex a roi, over a pair; two rois in the stock.
const Groups ApexAlone = BaseRow + Body + Groups{{0}, {1, 2}} + stockGroups({0, 7});

} // namespace

class TestPyramide : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void dealAndFreeCards()
    {
        Game game(ApexAlone);
        QVERIFY(game.carte(0).z > game.carte(1).z && game.place(35).z > game.place(34).z);
        QCOMPARE(game.place(28).face, Picture::Face::Back);
        game.start();
        for (int at = 0; at < Rules::Places; ++at) {
            QCOMPARE(game.place(at).hand, at >= Rules::FirstBasePlace);
            QCOMPARE(game.place(at).tag.toInt(), Cards::CardValue(game.place(at).card));
            QVERIFY(!game.carte(at).visible);
        }
        QCOMPARE(Rules::parents(4), (QList<int>{1, 2}));
        QCOMPARE(Rules::parents(28), QList<int>{21});
        QVERIFY(Rules::parents(Rules::Apex).isEmpty() && Rules::coverers(35).isEmpty());
        game.refused([&] { game.pick(20); });
        game.play(BaseRow.mid(0, 3));
        QVERIFY(!game.rules.isFree(27));
        game.play(BaseRow.mid(3));
        QVERIFY(game.rules.isFree(27));
        game.play(Body.mid(0, 3));
        game.rules.hover(Rules::FirstPlace + 20);
        QVERIFY(!game.rules.isFree(20) && !game.place(20).hand);
        game.play(Body.mid(3, 1));
        game.rules.hover(Rules::FirstPlace + 20);
        QVERIFY(game.rules.isFree(20) && game.place(20).hand);
    }

    void kingsAndPairs()
    {
        Game game(ApexAlone);
        game.start();
        game.play(BaseRow);
        // A roi clicked second is only a failed pair; clicked first, it leaves alone.
        game.pair(21, 27);
        QCOMPARE(game.bench.host.current,
                 QStringLiteral("La carte choisie ne forme pas 13 points avec la carte choisie "
                                "précédemment. Cliquez sur une carte."));
        QVERIFY(!game.frame(Rules::SelectionFrame).visible && !game.place(27).tag.isEmpty());
        game.pick(27);
        QVERIFY(game.place(27).tag.isEmpty() && game.place(27).visible);
        QCOMPARE(game.bench.host.current,
                 QStringLiteral("Vous avez cliqué sur un ROI qui vaut 13 points. Selectionnez un "
                                "autre roi ou une autre paire de cartes totalisant 13 points..."));
        game.pick(21);
        game.pick(21);
        QVERIFY(game.framed(Rules::SelectionFrame, 21));
        game.pick(22);
        QCOMPARE(game.rules.variables(), Rules::Variables{});
        QVERIFY(game.place(21).tag.isEmpty() && game.place(22).tag.isEmpty());
        QCOMPARE(game.place(22).face, Picture::Face::None);
        QCOMPARE(game.bench.host.current,
                 QStringLiteral("BRAVO, La carte choisie forme une paire de 13 points avec la "
                                "carte précédente. Cliquez sur une carte"));
    }

    void armingAndDrops()
    {
        Game game(ApexAlone);
        game.start();
        game.play(BaseRow);
        game.refused([&] { game.arm(15); }); // covered
        game.arm(23);
        QVERIFY(game.place(23).draggable && game.framed(Rules::ArmedFrame, 23));
        game.refused([&] { game.pick(23); }); // pressing an armed card drags it
        game.arm(23);
        QVERIFY(!game.place(23).draggable && !game.frame(Rules::ArmedFrame).visible);
        game.refused([&] { game.move(Rules::FirstPlace + 23, 32); }); // not armed

        // A card armed while selected leaves with its pair, disarmed.
        game.pick(21);
        game.arm(21);
        game.pick(22);
        QVERIFY(!game.place(21).draggable && !game.frame(Rules::ArmedFrame).visible);

        game.arm(24);
        game.arm(23);
        game.refused([&] { game.move(Rules::FirstPlace + 23, 31); }); // 23 is a parent of 31
        const QString moved = game.place(23).card;
        game.move(Rules::FirstPlace + 23, 32);
        QCOMPARE(game.place(32).card, moved);
        QVERIFY(game.place(32).border && !game.place(32).draggable);
        QVERIFY(game.place(23).visible && game.place(23).tag.isEmpty() && !game.place(23).border);
        // 32 covers 24, which can no longer move.
        QVERIFY(!game.place(24).draggable);
        game.refused([&] { game.move(Rules::FirstPlace + 24, 34); });

        game.turn(); // a roi, discarded
        QCOMPARE(game.bench.host.current,
                 QStringLiteral("La carte était un ROI. Cliquez sur la nouvelle carte."));
        QCOMPARE(game.stockTop(), Rules::Places + 1);
        game.turn();
        const int turned = game.stockTop();
        QVERIFY(game.carte(turned).hand && game.carte(turned).face == Picture::Face::Front);
        game.refused([&] { game.turn(); });
        game.refused([&] { game.rules.click(Rules::FirstCarte + turned + 1); });
        game.refused([&] { game.moveStock(28); }); // 21 is gone
        game.refused([&] { game.moveStock(29); });
        game.moveStock(35);
        QVERIFY(!game.carte(turned).visible && game.stockTop() == turned + 1);
        QCOMPARE(game.place(35).card, game.carte(turned).card);
    }

    void wonByTheApexAlone_data()
    {
        QTest::addColumn<bool>("useStock");
        QTest::newRow("stock used up") << true;
        QTest::newRow("stock left") << false;
    }

    void wonByTheApexAlone()
    {
        QFETCH(bool, useStock);
        Game game(ApexAlone);
        game.start();
        game.play(BaseRow);
        if (useStock)
            game.play(stockGroups({0, 7}));
        game.play(Body);
        game.pair(1, 2);
        if (!useStock) {
            QVERIFY(game.bench.host.results.isEmpty());
            game.pick(0);
        }
        QCOMPARE(game.bench.host.results, QList<bool>{true});
        QCOMPARE(game.bench.host.current, Won);
        QVERIFY(game.place(0).tag.isEmpty());
        QCOMPARE(game.rules.statistic(), foundLine(useStock ? 52 : 36));
    }

    // The apex leaves with the card covering it once a stock roi, the last, is turned.
    void wonByTheApexAndItsCoverer()
    {
        Game game(BaseRow + Body + Groups{{2}, {0, 1}} + stockGroups({0, 15}));
        game.start();
        game.play(BaseRow + stockGroups({0}, 15) + Body);
        game.pick(2);
        QVERIFY(game.bench.host.results.isEmpty());
        game.turn();
        QCOMPARE(game.bench.host.results, QList<bool>{true});
        QVERIFY(game.place(0).tag.isEmpty() && game.place(1).tag.isEmpty());
        QCOMPARE(game.rules.statistic(), foundLine(52));
    }

    // With the stock empty, a free roi over the apex is still to be removed.
    void kingOverTheApexGoesOn()
    {
        Game game(BaseRow + Body + Groups{{2}, {1}, {0}} + stockGroups({}));
        game.start();
        game.play(BaseRow + stockGroups({}) + Body);
        game.pick(2);
        QVERIFY(game.bench.host.results.isEmpty());
        game.pick(1);
        QCOMPARE(game.bench.host.results, QList<bool>{true});
    }

    // The last stock card dropped over the lone apex ends the game at once.
    void dropOverTheApexEnds()
    {
        Game game(BaseRow + Body + Groups{{1, 2}, {0, StockSlot + 15}} +
                  stockGroups({0, 3, 8}, 15));
        game.start();
        game.play(BaseRow + stockGroups({0, 3, 8}, 15) + Body + Groups{{1, 2}});
        QVERIFY(game.bench.host.results.isEmpty());
        game.turn();
        game.moveStock(1);
        QCOMPARE(game.bench.host.results, QList<bool>{true});
        QCOMPARE(game.bench.host.current, Won);
    }
};

QTEST_GUILESS_MAIN(TestPyramide)
#include "tst_pyramide.moc"
