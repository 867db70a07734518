// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/line/linemodel.h"

#include <algorithm>

bool LineModel::set(const Rules &rules, const std::vector<std::uint8_t> &line,
                    const std::vector<std::uint8_t> &stock)
{
    if (line.size() + stock.size() > std::size_t(Capacity))
        return false;
    for (const std::vector<std::uint8_t> *list : {&line, &stock}) {
        if (std::any_of(list->begin(), list->end(), [](std::uint8_t card) { return card >= 52; }))
            return false;
    }
    *this = LineModel{};
    m_rules = rules;
    std::copy(line.begin(), line.end(), m_line.begin());
    std::copy(stock.begin(), stock.end(), m_stock.begin());
    for (std::size_t place = 0; place < line.size(); ++place) {
        m_start[place] = std::uint8_t(place);
        m_left |= std::uint64_t(1) << place;
    }
    m_length = int(line.size());
    m_stockSize = int(stock.size());
    return true;
}

bool LineModel::alike(int a, int b) const
{
    const std::uint8_t x = m_line[std::size_t(a)];
    const std::uint8_t y = m_line[std::size_t(b)];
    return x / 4 == y / 4 || x % 4 == y % 4;
}

void LineModel::moves(std::vector<Move> &out) const
{
    if (m_dealt < m_stockSize) {
        out.push_back({Deal});
        return;
    }
    // out may hold other positions' moves before this one's.
    const auto first = std::ptrdiff_t(out.size());
    legal(out);
    // A move's cards run from place - 1 to place + span.
    out.erase(std::remove_if(out.begin() + first, out.end(),
                             [this](const Move &move) { return move.place + move.span < m_floor; }),
              out.end());
}

void LineModel::legal(std::vector<Move> &out) const
{
    if (won())
        return;
    // A card between two alike cards; the line is never full past 52, so place + 1 exists.
    for (int place = 1; place + 1 < m_length; ++place) {
        if (alike(place - 1, place + 1))
            out.push_back({std::uint8_t(place), 1});
        if (m_rules.twoAtOnce && place + 2 < m_length && alike(place - 1, place + 2))
            out.push_back({std::uint8_t(place), 2});
    }
    if (m_dealt < m_stockSize)
        out.push_back({Deal});
}

void LineModel::play(const Move &move)
{
    if (move.place == Deal) {
        // The stock's places follow the line's: this card's is the count of cards dealt before.
        const auto start = std::uint8_t(m_length + m_gone);
        m_start[std::size_t(m_length)] = start;
        m_left |= std::uint64_t(1) << start;
        m_line[std::size_t(m_length++)] = m_stock[std::size_t(m_dealt++)];
        return;
    }
    const int leaving =
        m_rules.draggedLeaves ? move.place : move.place + (m_rules.dropBefore ? -1 : 1);
    for (int card = leaving; card < leaving + move.span; ++card)
        m_left &= ~(std::uint64_t(1) << m_start[std::size_t(card)]);
    for (auto *cards : {&m_line, &m_start})
        std::copy(cards->begin() + leaving + move.span, cards->begin() + m_length,
                  cards->begin() + leaving);
    m_length -= move.span;
    m_gone += move.span;
    m_floor = move.place - 1;
}

bool LineModel::won() const
{
    if (m_dealt < m_stockSize || m_length != 2)
        return false;
    return m_rules.firstLeft == 0xFF ||
           (m_line[0] == m_rules.firstLeft && m_line[1] == m_rules.secondLeft);
}

LineModel::Key LineModel::key() const
{
    // The cards keep their order and the stock deals in a fixed one: which cards are in the line
    // and how many were dealt say the whole position. 52 + 6 + 6 bits.
    KeyWriter<1> key;
    key.put(m_left, Capacity);
    key.put(std::uint64_t(m_dealt), 6);
    key.put(std::uint64_t(std::max(m_floor, 0)), 6);
    return key.key();
}

std::vector<std::uint8_t> LineModel::cards() const
{
    std::vector<std::uint8_t> all(m_line.begin(), m_line.begin() + m_length);
    all.insert(all.end(), m_stock.begin() + m_dealt, m_stock.begin() + m_stockSize);
    return all;
}
