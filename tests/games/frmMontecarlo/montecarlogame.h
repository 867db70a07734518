#pragma once

#include "games/fakehost.h"
#include "games/frmMontecarlo/montecarlorules.h"
#include "games/gamecatalog.h"

#include <QStringList>

// Monte-Carlo tables dealt from a chosen order, for the rule and record tests.
namespace MontecarloTest {

using Rules = MontecarloRules;

// rank 1 (as) to 13 (roi); suit 0 trefle, 1 carreau, 2 coeur, 3 pique.
inline QString card(int rank, int suit)
{
    static const QStringList ranks =
        QStringLiteral("AS 2 3 4 5 6 7 8 9 10 VALET DAME ROI").split(QLatin1Char(' '));
    static const QStringList suits =
        QStringLiteral("TREFLE CARREAU COEUR PIQUE").split(QLatin1Char(' '));
    return ranks.at(rank - 1) + QStringLiteral("DE") + suits.at(suit);
}

// A grid without any neighbouring pair: the rank of place p is p mod 13 + 1, which differs
// between neighbours (1, 4, 5 or 6 places apart), and the suits follow the parity of row and
// column, so that two neighbours never share one either.
inline QStringList noPairGrid()
{
    QStringList grid;
    for (int p = 0; p < Rules::GridSize; ++p) {
        const int row = p / Rules::GridColumns;
        const int column = p % Rules::GridColumns;
        grid.append(card(p % 13 + 1, (row % 2) * 2 + column % 2));
    }
    return grid;
}

// The cards in the order they reach the grid when the first two places are removed each time:
// the four cards of each rank in turn, so that the game is won.
inline QStringList winningQueue()
{
    QStringList queue;
    for (int rank = 1; rank <= 13; ++rank) {
        for (int suit = 0; suit < 4; ++suit)
            queue.append(card(rank, suit));
    }
    return queue;
}

// The order in which the cards reach the grid: those listed, then the others in their initial
// order.
inline QStringList completed(QStringList queue)
{
    AppState initial;
    BuildCardTables(initial);
    for (const QString &code : initial.decks.deck52) {
        if (!queue.contains(code))
            queue.append(code);
    }
    return queue;
}

// The deck that deals the cards in the order they reach the grid: the first 25 fill the places
// in reading order, the next ones come from the stock, whose top is the last card of the deck.
inline std::array<QString, Cards::FullDeck> deckFor(const QStringList &listed)
{
    const QStringList queue = completed(listed);
    std::array<QString, Cards::FullDeck> deck;
    for (int i = 0; i < Cards::FullDeck; ++i) {
        const int k = i < Rules::GridSize ? i : Cards::FullDeck - 1 - (i - Rules::GridSize);
        deck[std::size_t(k)] = queue.at(i);
    }
    return deck;
}

// No shuffle rounds leave a single exchange, and a draw of 0 makes it swap the first card with
// itself: the deal keeps the chosen order.
class NoShuffle final : public RandomSource {
public:
    void reseed() override {}
    float next() override { return 0.0f; }
};

struct Game {
    explicit Game(const QStringList &queue)
    {
        bench.settings.write(QStringLiteral("parametres"), QStringLiteral("melange"),
                             QStringLiteral("0"));
        bench.state.decks.deck52 = deckFor(queue);
        rules.Distribution();
    }

    // JOUER, as the window runs it.
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

    // The names in the grid places that show, in reading order.
    QStringList grid() const
    {
        QStringList names;
        for (int i = 0; i < Rules::GridSize; ++i) {
            if (place(i).visible)
                names.append(place(i).tag);
        }
        return names;
    }

    RulesBench bench;
    NoShuffle noShuffle;
    Rules rules{*GameCatalog::byMenuName(QStringLiteral("Monte-Carlo")),
                CoreContext{bench.state, bench.settings, noShuffle}, bench.host};
};

} // namespace MontecarloTest
