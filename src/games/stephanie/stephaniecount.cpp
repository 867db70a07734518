// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/chance/chancecounts.h"

#include <array>
#include <map>

namespace {

constexpr int Columns = 9;
constexpr int SuitCount = 4;
constexpr int Ranks = 13;
constexpr int StockSize = 52 - Columns;

// How many ranks lie on the table with 1, 2 and 3 cards, and how many have not shown yet: the
// ranks are alike, so this tells what the stock still holds.
using Position = std::array<int, 4>;
enum { OneCard, TwoCards, ThreeCards, Unseen };

// Orders of the rest of the stock, weighted by how many cards each turn could show, that win from
// a position. A card of a rank on the table joins its column, and the fourth leaves the table; a
// card of a new rank needs a free place, and there is one while fewer than nine ranks lie on the
// table. Otherwise the game is lost.
BigNumber winningOrders(const Position &at, std::map<Position, BigNumber> &known)
{
    if (at == Position{})
        return BigNumber(1);
    if (const auto found = known.find(at); found != known.end())
        return found->second;
    BigNumber orders;
    for (int held = OneCard; held <= ThreeCards; ++held) {
        const int ranks = at[std::size_t(held)];
        if (ranks == 0)
            continue;
        Position next = at;
        --next[std::size_t(held)];
        if (held != ThreeCards)
            ++next[std::size_t(held + 1)];
        orders += winningOrders(next, known) * std::uint32_t(ranks * (SuitCount - held - 1));
    }
    const int onTable = at[OneCard] + at[TwoCards] + at[ThreeCards];
    if (at[Unseen] > 0 && onTable < Columns) {
        Position next = at;
        --next[Unseen];
        ++next[OneCard];
        orders += winningOrders(next, known) * std::uint32_t(at[Unseen] * SuitCount);
    }
    known.emplace(at, orders);
    return orders;
}

} // namespace

namespace ChanceCounts {

ExactFraction stephanie()
{
    std::map<Position, BigNumber> known;
    const Position dealt{Columns, 0, 0, Ranks - Columns};
    return ExactFraction::reduced(winningOrders(dealt, known), BigNumber::factorial(StockSize));
}

} // namespace ChanceCounts
