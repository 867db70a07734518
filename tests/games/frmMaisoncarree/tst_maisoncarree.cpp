#include "games/fakehost.h"
#include "games/frmMaisoncarree/maisoncarreerules.h"
#include "games/gamecatalog.h"

#include <QTest>

namespace {

using Rules = MaisoncarreeRules;
const QString ReservePrompt = QStringLiteral("Glissez la carte de la réserve sur le jeu.");

// Carte(51) is the top of the stock.
int stockCard(int fromTop)
{
    return Rules::FirstCarte + Cards::FullDeck - 1 - fromTop;
}

struct Game {
    // The nine square cards row by row, then the stock from its top down; the cards not listed
    // lie under the listed stock cards.
    Game(const QStringList &square, const QStringList &stock)
    {
        QStringList order = square;
        for (const QString &code : bench.state.decks.deck52) {
            if (!square.contains(code) && !stock.contains(code))
                order.append(code);
        }
        for (auto it = stock.crbegin(); it != stock.crend(); ++it)
            order.append(*it);
        bench.stack(order);
        rules.Distribution();
    }
    void start()
    {
        bench.state.gameInProgress = true;
        rules.play();
    }
    // The window clears the game in progress when the game ends.
    void drop(int source, int target)
    {
        const qsizetype ended = bench.host.results.size();
        rules.drop(source, target, {});
        if (bench.host.results.size() > ended)
            bench.state.gameInProgress = false;
    }
    // The card in front at a place, or -1.
    int top(QPoint at) const
    {
        int found = -1;
        for (int k = 0; k < Cards::FullDeck; ++k) {
            const Picture &card = rules.table().at(Rules::FirstCarte + k);
            if (card.visible && card.rect.topLeft() == at &&
                (found < 0 || card.z > rules.table().at(found).z))
                found = Rules::FirstCarte + k;
        }
        return found;
    }
    void toReserve()
    {
        const int onReserve = top(Rules::ReservePosition);
        drop(top(Rules::StockPosition), onReserve < 0 ? Rules::ReservePlace : onReserve);
    }
    const Picture &carte(int index) const { return rules.table().at(index); }
    void checkRefused(int source, int target)
    {
        const TableModel before = rules.table();
        const Rules::Variables vars = rules.variables();
        drop(source, target);
        QCOMPARE(rules.table(), before);
        QCOMPARE(rules.variables(), vars);
    }

    RulesBench bench;
    Rules rules{*GameCatalog::byMenuName(QStringLiteral("Carré")), bench.stacked(), bench.host};
};

QStringList cards(int suit, QList<int> ranks)
{
    QStringList names;
    for (int rank : ranks)
        names.append(CardName(rank, suit));
    return names;
}

} // namespace

class TestMaisoncarree : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void wholeGameWon()
    {
        // 9 of trefle last on the square; the stock climbs from it round and round: 10 to roi,
        // then three times as to roi, each card on the one before.
        const QStringList square = cards(0, {1, 2, 3, 4, 5, 6, 7, 8, 9});
        QStringList stock;
        std::array<int, 14> nextSuit{0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0};
        for (int i = 0; i < Cards::FullDeck - Rules::SquareSize; ++i) {
            const int rank = (i + 9) % 13 + 1;
            stock.append(CardName(rank, nextSuit[std::size_t(rank)]++));
        }
        Game game(square, stock);
        for (int k = 0; k < Cards::FullDeck; ++k) {
            const Picture &card = game.carte(k);
            QCOMPARE(card.rect.topLeft(),
                     k < Rules::SquareSize ? Rules::squarePosition(k) : Rules::StockPosition);
            QVERIFY(card.visible && card.border && !card.draggable);
            QCOMPARE(card.face, Picture::Face::Back);
        }
        QCOMPARE(game.carte(stockCard(0)).card, stock.first());
        game.checkRefused(stockCard(0), Rules::SquareSize - 1); // before JOUER

        game.start();
        QVERIFY(game.carte(stockCard(0)).draggable && game.carte(stockCard(42)).hand);
        QVERIFY(!game.carte(0).draggable && !game.carte(0).hand);
        QCOMPARE(game.carte(0).face, Picture::Face::Front);
        int pile = Rules::SquareSize - 1;
        for (int j = 0; j < stock.size(); ++j) {
            game.drop(stockCard(j), pile);
            QVERIFY(!game.carte(pile).visible);
            pile = stockCard(j);
            QCOMPARE(game.carte(pile).rect.topLeft(), Rules::squarePosition(8));
            QVERIFY(!game.carte(pile).draggable && !game.carte(pile).hand);
        }
        QCOMPARE(game.bench.host.results, QList<bool>{true});
        QCOMPARE(game.bench.host.current, QStringLiteral("BRAVO, vous avez gagné..."));
        QCOMPARE(game.rules.statistic(), QStringList{QStringLiteral("Cartes restantes: 9")});
    }

    void refusedDropsAndAnAceOnAKing()
    {
        Game game(cards(0, {13, 4, 5, 6, 7, 8, 9, 10, 11}), cards(2, {3, 1}));
        game.start();
        game.checkRefused(stockCard(0), 1);            // a 3 on a 4
        game.checkRefused(stockCard(0), stockCard(1)); // on the stock
        game.checkRefused(stockCard(0), -1);
        game.checkRefused(1, 2); // square cards stay
        game.toReserve();
        game.drop(stockCard(1), 0);
        QCOMPARE(game.carte(stockCard(1)).rect.topLeft(), Rules::squarePosition(0));
        QVERIFY(!game.carte(0).visible);
        QVERIFY(game.bench.host.results.isEmpty());
    }

    void reserveKeepsItsOrder()
    {
        const QStringList stock = cards(1, {7, 8, 3});
        Game game(cards(0, {11, 2, 4, 5, 6, 7, 8, 9, 10}), stock);
        game.start();
        game.rules.hover(stockCard(0));
        QCOMPARE(game.bench.host.current,
                 QStringLiteral("Glissez cette carte sur le jeu ou sur la réserve."));
        game.rules.hover(0);
        QCOMPARE(game.bench.host.current,
                 QStringLiteral("Vous devez poser une DAME sur cette carte."));
        game.rules.dragOver(stockCard(0), Rules::ReservePlace);
        QVERIFY(game.rules.table().frames[Rules::Indicateur].visible);

        game.toReserve();
        QCOMPARE(game.rules.variables().PileReserve[0], stock[0]);
        // A reserve card let go on the reserve changes nothing, alone or on another.
        game.checkRefused(stockCard(0), Rules::ReservePlace);
        game.toReserve();
        QCOMPARE(game.bench.host.current, ReservePrompt);
        game.toReserve();
        game.checkRefused(stockCard(2), stockCard(1));
        game.rules.hover(stockCard(2));
        QCOMPARE(game.bench.host.current, QStringLiteral("Glissez cette carte sur le jeu."));

        game.drop(stockCard(2), 1);
        QCOMPARE(game.carte(stockCard(2)).rect.topLeft(), Rules::squarePosition(1));
        QCOMPARE(game.top(Rules::ReservePosition), stockCard(1));
        Rules::Variables expected;
        expected.PileReserve[0] = stock[0];
        expected.PileReserve[1] = stock[1];
        QCOMPARE(game.rules.variables(), expected);
    }

    void lastStockCard_data()
    {
        QTest::addColumn<QString>("last");
        QTest::addColumn<bool>("fits");
        QTest::newRow("a 5 on the 4") << CardName(5, 1) << true;
        QTest::newRow("an as, with no roi") << CardName(1, 1) << false;
    }

    void lastStockCard()
    {
        QFETCH(QString, last);
        QFETCH(bool, fits);
        // Next ranks wanted: 3, 4 and 5.
        const QStringList square =
            cards(0, {2, 3, 4}) + cards(1, {2, 3}) + cards(2, {2, 3}) + cards(3, {2, 3});
        AppState fresh;
        BuildCardTables(fresh);
        QStringList stock;
        for (const QString &code : fresh.decks.deck52) {
            if (!square.contains(code) && code != last && Cards::CardValue(code) != 13)
                stock.append(code);
        }
        stock.append(cards(0, {13}) + cards(1, {13}) + cards(2, {13}) + cards(3, {13}));
        stock.append(last);
        Game game(square, stock);
        game.start();
        for (int j = 0; j < stock.size(); ++j)
            game.toReserve();
        QCOMPARE(game.bench.host.results, fits ? QList<bool>{} : QList<bool>{false});
        // The end of the game is not overwritten by the reserve's prompt.
        QCOMPARE(game.bench.host.current,
                 fits ? ReservePrompt : QStringLiteral("DESOLE, vous avez perdu..."));
        if (!fits)
            QCOMPARE(game.rules.statistic(), QStringList{QStringLiteral("Cartes restantes: 52")});
    }
};

QTEST_GUILESS_MAIN(TestMaisoncarree)
#include "tst_maisoncarree.moc"
