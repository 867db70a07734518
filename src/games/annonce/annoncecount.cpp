// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/chance/chancecounts.h"

#include <array>
#include <vector>

namespace {

constexpr int Ranks = 13;
constexpr int SuitCount = 4;
constexpr int DeckSize = Ranks * SuitCount;

BigNumber choose(int n, int k)
{
    if (k < 0 || k > n)
        return BigNumber(0);
    return BigNumber::factorial(n)
        .dividedBy(BigNumber::factorial(k) * BigNumber::factorial(n - k))
        .quotient;
}

using Polynomial = std::vector<BigNumber>;

Polynomial times(const Polynomial &a, const Polynomial &b)
{
    Polynomial product(a.size() + b.size() - 1);
    for (std::size_t i = 0; i < a.size(); ++i) {
        for (std::size_t j = 0; j < b.size(); ++j)
            product[i + j] += a[i] * b[j];
    }
    return product;
}

} // namespace

namespace ChanceCounts {

// A card loses when it is turned on a turn that calls its rank. The calls run through the
// thirteen ranks from the starting one, so each rank is called on some turns; the losing pairs
// (card, turn) of one rank form a block of its four cards by its turns, and the blocks share no
// card and no turn. Inclusion and exclusion over the ways of choosing k losing pairs with no
// card and no turn twice (the rook polynomial of the blocks) counts the orders with none.
ExactFraction annonce()
{
    std::array<int, Ranks> turnsCalling{};
    for (int turn = 0, call = 0; turn < DeckSize; ++turn, call = (call + 1) % Ranks)
        ++turnsCalling[std::size_t(call)];

    Polynomial rooks{BigNumber(1)};
    for (int turns : turnsCalling) {
        Polynomial block;
        for (int k = 0; k <= std::min(SuitCount, turns); ++k)
            block.push_back(choose(SuitCount, k) * choose(turns, k) * BigNumber::factorial(k));
        rooks = times(rooks, block);
    }
    BigNumber added;
    BigNumber taken;
    for (std::size_t k = 0; k < rooks.size(); ++k) {
        const BigNumber term = rooks[k] * BigNumber::factorial(DeckSize - int(k));
        (k % 2 == 0 ? added : taken) += term;
    }
    return ExactFraction::reduced(added - taken, BigNumber::factorial(DeckSize));
}

} // namespace ChanceCounts
