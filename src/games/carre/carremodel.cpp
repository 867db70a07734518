// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/carre/carremodel.h"

#include <algorithm>

bool CarreModel::set(const std::array<int, Cards> &ranks, const std::array<int, Piles> &tops,
                     const std::vector<int> &stock, const std::vector<int> &reserve)
{
    if (stock.size() + reserve.size() > std::size_t(Others))
        return false;
    *this = CarreModel{};
    for (std::size_t k = 0; k < ranks.size(); ++k) {
        if (ranks[k] < 1 || ranks[k] > Ranks)
            return false;
        m_rank[k] = std::uint8_t(ranks[k] - 1);
    }
    std::array<bool, Cards> seen{};
    const auto take = [&seen](int card) {
        if (card < 0 || card >= Cards || seen[std::size_t(card)])
            return false;
        seen[std::size_t(card)] = true;
        return true;
    };
    for (std::size_t pile = 0; pile < tops.size(); ++pile) {
        if (!take(tops[pile]))
            return false;
        m_top[pile] = std::uint8_t(tops[pile]);
    }
    m_inStock.fill(None);
    for (const int card : stock) {
        if (!take(card))
            return false;
        m_inStock[std::size_t(card)] = m_stockSize;
        m_stock[m_stockSize++] = std::uint8_t(card);
    }
    for (const int card : reserve) {
        if (!take(card))
            return false;
        m_reserve[m_reserveSize++] = std::uint8_t(card);
    }
    m_placed = Others - m_stockSize - m_reserveSize;
    return true;
}

std::uint8_t CarreModel::pileFor(int card) const
{
    const int below = (rank(card) + Ranks - 1) % Ranks;
    for (std::uint8_t pile = 0; pile < Piles; ++pile) {
        if (rank(m_top[pile]) == below)
            return pile;
    }
    return None;
}

void CarreModel::legal(std::vector<Move> &out) const
{
    for (const int card : {stockTop(), reserveTop()}) {
        if (card == None)
            continue;
        const Move::Kind kind = card == stockTop() ? Move::StockToSquare : Move::ReserveToSquare;
        const int wanted = (rank(card) + Ranks - 1) % Ranks;
        for (std::uint8_t pile = 0; pile < Piles; ++pile) {
            if (rank(m_top[pile]) == wanted)
                out.push_back({kind, std::uint8_t(card), pile, m_top[pile]});
        }
    }
    if (stockTop() != None)
        out.push_back(
            {Move::StockToReserve, std::uint8_t(stockTop()), None, std::uint8_t(reserveTop())});
}

// Which cards lie on the square fixes how many piles show each rank, whatever order they were
// laid in: a card of rank r turns a pile showing r - 1 into one showing r. And every stock card
// drawn while a reserve card waits is laid before it, at once or from the reserve above it. So a
// winning line lays the reserve's i-th card from the top after the cards above it and after the
// first k(i) stock cards, k(i) growing with i, at a moment when no count of piles is below zero
// and some pile shows the rank under its own. Taking the smallest k that will do for each card
// in turn leaves the next card every choice it had; if even that fails, or laying the rest of
// the stock after the reserve drives a count below zero, no line wins from here.
bool CarreModel::hopeless() const
{
    std::array<int, Ranks> showing{};
    for (const std::uint8_t card : m_top)
        ++showing[m_rank[card]];
    int belowZero = 0;
    const auto land = [&](int r) {
        const std::size_t below = std::size_t((r + Ranks - 1) % Ranks);
        if (showing[below]-- == 0)
            ++belowZero;
        if (++showing[std::size_t(r)] == 0)
            --belowZero;
    };
    int drawn = m_drawn;
    for (int i = m_reserveSize - 1; i >= 0; --i) {
        const int r = m_rank[m_reserve[std::size_t(i)]];
        const std::size_t below = std::size_t((r + Ranks - 1) % Ranks);
        while (belowZero > 0 || showing[below] < 1) {
            if (drawn == m_stockSize)
                return true;
            land(m_rank[m_stock[std::size_t(drawn++)]]);
        }
        land(r);
    }
    while (drawn < m_stockSize)
        land(m_rank[m_stock[std::size_t(drawn++)]]);
    return belowZero > 0;
}

void CarreModel::moves(std::vector<Move> &out) const
{
    if (hopeless())
        return;
    const int reserve = reserveTop();
    const int stock = stockTop();
    const std::uint8_t reservePile = reserve == None ? None : pileFor(reserve);
    if (reservePile != None)
        out.push_back(
            {Move::ReserveToSquare, std::uint8_t(reserve), reservePile, m_top[reservePile]});
    if (stock == None)
        return;
    // With the reserve's top of the same rank playable too, laying the stock card instead is no
    // better: the reserve card played, then the stock card put on the reserve, is the same
    // position, cards of one rank being alike.
    const std::uint8_t stockPile = pileFor(stock);
    if (stockPile != None && !(reservePile != None && rank(reserve) == rank(stock)))
        out.push_back({Move::StockToSquare, std::uint8_t(stock), stockPile, m_top[stockPile]});
    out.push_back({Move::StockToReserve, std::uint8_t(stock), None, std::uint8_t(reserve)});
}

void CarreModel::play(const Move &move)
{
    switch (move.kind) {
    case Move::StockToSquare:
        ++m_drawn;
        m_top[move.pile] = move.card;
        ++m_placed;
        return;
    case Move::StockToReserve:
        ++m_drawn;
        m_reserve[m_reserveSize++] = move.card;
        return;
    case Move::ReserveToSquare:
        --m_reserveSize;
        m_top[move.pile] = move.card;
        ++m_placed;
        return;
    }
}

CarreModel::Key CarreModel::key() const
{
    // A card of rank r turns a pile showing r - 1 into one showing r whatever the order, so how
    // many piles show each rank follows from the ranks laid: those of the cards neither still in
    // the stock, whose order is the deal's, nor in the reserve. Which pile shows a rank does not
    // matter. So the count drawn and the reserve's ranks from the bottom name the position; that
    // fits in 128 bits up to 28 reserve cards. A longer reserve is named by its cards instead:
    // those it kept from the start, at its bottom, and those it took from the stock, one bit per
    // stock card. The first bit says which form follows, and the reserve's size alone picks it.
    constexpr int RankedReserve = 28;
    KeyWriter<2> key;
    key.put(m_reserveSize > RankedReserve ? 1 : 0, 1);
    key.put(m_drawn, 6);
    if (m_reserveSize <= RankedReserve) {
        key.put(m_reserveSize, 6);
        for (std::size_t i = 0; i < m_reserveSize; ++i)
            key.put(m_rank[m_reserve[i]], 4);
        return key.key();
    }
    int kept = 0;
    std::uint64_t taken = 0;
    for (std::size_t i = 0; i < m_reserveSize; ++i) {
        const std::uint8_t at = m_inStock[m_reserve[i]];
        if (at == None)
            ++kept;
        else
            taken |= std::uint64_t(1) << at;
    }
    key.put(std::uint64_t(kept), 6);
    key.put(taken, Others);
    return key.key();
}
