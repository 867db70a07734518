// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/chance/chancecounts.h"

#include <map>
#include <utility>

namespace {

constexpr int Places = 32;
constexpr int Aces = 4;

// Orders of the unseen cards, weighted by how many cards each reveal could show, in which a
// game of Les voyageuses (1) is won once `aces` aces and `others` other cards are unseen. An ace
// ends its chain; a card of another place sends the chain there, where a card is unseen. With the
// four aces home, the cards still unseen lie face down on the places left, and only one of their
// orders puts each on its own place.
BigNumber stockOrders(int others, int aces, std::map<std::pair<int, int>, BigNumber> &known)
{
    if (aces == 0)
        return BigNumber(1);
    const auto key = std::make_pair(others, aces);
    if (const auto found = known.find(key); found != known.end())
        return found->second;
    BigNumber orders = stockOrders(others, aces - 1, known) * std::uint32_t(aces);
    if (others > 0)
        orders += stockOrders(others - 1, aces, known) * std::uint32_t(others);
    known.emplace(key, orders);
    return orders;
}

// The same for the single chain of Les voyageuses (2) while `unseen` cards are left: one of them
// belongs to the hole and ends the chain; the others lead to a face-down place.
BigNumber chainOrders(int unseen)
{
    BigNumber orders(1); // with one card left, it is the hole's
    for (int left = 2; left <= unseen; ++left)
        orders = orders * std::uint32_t(left - 1) + BigNumber(1);
    return orders;
}

} // namespace

namespace ChanceCounts {

ExactFraction voyageuses1()
{
    std::map<std::pair<int, int>, BigNumber> known;
    return ExactFraction::reduced(stockOrders(Places - Aces, Aces, known),
                                  BigNumber::factorial(Places));
}

ExactFraction voyageuses2()
{
    return ExactFraction::reduced(chainOrders(Places), BigNumber::factorial(Places));
}

} // namespace ChanceCounts
