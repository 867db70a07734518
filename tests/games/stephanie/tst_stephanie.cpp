// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/gamecatalog.h"
#include "games/gamecase.h"
#include "games/stephanie/stephanierules.h"

#include <QSet>

namespace {

using Rules = StephanieRules;
enum Rank { As = 1, Dix = 10, Valet, Dame, Roi };

const QList<int> Row{As, 2, 3, 4, 5, 6, 7, 8, 9};

int rank(const Rules &rules, int k)
{
    return Cards::CardValue(rules.table().at(Rules::FirstCarte + k).card);
}

bool nineRanks(const Rules &rules)
{
    QSet<int> ranks;
    for (int k = 0; k < Rules::RowSize; ++k)
        ranks.insert(rank(rules, k));
    return ranks.size() == Rules::RowSize;
}

// Rules dealing Row, then the stock from its top card Carte(51) down: the ranks listed, then the
// others by rank; started.
struct Game : GameCase<Rules> {
    explicit Game(const QList<int> &stock) : GameCase(QStringLiteral("Stéphanie"))
    {
        QList<int> topFirst = stock;
        for (int r = As; r <= Roi; ++r)
            topFirst.insert(topFirst.size(), Rules::SuitCount - Row.count(r) - stock.count(r), r);
        QList<int> order = Row;
        std::copy(topFirst.rbegin(), topFirst.rend(), std::back_inserter(order));
        std::array<int, Roi + 1> used{};
        QStringList deck;
        for (int r : std::as_const(order))
            deck.append(CardName(r, used[std::size_t(r)]++));
        stack(deck);
        rules.Distribution();
        start();
    }
    int top() const { return rules.variables().ProchaineCarte; }
    const Picture &carte(int k) const { return at(Rules::FirstCarte + k); }
    void turn() { rules.click(Rules::FirstCarte + top()); }
    void drop(int target) { rules.drop(Rules::FirstCarte + top(), target, {}); }
    // The picture of a table card of that rank, else of the first free place, else -1.
    int target(int value) const
    {
        for (int k = 0; k < Cards::FullDeck; ++k) {
            if (rules.variables().places[std::size_t(k)].area == Rules::Place::Area::Column &&
                rank(rules, k) == value)
                return Rules::FirstCarte + k;
        }
        for (int i = 0; i < Rules::RowSize; ++i) {
            if (rules.table().pictureAt(Rules::placePosition(i)) == Rules::FirstPlace + i)
                return Rules::FirstPlace + i;
        }
        return -1;
    }
    void playTop()
    {
        turn();
        if (state.gameInProgress)
            drop(target(rank(rules, top())));
    }
    bool refused(int source, int target)
    {
        return unchanged([&] { rules.drop(source, target, {}); });
    }
};

QStringList familiesFound(int count)
{
    return {QStringLiteral("Nbre de familles trouvées: %1").arg(count)};
}

} // namespace

class TestStephanie : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void dealtRowHasNineRanks_data()
    {
        QTest::addColumn<QString>("melange");
        QTest::newRow("shuffled") << QStringLiteral("10");
        // One exchange a deal moves only the first card: the two 8s of places 1 and 2 need the
        // extra round to part.
        QTest::newRow("no shuffle rounds") << QStringLiteral("0");
    }

    void dealtRowHasNineRanks()
    {
        QFETCH(QString, melange);
        RulesBench bench;
        bench.settings.write(QStringLiteral("parametres"), QStringLiteral("melange"), melange);
        std::swap(bench.state.decks.deck52[2], bench.state.decks.deck52[9]);
        Rules rules(*GameCatalog::byMenuName(QStringLiteral("Stéphanie")), bench.context(),
                    bench.host);
        for (int deal = 0; deal < 20; ++deal) {
            rules.Distribution();
            QVERIFY(nineRanks(rules));
        }
    }

    void wonWithTwoPlacesFreeAtOnce()
    {
        // The aces and the 2s finish their columns, so two places are free at once; a 10 takes
        // one and the valet, a new rank, the other.
        QList<int> stock{As,   As,    As,    2,     2,   2,    Dix,  Valet, Dix, Dix, Dix,
                         Dame, Valet, Valet, Valet, Roi, Dame, Dame, Dame,  Roi, Roi, Roi};
        Game game(stock);
        QVERIFY(game.carte(51).hand);
        for (int top : {720, 1320}) {
            const int ace = game.top();
            game.playTop();
            QCOMPARE(game.carte(ace).rect.topLeft(), QPoint(120, top));
        }
        // The fourth ace finishes the column at once.
        game.playTop();
        for (int k : {0, 51, 50, 49})
            QCOMPARE(game.carte(k).rect.topLeft(), QPoint(7320, 4080));
        QCOMPARE(game.rules.statistic(), familiesFound(1));
        for (int i = 0; i < 5; ++i)
            game.playTop();
        QVERIFY(game.host.results.isEmpty());
        QCOMPARE(game.carte(45).rect.topLeft(), Rules::placePosition(0)); // the 10
        QCOMPARE(game.carte(44).rect.topLeft(), Rules::placePosition(1)); // the valet
        // Places are named from where the rules keep the cards, as the table shows them.
        QCOMPARE(game.rules.placeName(Rules::FirstCarte + 44),
                 QStringLiteral("Colonne 2, carte 1"));
        QCOMPARE(game.rules.placeName(Rules::FirstCarte + 0),
                 QStringLiteral("Familles complètes, pile 13"));
        QCOMPARE(game.rules.placeName(Rules::FirstCarte + game.top()), QStringLiteral("Pioche"));
        while (game.state.gameInProgress)
            game.playTop();
        game.checkEnded(true, familiesFound(13));
    }

    void refusedDropsThenLost()
    {
        Game game({As, As, As, 2, Dix, Valet});
        // Only the top card takes a click, and only once turned up can it be dropped.
        QVERIFY(game.refused(Rules::FirstCarte + 51, Rules::FirstCarte + 0));
        QVERIFY(game.unchanged([&] { game.rules.click(Rules::FirstCarte + 50); }));
        for (int i = 0; i < 3; ++i)
            game.playTop();

        // The free place refuses a 2, whose column is on the table, and the 10 under it.
        game.turn();
        const int two = Rules::FirstCarte + game.top();
        QVERIFY(game.refused(two, Rules::FirstPlace) && game.refused(two - 1, Rules::FirstPlace));
        game.drop(game.target(2));
        QCOMPARE(game.carte(two).rect.topLeft(), QPoint(1320, 720));
        QVERIFY(game.refused(two, Rules::FirstCarte + 1)); // laid for good

        // A 10 goes nowhere but to the free place: not on another rank, the stock, a finished
        // card or the bare table.
        game.turn();
        const int ten = Rules::FirstCarte + game.top();
        for (int target : {game.target(3), ten - 1, Rules::FirstCarte + 0, -1})
            QVERIFY(game.refused(ten, target));
        game.drop(Rules::FirstPlace);
        QCOMPARE(game.carte(ten).rect.topLeft(), Rules::placePosition(0));

        // The valet has no column and no place is free.
        game.turn();
        game.checkEnded(false, familiesFound(1));
        QVERIFY(!game.carte(game.top()).draggable);
    }
};

QTEST_GUILESS_MAIN(TestStephanie)
#include "tst_stephanie.moc"
