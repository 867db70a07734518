// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/clesonges/clesongesmodel.h"

void CleSongesModel::set(const std::array<int, 32> &ranks, const std::array<int, Piles> &left,
                         const std::array<bool, Piles> &faceUp, int selected)
{
    *this = CleSongesModel{};
    int cards = 0;
    for (std::size_t k = 0; k < ranks.size(); ++k)
        m_rank[k] = std::int8_t(ranks[k]);
    for (std::size_t p = 0; p < std::size_t(Piles); ++p) {
        m_left[p] = std::int8_t(left[p]);
        m_faceUp[p] = faceUp[p] && left[p] > 0;
        cards += left[p];
    }
    m_selected = std::int8_t(selected);
    m_paired = 32 - cards;
}

int CleSongesModel::top(int pile) const
{
    const int left = m_left[std::size_t(pile)];
    return left > 0 ? pile * PileSize + left - 1 : None;
}

void CleSongesModel::legal(std::vector<Move> &out) const
{
    for (int p = 0; p < Piles; ++p) {
        if (top(p) != None && !faceUp(p))
            out.push_back({Move::TurnUp, std::int8_t(top(p)), None});
    }
    const auto rank = [this](int card) { return m_rank[std::size_t(card)]; };
    if (m_selected != None) {
        for (int p = 0; p < Piles; ++p) {
            if (faceUp(p) && top(p) != m_selected && rank(top(p)) == rank(m_selected))
                out.push_back({Move::Pair, m_selected, std::int8_t(top(p))});
        }
        for (int p = 0; p < Piles; ++p) {
            if (faceUp(p) && rank(top(p)) != rank(m_selected)) {
                out.push_back({Move::Drop, std::int8_t(top(p)), None});
                break;
            }
        }
        return;
    }
    for (int p = 0; p < Piles; ++p) {
        for (int q = p + 1; q < Piles; ++q) {
            if (faceUp(p) && faceUp(q) && rank(top(p)) == rank(top(q)))
                out.push_back({Move::Pair, std::int8_t(top(p)), std::int8_t(top(q))});
        }
    }
}

void CleSongesModel::moves(std::vector<Move> &out) const
{
    for (int p = 0; p < Piles; ++p) {
        if (top(p) != None && !faceUp(p)) {
            out.push_back({Move::TurnUp, std::int8_t(top(p)), None});
            return;
        }
    }
    legal(out);
}

void CleSongesModel::play(const Move &move)
{
    if (move.kind == Move::TurnUp) {
        m_faceUp[std::size_t(move.first / PileSize)] = true;
        return;
    }
    m_selected = None;
    if (move.kind == Move::Drop)
        return;
    for (const std::int8_t card : {move.first, move.second}) {
        const auto pile = std::size_t(card / PileSize);
        --m_left[pile];
        m_faceUp[pile] = false;
    }
    m_paired += 2;
}

bool CleSongesModel::won() const
{
    for (const std::int8_t left : m_left) {
        if (left > 0)
            return false;
    }
    return true;
}

CleSongesModel::Key CleSongesModel::key() const
{
    // Each pile's count (0 to 4) and whether its top is face up, then the selected card or none.
    KeyWriter<1> key;
    for (std::size_t p = 0; p < std::size_t(Piles); ++p) {
        key.put(std::uint64_t(m_left[p]), 3);
        key.put(m_faceUp[p] ? 1 : 0, 1);
    }
    key.put(std::uint64_t(m_selected + 1), 6);
    return key.key();
}
