// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/carre/carremodel.h"

#include <algorithm>
#include <bit>

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
    m_stretches = std::make_shared<Stretches>(*this);
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

// A line that wins lays every card. Seen over the reserve, it lays the reserve's top card after
// laying every stock card drawn meanwhile, some at once and the others from the reserve above it,
// which it must have cleared: then the next card down, and so on, and the rest of the stock last.
// So a line wins if and only if there are draws e(k) <= ... <= e(1) such that each stretch of the
// stock between them can be laid whole over the reserve as it stands (that stretch "clears"), the
// reserve card at its end fits, and the stock past e(1) clears. Whether a stretch [a, b) clears
// depends only on a, b and how many piles show each rank at a: its first card is laid either at
// once or, put on the reserve, once a stretch [a + 1, m) has cleared above it, and then [m, b)
// must clear. Each (a, counts) gets the set of every b that clears, as bits, kept for the whole
// search: the stock is the same for every position of the deal.
struct CarreModel::Stretches {
    explicit Stretches(const CarreModel &model) : size(model.m_stockSize)
    {
        for (int i = 0; i < size; ++i) {
            const int r = model.rank(model.m_stock[std::size_t(i)]);
            rank[std::size_t(i)] = std::uint8_t(r);
            sums[std::size_t(i) + 1] = sums[std::size_t(i)];
            --sums[std::size_t(i) + 1][std::size_t((r + Ranks - 1) % Ranks)];
            ++sums[std::size_t(i) + 1][std::size_t(r)];
        }
        for (int i = size - 1; i >= 0; --i) {
            wanted[std::size_t(i)] = wanted[std::size_t(i) + 1];
            ++wanted[std::size_t(i)][std::size_t((rank[std::size_t(i)] + Ranks - 1) % Ranks)];
        }
    }

    // The counts once the stock's cards a to b - 1 are laid.
    Counts after(Counts counts, int a, int b) const
    {
        for (std::size_t r = 0; r < Ranks; ++r)
            counts[r] += sums[std::size_t(b)][r] - sums[std::size_t(a)][r];
        return counts;
    }

    // Every b such that the stock's cards a to b - 1 can all be laid from these counts, the
    // reserve below them untouched: bit b.
    std::uint64_t ends(int a, Counts counts)
    {
        const std::uint64_t at = std::uint64_t(1) << a;
        if (a == size)
            return at;
        // Only a card going onto rank r takes a pile showing r away. With as many such piles as
        // there are such cards from a on, each of those cards finds one whatever happens; more
        // piles change nothing. So counts are cut to that number: no answer changes and more
        // counts meet in the table.
        for (std::size_t r = 0; r < Ranks; ++r)
            counts[r] = std::min(counts[r], wanted[std::size_t(a)][r]);
        const std::uint64_t key = (std::uint64_t(a + 1) << 52) | pack(counts);
        for (std::size_t slot = slotOf(key); table[slot].key != 0;
             slot = (slot + 1) & (table.size() - 1)) {
            if (table[slot].key == key)
                return table[slot].ends;
        }
        const int r = rank[std::size_t(a)];
        const std::size_t below = std::size_t((r + Ranks - 1) % Ranks);
        std::uint64_t found = at;
        const std::uint64_t inner = ends(a + 1, counts);
        // The counts once the cards a + 1 to m - 1 are laid, m going up.
        Counts laid = counts;
        for (int m = a + 1; inner >> m != 0; ++m) {
            if ((inner >> m & 1) != 0 && laid[below] >= 1) {
                Counts then = laid;
                --then[below];
                ++then[std::size_t(r)];
                found |= ends(m, then);
            }
            if (m < size) {
                const int next = rank[std::size_t(m)];
                --laid[std::size_t((next + Ranks - 1) % Ranks)];
                ++laid[std::size_t(next)];
            }
        }
        if (++used > table.size() / 4 * 3)
            grow();
        store(key, found);
        return found;
    }

    std::size_t slotOf(std::uint64_t key) const
    {
        return std::size_t((key * 0x9E3779B97F4A7C15u) >> (64 - std::countr_zero(table.size())));
    }

    void store(std::uint64_t key, std::uint64_t ends)
    {
        std::size_t slot = slotOf(key);
        while (table[slot].key != 0)
            slot = (slot + 1) & (table.size() - 1);
        table[slot] = {key, ends};
    }

    // Twice as large, up to 2^20 entries (16 MiB); a full table at that size starts again
    // empty, which loses only speed.
    void grow()
    {
        std::vector<Entry> old = std::move(table);
        const bool full = old.size() >= MostSlots;
        table.assign(full ? old.size() : 2 * old.size(), Entry{});
        used = 1;
        if (full)
            return;
        for (const Entry &entry : old) {
            if (entry.key != 0) {
                store(entry.key, entry.ends);
                ++used;
            }
        }
    }

    static constexpr std::size_t MostSlots = std::size_t(1) << 20;
    int size;
    std::array<std::uint8_t, Others> rank{};
    std::array<Counts, Others + 1> sums{};
    // wanted[a][r]: how many of the stock's cards from a on go onto a pile showing rank r.
    std::array<Counts, Others + 1> wanted{};
    // Open addressing: key 0 is a free slot, and no key is 0.
    struct Entry {
        std::uint64_t key = 0;
        std::uint64_t ends = 0;
    };
    std::vector<Entry> table = std::vector<Entry>(1024);
    std::size_t used = 0;
    // The positions whose moves were asked for.
    std::int64_t positions = 0;
};

std::uint64_t CarreModel::pack(const Counts &counts)
{
    std::uint64_t packed = 0;
    for (std::size_t r = 0; r < Ranks; ++r)
        packed |= std::uint64_t(counts[r]) << (4 * r);
    return packed;
}

CarreModel::Counts CarreModel::showing() const
{
    Counts counts{};
    for (const std::uint8_t card : m_top)
        ++counts[m_rank[card]];
    return counts;
}

bool CarreModel::winnable() const
{
    // A model never given a deal holds no card: nothing is left to lay.
    if (!m_stretches)
        return won();
    Stretches &stretches = *m_stretches;
    // The counts with the reserve's cards above the current one laid, and no stock card.
    Counts base = showing();
    std::uint64_t reach = std::uint64_t(1) << m_drawn;
    for (int i = m_reserveSize - 1; i >= 0; --i) {
        const int r = m_rank[m_reserve[std::size_t(i)]];
        const std::size_t below = std::size_t((r + Ranks - 1) % Ranks);
        std::uint64_t ends = 0;
        for (; reach != 0; reach &= reach - 1) {
            const int e = std::countr_zero(reach);
            ends |= stretches.ends(e, stretches.after(base, m_drawn, e));
        }
        for (; ends != 0; ends &= ends - 1) {
            const int e = std::countr_zero(ends);
            if (stretches.after(base, m_drawn, e)[below] >= 1)
                reach |= std::uint64_t(1) << e;
        }
        if (reach == 0)
            return false;
        --base[below];
        ++base[std::size_t(r)];
    }
    for (; reach != 0; reach &= reach - 1) {
        const int e = std::countr_zero(reach);
        if (stretches.ends(e, stretches.after(base, m_drawn, e)) >> m_stockSize & 1)
            return true;
    }
    return false;
}

void CarreModel::moves(std::vector<Move> &out) const
{
    // Most deals are settled by a few thousand positions before the whole-stretch count pays
    // off; past those, it leaves only positions from which a line wins.
    if (hopeless() || (m_stretches && ++m_stretches->positions > Searched && !winnable()))
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

void CarreModel::undo(const Move &move)
{
    switch (move.kind) {
    case Move::StockToSquare:
        --m_drawn;
        m_top[move.pile] = move.onto;
        --m_placed;
        return;
    case Move::StockToReserve:
        --m_drawn;
        --m_reserveSize;
        return;
    case Move::ReserveToSquare:
        m_reserve[m_reserveSize++] = move.card;
        m_top[move.pile] = move.onto;
        --m_placed;
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
