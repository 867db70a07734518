// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/roialbert/roialbertsearch.h"

#include "games/roialbert/roialbertseen.h"

#include <array>
#include <unordered_map>
#include <vector>

namespace RoialbertSearch {

namespace {

using Move = RoialbertModel::Move;

// A move in two bytes (kind, card, from, to), so that the moves of a line hundreds of thousands
// of positions deep take little room.
using Packed = std::uint16_t;

Packed pack(const Move &move)
{
    return Packed(move.kind | move.card << 2 | move.from << 8 | move.to << 12);
}

Move unpack(Packed packed)
{
    return {Move::Kind(packed & 3), std::uint8_t(packed >> 2 & 63), std::uint8_t(packed >> 8 & 15),
            std::uint8_t(packed >> 12)};
}

// One position of the line in progress: where its moves start in the array shared by the whole
// line, and the next one to try. Its moves end where the next position's start; the move that
// led to a position is the one before its parent's next.
struct Level {
    std::uint32_t first = 0;
    std::uint32_t next = 0;
};

// Each pass is an exact search of its own, on a fresh table, so the first that runs its course
// answers. They differ in the order they try moves: the worth of an empty column against the 50
// of a card cleared. Many deals whose line one order finds late the other finds early.
constexpr std::array<int, 2> EmptyWorth{12, 24};

// The line cut short wherever one legal move leads from a position of it straight to a later
// one: the search's first line wanders, and the demonstration plays every move of it.
std::vector<Move> shortened(const RoialbertModel &start, const std::vector<Move> &line)
{
    std::unordered_map<RoialbertModel::Key, std::size_t, RoialbertModel::KeyHash> later;
    RoialbertModel position = start;
    later[position.exactKey()] = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        position.play(line[i]);
        later[position.exactKey()] = i + 1;
    }
    std::vector<Move> shorter;
    position = start;
    std::vector<Move> moves;
    for (std::size_t at = 0; at < line.size();) {
        Move best = line[at];
        std::size_t reach = at + 1;
        moves.clear();
        position.legal(moves);
        for (const Move &move : moves) {
            RoialbertModel next = position;
            next.play(move);
            const auto found = later.find(next.exactKey());
            if (found != later.end() && found->second > reach) {
                reach = found->second;
                best = move;
            }
        }
        position.play(best);
        shorter.push_back(best);
        at = reach;
    }
    return shorter;
}

// The depth-first search itself: line gets the winning line, or for a lost deal the one that went
// furthest. The moves waiting on the line get a block of their own, reserved at once (its pages
// are only touched as the line grows); a line that would need more is left Unknown.
Search::Outcome search(const RoialbertModel &start, const std::atomic<bool> &cancel,
                       std::int64_t budget, int emptyWorth, std::int64_t &nodes,
                       std::vector<Move> &line)
{
    constexpr std::size_t MostWaiting = 6'000'000;
    line.clear();
    RoialbertSeen seen(std::size_t(budget) + 1);
    if (!seen.insert(start.key(), cancel))
        return Search::Outcome::Unknown;
    nodes = 1;
    int best = start.progress();
    RoialbertModel position = start;
    std::vector<Move> generated;
    std::vector<Packed> moves;
    std::vector<Level> levels;
    moves.reserve(MostWaiting);
    levels.reserve(std::size_t(budget) + 1);
    const auto append = [&] {
        generated.clear();
        position.moves(generated, emptyWorth);
        levels.push_back({std::uint32_t(moves.size()), std::uint32_t(moves.size())});
        for (const Move &move : generated)
            moves.push_back(pack(move));
    };
    const auto lineOf = [&] {
        std::vector<Move> played;
        for (std::size_t i = 0; i + 1 < levels.size(); ++i)
            played.push_back(unpack(moves[levels[i].next - 1]));
        return played;
    };
    append();
    while (true) {
        Level &level = levels.back();
        if (level.next == moves.size()) {
            moves.resize(level.first);
            levels.pop_back();
            if (levels.empty())
                return Search::Outcome::Lost;
            position.undo(unpack(moves[levels.back().next - 1]));
            continue;
        }
        const Move move = unpack(moves[level.next++]);
        position.play(move);
        if (position.won()) {
            line = lineOf();
            line.push_back(move);
            return Search::Outcome::Won;
        }
        const ByteKey key = position.key();
        if (seen.contains(key)) {
            position.undo(move);
            continue;
        }
        // Every position of Roi Albert has fewer than 512 moves.
        if (nodes >= budget || moves.size() + 512 > MostWaiting || !seen.insert(key, cancel) ||
            cancel.load(std::memory_order_relaxed))
            return Search::Outcome::Unknown;
        ++nodes;
        append();
        if (position.progress() > best) {
            best = position.progress();
            line = lineOf();
        }
    }
}

} // namespace

Search::Result<Move> solve(const RoialbertModel &start, const std::atomic<bool> &cancel,
                           std::int64_t budget)
{
    Search::Result<Move> result;
    if (start.won()) {
        result.outcome = Search::Outcome::Won;
        return result;
    }
    std::vector<Move> line;
    for (const int emptyWorth : EmptyWorth) {
        std::int64_t nodes = 0;
        result.outcome = search(start, cancel, budget, emptyWorth, nodes, line);
        result.nodes += nodes;
        if (result.outcome != Search::Outcome::Unknown || cancel.load(std::memory_order_relaxed))
            break;
    }
    if (result.outcome != Search::Outcome::Unknown)
        result.line = shortened(start, line);
    return result;
}

} // namespace RoialbertSearch
