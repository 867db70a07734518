// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/line/betweenclearing.h"

#include <array>

namespace {

constexpr int Most = 52;
constexpr std::uint8_t None = 0xFF;

class Spans {
public:
    Spans(const std::vector<std::uint8_t> &cards, bool twoAtOnce)
        : m_cards(cards), m_twoAtOnce(twoAtOnce), m_size(int(cards.size()))
    {
        for (int length = 1; length < m_size; ++length) {
            for (int a = 0; a + length < m_size; ++a)
                fill(a, a + length);
        }
    }

    bool clears(int a, int b) const { return at(m_clear, a, b); }
    std::int64_t cells() const { return std::int64_t(m_size) * m_size / 2; }

    // The removals that clear (a, b), in order.
    void clear(int a, int b, std::vector<LineClearing::Removal> &out) const
    {
        if (b == a + 1)
            return;
        const int k = at(m_one, a, b);
        if (k != None) {
            clear(a, k, out);
            clear(k, b, out);
            out.push_back({std::uint8_t(k), 1});
            return;
        }
        const int m = at(m_two, a, b);
        const int l = at(m_one, a, m);
        clear(a, l, out);
        clear(l, m, out);
        clear(m, b, out);
        out.push_back({std::uint8_t(l), 2});
    }

private:
    using Table = std::array<std::array<std::uint8_t, Most>, Most>;
    static std::uint8_t at(const Table &table, int a, int b)
    {
        return table[std::size_t(a)][std::size_t(b)];
    }
    static void put(Table &table, int a, int b, int value)
    {
        table[std::size_t(a)][std::size_t(b)] = std::uint8_t(value);
    }

    void fill(int a, int b)
    {
        // m_one: the card k that (a, b) can be brought down to; m_two: the second m of two cards.
        put(m_one, a, b, None);
        put(m_two, a, b, None);
        for (int k = a + 1; k < b && at(m_one, a, b) == None; ++k) {
            if (clears(a, k) && clears(k, b))
                put(m_one, a, b, k);
        }
        for (int m = a + 2; m < b && m_twoAtOnce && at(m_two, a, b) == None; ++m) {
            if (at(m_one, a, m) != None && clears(m, b))
                put(m_two, a, b, m);
        }
        const bool alike = Alike(m_cards[std::size_t(a)], m_cards[std::size_t(b)]);
        put(m_clear, a, b,
            b == a + 1 || (alike && (at(m_one, a, b) != None || at(m_two, a, b) != None)));
    }

    const std::vector<std::uint8_t> &m_cards;
    bool m_twoAtOnce;
    int m_size;
    Table m_clear{};
    Table m_one{};
    Table m_two{};
};

} // namespace

LineClearing ClearBetween(const std::vector<std::uint8_t> &cards, bool twoAtOnce,
                          std::uint8_t first, std::uint8_t last)
{
    LineClearing result;
    const int size = int(cards.size());
    if (size < 2 || size > Most)
        return result;
    const Spans spans(cards, twoAtOnce);
    result.nodes = spans.cells();
    const bool ends = cards.front() == first && cards.back() == last;
    if (ends && spans.clears(0, size - 1)) {
        result.outcome = LineClearing::Outcome::Won;
        spans.clear(0, size - 1, result.line);
        return result;
    }
    // Lost: the cards that stay form a chain from end to end whose every link can be cleared; the
    // shortest such chain leaves the fewest cards.
    result.outcome = LineClearing::Outcome::Lost;
    std::array<int, Most> fewest{};
    std::array<int, Most> before{};
    for (int b = 1; b < size; ++b) {
        fewest[std::size_t(b)] = Most + 1;
        for (int a = 0; a < b; ++a) {
            if (spans.clears(a, b) && fewest[std::size_t(a)] + 1 < fewest[std::size_t(b)]) {
                fewest[std::size_t(b)] = fewest[std::size_t(a)] + 1;
                before[std::size_t(b)] = a;
            }
        }
    }
    std::vector<int> chain{size - 1};
    while (chain.back() != 0)
        chain.push_back(before[std::size_t(chain.back())]);
    for (std::size_t link = chain.size() - 1; link > 0; --link)
        spans.clear(chain[link], chain[link - 1], result.line);
    return result;
}
