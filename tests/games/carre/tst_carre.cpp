// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/carre/carrerules.h"
#include "games/gamecase.h"

namespace {

using Rules = MaisoncarreeRules;
const QString ReservePrompt = QStringLiteral("Glissez la carte de la réserve sur le jeu.");

// Carte(51) is the top of the stock.
int stockCard(int fromTop)
{
    return Rules::FirstCarte + Cards::FullDeck - 1 - fromTop;
}

QStringList cards(int suit, const QList<int> &ranks)
{
    QStringList names;
    for (int rank : ranks)
        names.append(CardName(rank, suit));
    return names;
}

// A game after JOUER: the nine square cards row by row, the stock from its top down, and the last
// stock card; the cards not listed lie in between.
struct Game : GameCase<Rules> {
    Game(const QStringList &square, const QStringList &stock, const QString &last = {})
        : GameCase(QStringLiteral("Carré"))
    {
        QStringList order = square;
        if (!last.isEmpty())
            order.append(last);
        for (const QString &code : state.decks.deck52) {
            if (!order.contains(code) && !stock.contains(code))
                order.append(code);
        }
        order += QStringList(stock.crbegin(), stock.crend());
        stack(order);
        rules.Distribution();
        start();
    }
    void drop(int source, int target) { rules.drop(source, target, {}); }
    int reserveTop() const
    {
        int found = -1;
        for (int k = 0; k < Cards::FullDeck; ++k) {
            const Picture &card = carte(k);
            if (card.visible && card.rect.topLeft() == Rules::ReservePosition &&
                (found < 0 || card.z > carte(found).z))
                found = k;
        }
        return found;
    }
    void toReserve(int fromTop)
    {
        const int top = reserveTop();
        drop(stockCard(fromTop), top < 0 ? Rules::ReservePlace : top);
    }
    const Picture &carte(int index) const { return at(index); }
};

} // namespace

class TestMaisoncarree : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void wholeGameWon()
    {
        // The stock climbs round and round from the 9 of the square: 10 to roi, then three
        // times as to roi, each card on the one before.
        QStringList stock;
        std::array<int, 14> nextSuit{0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0};
        for (int i = 0; i < Cards::FullDeck - Rules::SquareSize; ++i) {
            const int rank = (i + 9) % 13 + 1;
            stock.append(CardName(rank, nextSuit[std::size_t(rank)]++));
        }
        Game game(cards(0, {1, 2, 3, 4, 5, 6, 7, 8, 9}), stock);
        int pile = Rules::SquareSize - 1;
        for (int j = 0; j < stock.size(); ++j) {
            game.drop(stockCard(j), pile);
            QVERIFY(!game.carte(pile).visible);
            pile = stockCard(j);
        }
        QCOMPARE(game.carte(pile).rect.topLeft(), Rules::squarePosition(8));
        QVERIFY(!game.carte(pile).draggable && !game.carte(pile).hand);
        game.checkEnded(true, {QStringLiteral("Cartes restantes: 9")});
    }

    void reserveFrameAndANewDeal()
    {
        Game game(cards(0, {11, 2, 4, 5, 6, 7, 8, 9, 10}), cards(1, {7, 8, 3}));
        game.rules.hover(0);
        QCOMPARE(game.prompt(), QStringLiteral("Vous devez poser une DAME sur cette carte."));
        // The frame shows over the reserve and goes when the card is let go on the table.
        game.rules.dragOver(stockCard(0), Rules::ReservePlace);
        QVERIFY(game.framed());
        game.drop(stockCard(0), -1);
        QVERIFY(!game.framed());
        for (int j = 0; j < 3; ++j)
            game.toReserve(j);
        QCOMPARE(game.prompt(), ReservePrompt);
        game.drop(stockCard(2), 1);

        game.rules.Distribution();
        QCOMPARE(game.rules.variables().PileReserve, Rules::Variables{}.PileReserve);
        QVERIFY(game.carte(stockCard(2)).face == Picture::Face::Back &&
                game.carte(stockCard(2)).rect.topLeft() == Rules::StockPosition);
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
        // Ranks wanted on the square: 3, 4 and 5; every stock card goes to the reserve.
        const QStringList square =
            cards(0, {2, 3, 4}) + cards(1, {2, 3}) + cards(2, {2, 3}) + cards(3, {2, 3});
        Game game(square, {}, last);
        for (int j = 0; j < Cards::FullDeck - Rules::SquareSize; ++j)
            game.toReserve(j);
        // The end of the game is not overwritten by the reserve's prompt.
        QVERIFY(!fits || game.host.results.isEmpty());
        if (fits)
            QCOMPARE(game.prompt(), ReservePrompt);
        else
            game.checkEnded(false, {QStringLiteral("Cartes restantes: 52")});
    }
};

QTEST_GUILESS_MAIN(TestMaisoncarree)
#include "tst_carre.moc"
