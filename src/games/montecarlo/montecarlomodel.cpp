// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/montecarlo/montecarlomodel.h"

#include "solver/search/cardbyte.h"

#include <algorithm>
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
    for (const std::vector<std::uint8_t> *list : {&grid, &stock}) {
        for (const std::uint8_t card : *list) {
            if (card >= 52)
                return false;
        }
    }
    *this = MontecarloModel{};
    std::copy(grid.begin(), grid.end(), m_grid.begin());
    std::copy(stock.begin(), stock.end(), m_stock.begin());
    m_count = std::uint8_t(grid.size());
    m_stockSize = std::uint8_t(stock.size());
    m_pending = pending < m_count ? pending : NoPlace;
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

void MontecarloModel::moves(std::vector<Move> &out) const
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
    int to = low;
    for (int from = low + 1; from < m_count; ++from) {
        if (from != high)
            m_grid[std::size_t(to++)] = m_grid[std::size_t(from)];
    }
    m_count = std::uint8_t(m_count - 2);
    for (int fill = 0; fill < 2 && m_drawn < m_stockSize; ++fill)
        m_grid[m_count++] = m_stock[m_drawn++];
    for (int i = m_count; i < Places; ++i)
        m_grid[std::size_t(i)] = NoCard;
    m_removed += 2;
}

MontecarloModel::Key MontecarloModel::key() const
{
    // The stock order is fixed by the deal, so how much of it is left says what is left.
    std::array<std::uint8_t, Places + 2> bytes{};
    std::copy(m_grid.begin(), m_grid.begin() + m_count, bytes.begin());
    bytes[std::size_t(m_count)] = m_drawn;
    bytes[std::size_t(m_count) + 1] = m_pending;
    return ByteKey::of(bytes, std::size_t(m_count) + 2);
}
