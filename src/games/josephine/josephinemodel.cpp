// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/josephine/josephinemodel.h"

void JosephineModel::set(const std::array<int, 52> &ranks, const std::array<int, Columns + 1> &free,
                         bool reserveFaceDown, int selected)
{
    *this = JosephineModel{};
    for (std::size_t k = 0; k < ranks.size(); ++k)
        m_rank[k] = std::int8_t(ranks[k]);
    int left = 0;
    for (std::size_t slot = 0; slot < free.size(); ++slot) {
        m_free[slot] = std::int8_t(free[slot]);
        if (free[slot] >= 0)
            left += slot == Reserve ? free[slot] - FirstReserve + 1 : free[slot] / Columns + 1;
    }
    m_faceDown = reserveFaceDown && m_free[Reserve] != None;
    m_selected = std::int8_t(selected);
    m_paired = 52 - left;
}

// A free card the player may take into a pair: a column's, or the reserve's once turned up.
bool JosephineModel::pairable(int card) const
{
    return card != None && !(card == m_free[Reserve] && m_faceDown);
}

void JosephineModel::legal(std::vector<Move> &out) const
{
    if (m_faceDown)
        out.push_back({Move::TurnUp, m_free[Reserve], None});
    if (m_selected != None) {
        for (const std::int8_t card : m_free) {
            if (card != m_selected && pairable(card) &&
                m_rank[std::size_t(card)] == m_rank[std::size_t(m_selected)])
                out.push_back({Move::Pair, m_selected, card});
        }
        for (const std::int8_t card : m_free) {
            if (pairable(card) && m_rank[std::size_t(card)] != m_rank[std::size_t(m_selected)]) {
                out.push_back({Move::Drop, card, None});
                break;
            }
        }
        return;
    }
    for (std::size_t a = 0; a < m_free.size(); ++a) {
        for (std::size_t b = a + 1; b < m_free.size(); ++b) {
            if (pairable(m_free[a]) && pairable(m_free[b]) &&
                m_rank[std::size_t(m_free[a])] == m_rank[std::size_t(m_free[b])])
                out.push_back({Move::Pair, m_free[a], m_free[b]});
        }
    }
}

void JosephineModel::moves(std::vector<Move> &out) const
{
    if (m_faceDown)
        out.push_back({Move::TurnUp, m_free[Reserve], None});
    else
        legal(out);
}

void JosephineModel::play(const Move &move)
{
    if (move.kind == Move::TurnUp) {
        m_faceDown = false;
        return;
    }
    m_selected = None;
    if (move.kind == Move::Drop)
        return;
    for (const std::int8_t card : {move.first, move.second}) {
        if (card >= FirstReserve) {
            m_free[Reserve] = card == FirstReserve ? None : std::int8_t(card - 1);
            m_faceDown = m_free[Reserve] != None;
        } else {
            m_free[std::size_t(card % Columns)] =
                card < Columns ? None : std::int8_t(card - Columns);
        }
    }
    m_paired += 2;
}

bool JosephineModel::won() const
{
    for (const std::int8_t card : m_free) {
        if (card != None)
            return false;
    }
    return true;
}

JosephineModel::Key JosephineModel::key() const
{
    // Each free card, or none, in 6 bits: 61 bits in all.
    KeyWriter<1> key;
    for (const std::int8_t card : m_free)
        key.put(std::uint64_t(card + 1), 6);
    key.put(m_faceDown ? 1 : 0, 1);
    key.put(std::uint64_t(m_selected + 1), 6);
    return key.key();
}
