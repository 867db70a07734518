// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/gamecase.h"
#include "games/josephine/josephinerules.h"

namespace {

using Rules = JosephineRules;
using Pair = std::pair<int, int>;

// The rows from the bottom up, two neighbouring columns at a time, then the top row's first four
// cards with the reserve, then its last four cards.
QList<Pair> winningPairs()
{
    QList<Pair> pairs;
    for (int k = Rules::TableCards - 2; k >= Rules::Columns; k -= 2)
        pairs.append({k, k + 1});
    for (int k = 0; k < 4; ++k)
        pairs.append({k, Rules::TopReserve - k});
    return pairs << Pair{4, 5} << Pair{6, 7};
}

// The q-th pair of winningPairs() has rank q / 2 + 1, so that the top row's 0 and 1 and its 2
// and 3 match too: paired together, they leave the reserve cards without partners.
struct Game : GameCase<Rules> {
    Game() : GameCase(QStringLiteral("Joséphine"))
    {
        QStringList deck(Cards::FullDeck);
        const QList<Pair> pairs = winningPairs();
        for (int q = 0; q < pairs.size(); ++q) {
            deck[pairs[q].first] = CardName(q / 2 + 1, q % 2 * 2);
            deck[pairs[q].second] = CardName(q / 2 + 1, q % 2 * 2 + 1);
        }
        stack(deck);
        rules.Distribution();
        start();
    }
    void click(int k) { rules.click(Rules::FirstCarte + k); }
    void pair(int first, int second)
    {
        click(first);
        click(second);
    }
    const Picture &carte(int k) const { return at(Rules::FirstCarte + k); }
    int selected() const { return rules.variables().Selection1; }
};

QStringList pairsFound(int count)
{
    return {QStringLiteral("Nbre de paires trouvées: %1").arg(count)};
}

} // namespace

class TestJosephine : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void onlyTheLowestCardsAndTheReserveTopAreFree()
    {
        Game game;
        for (int k = 0; k < Cards::FullDeck; ++k) {
            QCOMPARE(game.carte(k).face,
                     k < Rules::TableCards ? Picture::Face::Front : Picture::Face::Back);
            game.rules.hover(Rules::FirstCarte + k);
            QCOMPARE(game.carte(k).hand, (k >= 40 && k < 48) || k == 51);
        }
        game.click(40);
        game.click(40);
        QCOMPARE(
            game.prompt(),
            QStringLiteral("Cliquez sur une deuxième carte pour essayer d'obtenir une paire."));
        game.click(44);
        QCOMPARE(game.prompt(), QStringLiteral("La carte choisie ne forme pas de paire avec la "
                                               "carte précédente. Cliquez sur une carte."));
        QCOMPARE(game.selected(), Rules::NoCard);
        // A click on a covered card takes the frame away but keeps the first card chosen.
        game.click(42);
        game.click(34);
        QVERIFY(!game.framed() && game.selected() == 42);
        game.click(43);
        QCOMPARE(game.prompt(), QStringLiteral("BRAVO, La carte choisie forme une paire avec la "
                                               "carte précédente. Cliquez sur une carte"));
        QVERIFY(!game.carte(42).visible && game.carte(43).tag == QStringLiteral("VRAI"));
        game.rules.hover(Rules::FirstCarte + 34);
        QVERIFY(game.carte(34).hand);
    }

    void wonThroughTheReserve()
    {
        Game game;
        for (const auto &[first, second] : winningPairs()) {
            game.pair(first, second);
            if (second >= Rules::FirstReserve) { // turned up, it leaves the first card chosen
                QCOMPARE(game.selected(), first);
                QCOMPARE(game.carte(second).rect.top(), 2580);
                game.click(second);
            }
        }
        game.checkEnded(true, pairsFound(26));
    }

    void lostOnlyOnceTheReserveIsTurnedUp()
    {
        Game game;
        for (const auto &[first, second] : winningPairs()) {
            if (second < Rules::FirstReserve)
                game.pair(first, second);
        }
        game.pair(0, 1);
        game.pair(2, 3);
        // The table is empty, but the reserve card can still be turned up.
        QVERIFY(game.host.results.isEmpty());
        // Carte(50) matches it, but lies under it.
        game.click(51);
        game.checkEnded(false, pairsFound(24));
    }
};

QTEST_GUILESS_MAIN(TestJosephine)
#include "tst_josephine.moc"
