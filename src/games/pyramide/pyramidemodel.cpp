// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/pyramide/pyramidemodel.h"

#include <algorithm>
#include <bit>

namespace {

using Links = std::array<std::array<std::int8_t, 2>, PyramideModel::Places>;

constexpr int firstOfRow(int row)
{
    return row * (row + 1) / 2;
}

constexpr Links makeCoverers()
{
    Links links{};
    for (int row = 0; row < PyramideModel::Rows; ++row) {
        for (int k = 0; k <= row; ++k) {
            const int place = firstOfRow(row) + k;
            const bool base = row == PyramideModel::Rows - 1;
            links[std::size_t(place)] = {std::int8_t(base ? -1 : place + row + 1),
                                         std::int8_t(base ? -1 : place + row + 2)};
        }
    }
    return links;
}

constexpr Links makeParents()
{
    Links links{};
    for (int row = 0; row < PyramideModel::Rows; ++row) {
        for (int k = 0; k <= row; ++k) {
            const int place = firstOfRow(row) + k;
            links[std::size_t(place)] = {std::int8_t(k >= 1 ? place - row - 1 : -1),
                                         std::int8_t(k <= row - 1 ? place - row : -1)};
        }
    }
    return links;
}

// Each place's image in the pyramid seen in a mirror.
constexpr std::array<std::int8_t, PyramideModel::Places> makeMirror()
{
    std::array<std::int8_t, PyramideModel::Places> mirror{};
    for (int row = 0; row < PyramideModel::Rows; ++row) {
        for (int k = 0; k <= row; ++k)
            mirror[std::size_t(firstOfRow(row) + k)] = std::int8_t(firstOfRow(row) + row - k);
    }
    return mirror;
}

constexpr Links Coverers = makeCoverers();
constexpr std::array<std::int8_t, PyramideModel::Places> Mirror = makeMirror();
constexpr Links Parents = makeParents();

using Bits = std::array<std::uint64_t, PyramideModel::Places>;

constexpr Bits makeGrid()
{
    Bits bits{};
    for (int row = 0; row < PyramideModel::Rows; ++row) {
        for (int k = 0; k <= row; ++k)
            bits[std::size_t(firstOfRow(row) + k)] = std::uint64_t(1) << (8 * row + k);
    }
    return bits;
}

constexpr Bits Grid = makeGrid();

constexpr std::uint64_t gridOf(const std::array<std::int8_t, 2> &places)
{
    std::uint64_t bits = 0;
    for (const std::int8_t place : places)
        bits |= place == -1 ? 0 : Grid[std::size_t(place)];
    return bits;
}

constexpr Bits makeLinks(const Links &links)
{
    Bits bits{};
    for (int place = 0; place < PyramideModel::Places; ++place)
        bits[std::size_t(place)] = gridOf(links[std::size_t(place)]);
    return bits;
}

constexpr Bits CovererBits = makeLinks(Coverers);
constexpr Bits ParentBits = makeLinks(Parents);

constexpr std::array<std::int8_t, 64> makePlaceOfBit()
{
    std::array<std::int8_t, 64> places{};
    places.fill(-1);
    for (int place = 0; place < PyramideModel::Places; ++place)
        places[std::size_t(std::countr_zero(Grid[std::size_t(place)]))] = std::int8_t(place);
    return places;
}

constexpr std::array<std::int8_t, 64> PlaceOfBit = makePlaceOfBit();

constexpr std::uint64_t makeValid()
{
    std::uint64_t bits = 0;
    for (const std::uint64_t bit : Grid)
        bits |= bit;
    return bits;
}

constexpr std::uint64_t Valid = makeValid();

// For each count of cards in the pyramid, the first row whose covered cards can be freed at that
// count. A card in row r is free once no other card lies in the triangle of places that overlap
// it, row after row down to the base: (8 - r)(9 - r) / 2 places with its own. Until then it stays
// where it is, and every other card must then lie outside that triangle: freeing it needs a count
// of at most 36 - (8 - r)(9 - r) / 2 + 1.
constexpr std::array<std::int8_t, PyramideModel::Places + 1> makeFreeable()
{
    std::array<std::int8_t, PyramideModel::Places + 1> rows{};
    for (int count = 0; count <= PyramideModel::Places; ++count) {
        int row = 0;
        while ((PyramideModel::Rows - row) * (PyramideModel::Rows + 1 - row) / 2 >
               PyramideModel::Places + 1 - count)
            ++row;
        rows[std::size_t(count)] = std::int8_t(row);
    }
    return rows;
}

constexpr std::array<std::int8_t, PyramideModel::Places + 1> FirstFreeableRow = makeFreeable();

// The places of a set of grid bits, lowest first or highest first.
template <typename Visit> void ascending(std::uint64_t bits, Visit visit)
{
    for (; bits != 0; bits &= bits - 1)
        visit(PlaceOfBit[std::size_t(std::countr_zero(bits))]);
}

template <typename Visit> void descending(std::uint64_t bits, Visit visit)
{
    while (bits != 0) {
        const int bit = 63 - std::countl_zero(bits);
        bits ^= std::uint64_t(1) << bit;
        visit(PlaceOfBit[std::size_t(bit)]);
    }
}

// Where a place's value lies in the key.
constexpr int keyWord(int place)
{
    return place / 16;
}

constexpr int keyShift(int place)
{
    return 4 * (place % 16);
}

} // namespace

const Links &PyramideModel::coverers()
{
    return Coverers;
}

const Links &PyramideModel::parents()
{
    return Parents;
}

bool PyramideModel::set(const std::array<std::uint8_t, Places> &places,
                        const std::array<std::uint8_t, StockCards> &stock, int next, bool turned,
                        int selected)
{
    if (next < 0 || next > StockCards || selected < None || selected >= Places)
        return false;
    *this = PyramideModel{};
    for (int place = 0; place < Places; ++place)
        setValue(place, places[std::size_t(place)]);
    m_stock = stock;
    m_next = std::int8_t(next);
    m_turned = turned && next < StockCards;
    m_selected = std::int8_t(selected);
    for (int place = 0; place < Places; ++place) {
        if (m_value[std::size_t(place)] > KingValue)
            return false;
        if (m_value[std::size_t(place)] == Empty) {
            ++m_cleared;
            continue;
        }
        // The rules never leave a card resting on a hole.
        for (const std::int8_t parent : Parents[std::size_t(place)]) {
            if (parent != None && m_value[std::size_t(parent)] == Empty)
                return false;
        }
    }
    for (int k = next; k < StockCards; ++k) {
        if (m_stock[std::size_t(k)] < 1 || m_stock[std::size_t(k)] > KingValue)
            return false;
    }
    if (m_selected != None && !isFree(m_selected))
        m_selected = None;
    // A position the rules have ended is over here too.
    endCheck();
    return true;
}

void PyramideModel::setValue(int place, std::uint8_t value)
{
    const std::uint64_t change = m_value[std::size_t(place)] ^ value;
    m_value[std::size_t(place)] = value;
    m_plain.words[std::size_t(keyWord(place))] ^= change << keyShift(place);
    const int image = Mirror[std::size_t(place)];
    m_image.words[std::size_t(keyWord(image))] ^= change << keyShift(image);
    if (value == Empty)
        m_filled &= ~Grid[std::size_t(place)];
    else
        m_filled |= Grid[std::size_t(place)];
}

std::uint64_t PyramideModel::freeBits() const
{
    return m_filled & ~(m_filled >> 8) & ~(m_filled >> 9);
}

std::uint64_t PyramideModel::holeBits() const
{
    // A place off the pyramid counts as holding a card, and so does a parent above the apex or
    // left of a row's first place: the bits shifted in from below the grid.
    const std::uint64_t held = m_filled | ~Valid;
    return Valid & ~m_filled & (held << 9 | 0x1FF) & (held << 8 | 0xFF);
}

bool PyramideModel::isFree(int place) const
{
    return (freeBits() & Grid[std::size_t(place)]) != 0;
}

bool PyramideModel::isHole(int place, int moving) const
{
    return (holeBits() & Grid[std::size_t(place)]) != 0 &&
           (moving == None || (ParentBits[std::size_t(place)] & Grid[std::size_t(moving)]) == 0);
}

// Free kings first, then pairs; with a card selected, what a click does next.
void PyramideModel::addRemovals(std::vector<Move> &out, std::uint64_t free) const
{
    if (m_selected != None) {
        const int selectedValue = m_value[std::size_t(m_selected)];
        descending(free, [&](std::int8_t place) {
            if (place != m_selected && selectedValue + m_value[std::size_t(place)] == PairSum)
                out.push_back({Move::Pair, m_selected, place});
        });
        return;
    }
    std::array<std::int8_t, Places> list;
    int count = 0;
    descending(free, [&](std::int8_t place) {
        list[std::size_t(count++)] = place;
        if (m_value[std::size_t(place)] == KingValue)
            out.push_back({Move::King, place, None});
    });
    for (int i = 0; i < count; ++i) {
        const std::int8_t a = list[std::size_t(i)];
        for (int j = i + 1; j < count; ++j) {
            const std::int8_t b = list[std::size_t(j)];
            if (m_value[std::size_t(a)] + m_value[std::size_t(b)] == PairSum)
                out.push_back({Move::Pair, b, a});
        }
    }
}

void PyramideModel::addDrops(std::vector<Move> &out, std::uint64_t free, bool reduced) const
{
    const std::uint64_t holes = holeBits();
    // A hole under the card moving stops being one once it has gone.
    const auto addShifts = [&](std::int8_t from) {
        ascending(holes & ~CovererBits[std::size_t(from)], [&](std::int8_t hole) {
            out.push_back({Move::Shift, from, hole});
        });
    };
    // A shift that uncovers a card first, then the stock card's drops, then the other shifts.
    const bool shifts = !(reduced && m_shifts >= m_narrow);
    std::uint64_t uncovers = 0;
    if (shifts) {
        descending(free, [&](std::int8_t from) {
            if (uncoversCard(from)) {
                uncovers |= Grid[std::size_t(from)];
                addShifts(from);
            }
        });
    }
    if (m_turned)
        ascending(holes, [&](std::int8_t hole) { out.push_back({Move::Place, None, hole}); });
    if (shifts && !reduced)
        descending(free & ~uncovers, addShifts);
}

// Whether emptying a place leaves one of its parents free.
bool PyramideModel::uncoversCard(int place) const
{
    const std::uint64_t left = m_filled & ~Grid[std::size_t(place)];
    return (left & ~(left >> 8) & ~(left >> 9) & ParentBits[std::size_t(place)]) != 0;
}

void PyramideModel::legal(std::vector<Move> &out) const
{
    if (m_over)
        return;
    if (m_next < StockCards && !m_turned)
        out.push_back({Move::Turn, None, None});
    const std::uint64_t free = freeBits();
    addRemovals(out, free);
    if (m_selected != None) {
        const int selectedValue = m_value[std::size_t(m_selected)];
        ascending(free, [&](std::int8_t place) {
            if (place != m_selected && selectedValue + m_value[std::size_t(place)] != PairSum)
                out.push_back({Move::Deselect, place, None});
        });
    }
    addDrops(out, free, false);
}

void PyramideModel::moves(std::vector<Move> &out) const
{
    // Not looked at again after a move from hole to hole: such moves come by the thousand in a
    // row, and looking after each cost more time than it saved.
    if (m_over || (m_shifts == 0 && !hopeAhead()))
        return;
    // Turning the stock card up at once loses nothing: until it is turned the stock offers
    // nothing else, and a king turned up only leaves earlier than it would have.
    if (m_next < StockCards && !m_turned) {
        out.push_back({Move::Turn, None, None});
        return;
    }
    const std::uint64_t free = freeBits();
    addRemovals(out, free);
    if (m_selected != None) {
        // Any card clicked that does not pair with the selection drops it, and every move is
        // open again: one such click stands for all of them and for the drops.
        const int selectedValue = m_value[std::size_t(m_selected)];
        std::uint64_t others = free & ~Grid[std::size_t(m_selected)];
        for (; others != 0; others &= others - 1) {
            const std::int8_t place = PlaceOfBit[std::size_t(std::countr_zero(others))];
            if (selectedValue + m_value[std::size_t(place)] != PairSum) {
                out.push_back({Move::Deselect, place, None});
                return;
            }
        }
    }
    const std::size_t first = out.size();
    addDrops(out, free, m_narrow > 0);
    if (m_order == 0)
        return;
    // Another order of the drops, the same for a position each time it is met. The removals
    // stay first: they are what most lines need. No two moves share a rank: the mixing is
    // one to one.
    const auto rank = [this](const Move &move) {
        std::uint64_t mixed =
            m_order * 0x9E3779B97F4A7C15ull ^
            (std::uint64_t(m_next) << 24 | std::uint64_t(move.kind) << 16 |
             std::uint64_t(std::uint8_t(move.from)) << 8 | std::uint64_t(std::uint8_t(move.to)));
        mixed = (mixed ^ (mixed >> 29)) * 0xBF58476D1CE4E5B9ull;
        return mixed ^ (mixed >> 32);
    };
    // Each rank worked out once, the move beside it in a word: the buffer is left as it is, not
    // filled with moves each time. More drops than it holds never arise in a deal.
    struct Ranked {
        std::uint64_t rank;
        std::uint32_t move;
    };
    std::array<Ranked, 512> ranked;
    const std::size_t count = out.size() - first;
    if (count > ranked.size()) {
        std::sort(out.begin() + std::ptrdiff_t(first), out.end(),
                  [&rank](const Move &x, const Move &y) { return rank(x) < rank(y); });
        return;
    }
    for (std::size_t i = 0; i < count; ++i) {
        const Move &move = out[first + i];
        ranked[i] = {rank(move), std::uint32_t(move.kind) |
                                     std::uint32_t(std::uint8_t(move.from)) << 8 |
                                     std::uint32_t(std::uint8_t(move.to)) << 16};
    }
    std::sort(ranked.begin(), ranked.begin() + std::ptrdiff_t(count),
              [](const Ranked &x, const Ranked &y) { return x.rank < y.rank; });
    for (std::size_t i = 0; i < count; ++i)
        out[first + i] = {Move::Kind(ranked[i].move & 0xFF), std::int8_t(ranked[i].move >> 8),
                          std::int8_t(ranked[i].move >> 16)};
}

bool PyramideModel::removalPossible() const
{
    std::array<bool, KingValue + 1> seen{};
    bool found = false;
    ascending(freeBits(), [&](std::int8_t place) {
        const int value = m_value[std::size_t(place)];
        found = found || value == KingValue || seen[std::size_t(PairSum - value)];
        seen[std::size_t(value)] = true;
    });
    return found;
}

// Whether the game could still be won (or, with Cut::Stuck, a card still leave the pyramid) were
// every card that is free, or can ever be freed, free to pair with any other. That game allows all
// the rules allow and more, so when it cannot be won neither can the rules' game:
// - A covered card can be freed only while the count of cards allows it (FirstFreeableRow); once
//   free it may move anywhere. Those of the rows the count allows are all freed at once: freeing
//   changes no count, and a free card can do all a covered one can.
// - Free kings and pairs leave at once: that only lowers the count, which only makes room.
// - Then the next card of the stock comes in, into a hole, which a full pyramid has not; a king
//   leaves as it is turned up.
// - The game is won with the pyramid empty, or with the stock gone and two cards worth 13 left.
// So the cards' values are only counted, in order, and the game played out: a few dozen steps.
bool PyramideModel::hopeAhead() const
{
    std::array<int, KingValue + 1> loose{}; // the free cards of each value, waiting for a partner
    int count = std::popcount(m_filled);
    bool removed = false;
    // Once the stock is gone, with no king at the apex, the cards now in places 1 and 2 can only be
    // free together with nothing but the apex left. While one of them is free every other card
    // lies on the apex and on the other one's edge of the pyramid, so that it may only move to the
    // end of that edge, where it is the only free card with its place empty: only it can go back
    // there, and no other card ever takes its place. Taken together, they would leave the apex
    // alone, lost; so each waits apart for a partner of its own, and until it leaves one loose
    // card that may pair with it is kept for it. A loose card pairs with a waiting one first,
    // since it could pair with either.
    const bool apart = m_cut == Cut::Unwinnable && m_next == StockCards &&
                       m_value[0] != KingValue && m_value[1] != Empty && m_value[2] != Empty &&
                       m_value[1] + m_value[2] == PairSum;
    std::array<bool, 3> waiting{}; // the card of place 1 or 2, free and apart
    std::array<bool, 3> gone{};    // the card of place 1 or 2 has left
    // The loose cards of a value kept for the card of place 1 or 2 that may pair with it.
    const auto kept = [&](int value) {
        int cards = 0;
        for (int place = 1; place <= 2 && apart; ++place)
            cards += !gone[std::size_t(place)] && PairSum - value == m_value[std::size_t(place)];
        return cards;
    };
    // A card that comes free leaves at once with a partner, or alone as a king.
    const auto loosen = [&](int value, int place) {
        const bool edge = apart && (place == 1 || place == 2);
        const int partner = PairSum - value;
        const auto take = [&](int from) {
            waiting[std::size_t(from)] = false;
            gone[std::size_t(from)] = true;
            count -= 2;
        };
        if (value == KingValue) {
            --count;
        } else if (!edge && apart && waiting[1] && partner == m_value[1]) {
            take(1);
        } else if (!edge && apart && waiting[2] && partner == m_value[2]) {
            take(2);
        } else if (edge && loose[std::size_t(partner)] > 0) {
            --loose[std::size_t(partner)];
            gone[std::size_t(place)] = true;
            count -= 2;
        } else if (!edge && loose[std::size_t(partner)] > kept(partner) &&
                   loose[std::size_t(value)] >= kept(value)) {
            --loose[std::size_t(partner)];
            count -= 2;
        } else {
            if (edge)
                waiting[std::size_t(place)] = true;
            else
                ++loose[std::size_t(value)];
            return;
        }
        removed = true;
    };
    const auto loosenPlaces = [&](std::uint64_t places) {
        ascending(places, [&](std::int8_t place) { loosen(m_value[std::size_t(place)], place); });
    };
    std::uint64_t held = m_filled & ~freeBits();
    loosenPlaces(m_filled & ~held);
    for (int next = m_next;; ++next) {
        // Each removal may let cards of a row further up come free.
        for (std::uint64_t freed = 1; freed != 0;) {
            freed = held & ~std::uint64_t(0) << (8 * FirstFreeableRow[std::size_t(count)]);
            held ^= freed;
            loosenPlaces(freed);
        }
        if (count == 0 || (removed && m_cut == Cut::Stuck))
            return true;
        if (next == StockCards) {
            if (count != 2)
                return false;
            int sum = 0;
            for (int value = 1; value < KingValue; ++value)
                sum += value * loose[std::size_t(value)];
            for (int place = 1; place <= 2; ++place)
                sum += waiting[std::size_t(place)] ? m_value[std::size_t(place)] : 0;
            ascending(held, [&](std::int8_t place) { sum += m_value[std::size_t(place)]; });
            return sum == PairSum;
        }
        const int value = m_stock[std::size_t(next)];
        if (value == KingValue)
            continue;
        if (count == Places)
            return false;
        ++count;
        loosen(value, None);
    }
}

// As the rules after each removal or drop: with the pyramid empty the game is won; with at most
// two cards left, an empty stock and nothing to remove, it ends, won when they are worth 13.
void PyramideModel::endCheck()
{
    const int left = std::popcount(m_filled);
    const int stock = StockCards - m_next;
    if (left > 0 && (left > 2 || stock > 0 || (left == 2 && removalPossible())))
        return;
    int sum = 0;
    for (const std::uint8_t value : m_value)
        sum += value;
    m_over = true;
    m_won = left == 0 || sum == PairSum;
    if (m_won) {
        m_cleared += left;
        for (int place = 0; place < Places; ++place)
            setValue(place, Empty);
    }
}

void PyramideModel::play(const Move &move)
{
    const auto valueAt = [this](std::int8_t place) {
        return place == None ? Empty : m_value[std::size_t(place)];
    };
    m_before.push_back({valueAt(move.from), valueAt(move.to), m_next, m_selected,
                        std::int8_t(m_shifts), std::uint8_t(m_cleared), m_turned, m_over});
    switch (move.kind) {
    case Move::Turn:
        if (m_stock[std::size_t(m_next)] != KingValue) {
            m_turned = true;
            return;
        }
        // A king turned up leaves at once; a card selected stays selected.
        ++m_next;
        ++m_cleared;
        m_shifts = 0;
        endCheck();
        return;
    case Move::Deselect:
        m_selected = None;
        return;
    case Move::King:
        setValue(move.from, Empty);
        ++m_cleared;
        break;
    case Move::Pair:
        setValue(move.from, Empty);
        setValue(move.to, Empty);
        m_cleared += 2;
        break;
    case Move::Place:
        setValue(move.to, m_stock[std::size_t(m_next)]);
        ++m_next;
        m_turned = false;
        break;
    case Move::Shift:
        setValue(move.to, m_value[std::size_t(move.from)]);
        setValue(move.from, Empty);
        ++m_shifts;
        m_selected = None;
        endCheck();
        return;
    }
    m_shifts = 0;
    m_selected = None;
    endCheck();
}

// A won position ends the search, so no move that wins is taken back: the places it emptied need
// not be restored.
void PyramideModel::undo(const Move &move)
{
    const Before &before = m_before.back();
    if (move.from != None)
        setValue(move.from, before.from);
    if (move.to != None)
        setValue(move.to, before.to);
    m_next = before.next;
    m_selected = before.selected;
    m_shifts = before.shifts;
    m_cleared = before.cleared;
    m_turned = before.turned;
    m_over = before.over;
    m_won = false;
    m_before.pop_back();
}

PyramideModel::Key PyramideModel::key() const
{
    // The rules are the same seen in a mirror, so a position and its mirror image have the same
    // future, move for mirrored move: they share the smaller of their two keys. Whether the game
    // is over follows from the places and the stock, so it is left out. Sixteen places of 4 bits
    // to a word, kept up to date as cards move; the stock and the selection after the last place.
    const auto tail = [this](int selected) {
        return (std::uint64_t(m_next) | std::uint64_t(m_turned ? 1 : 0) << 5 |
                std::uint64_t(selected + 1) << 6)
               << (4 * (Places % 16));
    };
    Key plain = m_plain;
    Key image = m_image;
    plain.words[2] |= tail(m_selected);
    image.words[2] |= tail(m_selected == None ? None : Mirror[std::size_t(m_selected)]);
    return image.words < plain.words ? image : plain;
}
