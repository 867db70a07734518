// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/chance/chancecounts.h"

#include <array>
#include <map>
#include <utility>

namespace {

constexpr int Hours = 12;
constexpr int SuitCount = 4;
constexpr int DeckSize = 52;

// How many hours have had 0, 1, ... 4 of their cards turned up: the hours are alike, so this and
// the number of kings found tell everything about what is still face down.
using Hours0To4 = std::array<int, SuitCount + 1>;
using Position = std::pair<Hours0To4, int>;

// Orders of the unseen cards, weighted by how many cards each reveal could show, that win from a
// position. Each card turned up is equally likely to be any unseen card: a king goes to its column
// and the fourth one ends the chains; any other card goes to its hour. Then the cards still face
// down are turned, and the game is won when every one lies on its own hour: of the orders of the
// unseen cards on the places left, those that permute each hour's own cards among themselves.
BigNumber winningOrders(const Position &at, std::map<Position, BigNumber> &known)
{
    const auto &[hours, kings] = at;
    if (kings == SuitCount) {
        BigNumber orders(1);
        for (int turned = 0; turned <= SuitCount; ++turned) {
            for (int h = 0; h < hours[std::size_t(turned)]; ++h)
                orders = orders * BigNumber::factorial(SuitCount - turned);
        }
        return orders;
    }
    if (const auto found = known.find(at); found != known.end())
        return found->second;
    BigNumber orders = winningOrders({hours, kings + 1}, known) * std::uint32_t(SuitCount - kings);
    for (int turned = 0; turned < SuitCount; ++turned) {
        const int count = hours[std::size_t(turned)];
        if (count == 0)
            continue;
        Hours0To4 next = hours;
        --next[std::size_t(turned)];
        ++next[std::size_t(turned + 1)];
        orders += winningOrders({next, kings}, known) * std::uint32_t(count * (SuitCount - turned));
    }
    known.emplace(at, orders);
    return orders;
}

} // namespace

namespace ChanceCounts {

ExactFraction horloge()
{
    std::map<Position, BigNumber> known;
    const Position dealt{{Hours, 0, 0, 0, 0}, 0};
    return ExactFraction::reduced(winningOrders(dealt, known), BigNumber::factorial(DeckSize));
}

} // namespace ChanceCounts
