// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/montecarlo/montecarlomodel.h"

#include "solver/search/cardbyte.h"

#include <algorithm>
#include <bit>
#include <cstdlib>

std::uint8_t MontecarloModel::cardOf(const QString &code)
{
    return CardByte(code);
}

bool MontecarloModel::set(const std::vector<std::uint8_t> &grid,
                          const std::vector<std::uint8_t> &stock, std::uint8_t pending)
{
    if (grid.size() > std::size_t(Places) || stock.size() > std::size_t(StockCards))
        return false;
    std::uint64_t cards = 0;
    for (const std::vector<std::uint8_t> *list : {&grid, &stock}) {
        for (const std::uint8_t card : *list) {
            if (card >= 52 || (cards & (std::uint64_t(1) << card)))
                return false;
            cards |= std::uint64_t(1) << card;
        }
    }
    *this = MontecarloModel{};
    m_cards = cards;
    std::copy(grid.begin(), grid.end(), m_grid.begin());
    std::copy(stock.begin(), stock.end(), m_stock.begin());
    m_count = std::uint8_t(grid.size());
    m_stockSize = std::uint8_t(stock.size());
    m_pending = pending < m_count ? pending : NoPlace;
    for (std::size_t i = 0; i < grid.size(); ++i)
        m_dealt[i] = std::uint8_t(i);
    m_firstStock = std::uint8_t(grid.size());
    return true;
}

bool MontecarloModel::neighbours(int a, int b)
{
    return std::abs(a % Columns - b % Columns) <= 1 && std::abs(a / Columns - b / Columns) <= 1;
}

bool MontecarloModel::matching(std::uint8_t a, std::uint8_t b)
{
    return a / 4 == b / 4 || a % 4 == b % 4;
}

void MontecarloModel::legal(std::vector<Move> &out) const
{
    if (m_pending != NoPlace) {
        const int s = m_pending;
        for (int b = 0; b < m_count; ++b) {
            if (b != s && neighbours(s, b) &&
                matching(m_grid[std::size_t(s)], m_grid[std::size_t(b)]))
                out.push_back({std::uint8_t(s), std::uint8_t(b)});
        }
        for (int b = 0; b < m_count; ++b) {
            if (!neighbours(s, b)) {
                out.push_back({std::uint8_t(b), NoPlace});
                break;
            }
        }
        return;
    }
    // Only the places after a (right, and the row below) need looking at.
    for (int a = 0; a < m_count; ++a) {
        const int column = a % Columns;
        for (const int step : {1, Columns - 1, Columns, Columns + 1}) {
            const int b = a + step;
            if (b >= m_count || std::abs(b % Columns - column) > 1)
                continue;
            if (matching(m_grid[std::size_t(a)], m_grid[std::size_t(b)]))
                out.push_back({std::uint8_t(a), std::uint8_t(b)});
        }
    }
}

void MontecarloModel::play(const Move &move)
{
    m_pending = NoPlace;
    if (move.second == NoPlace)
        return;
    // Close up in reading order, then the stock fills the gaps at the end.
    const int low = std::min(move.first, move.second);
    const int high = std::max(move.first, move.second);
    m_cards &= ~(std::uint64_t(1) << m_grid[std::size_t(low)]);
    m_cards &= ~(std::uint64_t(1) << m_grid[std::size_t(high)]);
    m_gone |= std::uint64_t(1) << m_dealt[std::size_t(low)];
    m_gone |= std::uint64_t(1) << m_dealt[std::size_t(high)];
    int to = low;
    for (int from = low + 1; from < m_count; ++from) {
        if (from != high) {
            m_grid[std::size_t(to)] = m_grid[std::size_t(from)];
            m_dealt[std::size_t(to++)] = m_dealt[std::size_t(from)];
        }
    }
    m_count = std::uint8_t(m_count - 2);
    for (int fill = 0; fill < 2 && m_drawn < m_stockSize; ++fill) {
        m_dealt[m_count] = std::uint8_t(m_firstStock + m_drawn);
        m_grid[m_count++] = m_stock[m_drawn++];
    }
    for (int i = m_count; i < Places; ++i)
        m_grid[std::size_t(i)] = NoCard;
    m_removed += 2;
}

MontecarloModel::Key MontecarloModel::key() const
{
    // The dealt cards paired off (52 bits at most), then the selected place or none.
    KeyWriter<1> key;
    key.put(m_gone, 52);
    key.put(std::uint64_t(m_pending == NoPlace ? 0 : m_pending + 1), 5);
    return key.key();
}

// Cards pair off only with cards of their rank or suit, so the pairs still to come split the cards
// left within the groups that rank and suit link: the cards of a suit all go together, and two
// suits do when some rank still has a card in each. A group with an odd count can never empty.
bool MontecarloModel::hopeless() const
{
    std::array<int, 4> group{0, 1, 2, 3};
    const auto root = [&group](int suit) {
        while (group[std::size_t(suit)] != suit)
            suit = group[std::size_t(suit)];
        return suit;
    };
    for (int rank = 0; rank < 13; ++rank) {
        const auto suits = unsigned(m_cards >> (4 * rank)) & 0xFu;
        int first = -1;
        for (int suit = 0; suit < 4; ++suit) {
            if (!(suits & (1u << suit)))
                continue;
            if (first < 0)
                first = root(suit);
            else
                group[std::size_t(root(suit))] = first;
        }
    }
    std::array<int, 4> cards{};
    for (int suit = 0; suit < 4; ++suit)
        cards[std::size_t(root(suit))] += std::popcount(m_cards & (OneSuit << suit));
    return std::any_of(cards.begin(), cards.end(), [](int count) { return count % 2 != 0; });
}

void MontecarloModel::moves(std::vector<Move> &out) const
{
    if (!hopeless())
        legal(out);
}
