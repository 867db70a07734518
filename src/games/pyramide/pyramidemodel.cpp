// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/pyramide/pyramidemodel.h"

#include <algorithm>

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
    m_value = places;
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

bool PyramideModel::isFree(int place) const
{
    if (m_value[std::size_t(place)] == Empty)
        return false;
    for (const std::int8_t over : Coverers[std::size_t(place)]) {
        if (over != None && m_value[std::size_t(over)] != Empty)
            return false;
    }
    return true;
}

bool PyramideModel::isHole(int place, int moving) const
{
    if (m_value[std::size_t(place)] != Empty)
        return false;
    for (const std::int8_t parent : Parents[std::size_t(place)]) {
        if (parent != None && (parent == moving || m_value[std::size_t(parent)] == Empty))
            return false;
    }
    return true;
}

// Free kings first, then pairs; with a card selected, what a click does next.
void PyramideModel::addRemovals(std::vector<Move> &out) const
{
    std::array<std::int8_t, Places> free{};
    int count = 0;
    for (int place = Places - 1; place >= 0; --place) {
        if (isFree(place))
            free[std::size_t(count++)] = std::int8_t(place);
    }
    if (m_selected != None) {
        const int selectedValue = m_value[std::size_t(m_selected)];
        for (int i = 0; i < count; ++i) {
            const std::int8_t place = free[std::size_t(i)];
            if (place != m_selected && selectedValue + m_value[std::size_t(place)] == PairSum)
                out.push_back({Move::Pair, m_selected, place});
        }
        return;
    }
    for (int i = 0; i < count; ++i) {
        if (m_value[std::size_t(free[std::size_t(i)])] == KingValue)
            out.push_back({Move::King, free[std::size_t(i)], None});
    }
    for (int i = 0; i < count; ++i) {
        const std::int8_t a = free[std::size_t(i)];
        for (int j = i + 1; j < count; ++j) {
            const std::int8_t b = free[std::size_t(j)];
            if (m_value[std::size_t(a)] + m_value[std::size_t(b)] == PairSum)
                out.push_back({Move::Pair, std::min(a, b), std::max(a, b)});
        }
    }
}

void PyramideModel::addDrops(std::vector<Move> &out, bool reduced) const
{
    std::array<std::int8_t, Places> holes{};
    int holeCount = 0;
    for (int hole = 0; hole < Places; ++hole) {
        if (isHole(hole))
            holes[std::size_t(holeCount++)] = std::int8_t(hole);
    }
    // A hole under the card moving stops being one once it has gone.
    const auto addShifts = [&](int from) {
        const auto &below = Coverers[std::size_t(from)];
        for (int i = 0; i < holeCount; ++i) {
            const std::int8_t hole = holes[std::size_t(i)];
            if (hole != below[0] && hole != below[1])
                out.push_back({Move::Shift, std::int8_t(from), hole});
        }
    };
    // A shift that uncovers a card first, then the stock card's drops, then the other shifts.
    const bool shifts = !(reduced && m_shifts >= m_narrow);
    std::array<bool, Places> uncovers{};
    for (int from = Places - 1; from >= 0 && shifts; --from) {
        if (!isFree(from))
            continue;
        uncovers[std::size_t(from)] = uncoversCard(from);
        if (uncovers[std::size_t(from)])
            addShifts(from);
    }
    if (m_turned) {
        for (int i = 0; i < holeCount; ++i)
            out.push_back({Move::Place, None, holes[std::size_t(i)]});
    }
    for (int from = Places - 1; from >= 0 && shifts && !reduced; --from) {
        if (!uncovers[std::size_t(from)] && isFree(from))
            addShifts(from);
    }
}

// Whether emptying a place leaves one of its parents free.
bool PyramideModel::uncoversCard(int place) const
{
    for (const std::int8_t parent : Parents[std::size_t(place)]) {
        if (parent == None)
            continue;
        bool covered = false;
        for (const std::int8_t over : Coverers[std::size_t(parent)])
            covered = covered || (over != place && m_value[std::size_t(over)] != Empty);
        if (!covered)
            return true;
    }
    return false;
}

void PyramideModel::legal(std::vector<Move> &out) const
{
    if (m_over)
        return;
    if (m_next < StockCards && !m_turned)
        out.push_back({Move::Turn, None, None});
    addRemovals(out);
    if (m_selected != None) {
        const int selectedValue = m_value[std::size_t(m_selected)];
        for (int place = 0; place < Places; ++place) {
            if (place != m_selected && isFree(place) &&
                selectedValue + m_value[std::size_t(place)] != PairSum)
                out.push_back({Move::Deselect, std::int8_t(place), None});
        }
    }
    addDrops(out, false);
}

void PyramideModel::moves(std::vector<Move> &out) const
{
    if (m_over)
        return;
    // Turning the stock card up at once loses nothing: until it is turned the stock offers
    // nothing else, and a king turned up only leaves earlier than it would have.
    if (m_next < StockCards && !m_turned) {
        out.push_back({Move::Turn, None, None});
        return;
    }
    addRemovals(out);
    if (m_selected != None) {
        // Any card clicked that does not pair with the selection drops it, and every move is
        // open again: one such click stands for all of them and for the drops.
        const int selectedValue = m_value[std::size_t(m_selected)];
        for (int place = 0; place < Places; ++place) {
            if (place != m_selected && isFree(place) &&
                selectedValue + m_value[std::size_t(place)] != PairSum) {
                out.push_back({Move::Deselect, std::int8_t(place), None});
                return;
            }
        }
    }
    const std::size_t first = out.size();
    addDrops(out, m_narrow > 0);
    if (m_order == 0)
        return;
    // Another order of the drops, the same for a position each time it is met. The removals
    // stay first: they are what most lines need.
    const auto rank = [this](const Move &move) {
        std::uint64_t mixed =
            m_order * 0x9E3779B97F4A7C15ull ^
            (std::uint64_t(m_next) << 24 | std::uint64_t(move.kind) << 16 |
             std::uint64_t(std::uint8_t(move.from)) << 8 | std::uint64_t(std::uint8_t(move.to)));
        mixed = (mixed ^ (mixed >> 29)) * 0xBF58476D1CE4E5B9ull;
        return mixed ^ (mixed >> 32);
    };
    std::sort(out.begin() + std::ptrdiff_t(first), out.end(),
              [&rank](const Move &x, const Move &y) { return rank(x) < rank(y); });
}

bool PyramideModel::removalPossible() const
{
    std::array<bool, KingValue + 1> seen{};
    for (int place = 0; place < Places; ++place) {
        if (!isFree(place))
            continue;
        const int value = m_value[std::size_t(place)];
        if (value == KingValue || seen[std::size_t(PairSum - value)])
            return true;
        seen[std::size_t(value)] = true;
    }
    return false;
}

// As the rules after each removal or drop: with the pyramid empty the game is won; with at most
// two cards left, an empty stock and nothing to remove, it ends, won when they are worth 13.
void PyramideModel::endCheck()
{
    int left = 0;
    int sum = 0;
    for (const std::uint8_t value : m_value) {
        left += value != Empty ? 1 : 0;
        sum += value;
    }
    const int stock = StockCards - m_next;
    if (left > 0 && (left > 2 || stock > 0 || (left == 2 && removalPossible())))
        return;
    m_over = true;
    m_won = left == 0 || sum == PairSum;
    if (m_won) {
        m_cleared += left;
        m_value.fill(Empty);
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
        m_value[std::size_t(move.from)] = Empty;
        ++m_cleared;
        break;
    case Move::Pair:
        m_value[std::size_t(move.from)] = Empty;
        m_value[std::size_t(move.to)] = Empty;
        m_cleared += 2;
        break;
    case Move::Place:
        m_value[std::size_t(move.to)] = m_stock[std::size_t(m_next)];
        ++m_next;
        m_turned = false;
        break;
    case Move::Shift:
        m_value[std::size_t(move.to)] = m_value[std::size_t(move.from)];
        m_value[std::size_t(move.from)] = Empty;
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
        m_value[std::size_t(move.from)] = before.from;
    if (move.to != None)
        m_value[std::size_t(move.to)] = before.to;
    m_next = before.next;
    m_selected = before.selected;
    m_shifts = before.shifts;
    m_cleared = before.cleared;
    m_turned = before.turned;
    m_over = before.over;
    m_won = false;
    m_before.pop_back();
}

PyramideModel::Key PyramideModel::packed(bool mirrored) const
{
    // Sixteen places of 4 bits to a word; the stock and the selection after the last place.
    Key key;
    for (int place = 0; place < Places; ++place) {
        const int from = mirrored ? Mirror[std::size_t(place)] : place;
        key.words[std::size_t(place / 16)] |= std::uint64_t(m_value[std::size_t(from)])
                                              << (4 * (place % 16));
    }
    const int selected =
        m_selected != None && mirrored ? Mirror[std::size_t(m_selected)] : m_selected;
    key.words[2] |= (std::uint64_t(m_next) | std::uint64_t(m_turned ? 1 : 0) << 5 |
                     std::uint64_t(selected + 1) << 6)
                    << (4 * (Places % 16));
    return key;
}

PyramideModel::Key PyramideModel::key() const
{
    // The rules are the same seen in a mirror, so a position and its mirror image have the same
    // future, move for mirrored move: they share the smaller of their two keys. Whether the game
    // is over follows from the places and the stock, so it is left out.
    const Key plain = packed(false);
    const Key image = packed(true);
    return image.words < plain.words ? image : plain;
}
