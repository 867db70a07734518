#include "solver/roialbert/roialbertsearch.h"

#include "solver/search/flatset.h"

#include <unordered_map>
#include <vector>

namespace RoialbertSearch {

namespace {

using Move = RoialbertModel::Move;

// One position of the line in progress: the move that led to it and its own moves, which lie in
// one array shared by the whole line.
struct Level {
    Move played;
    std::uint32_t first = 0;
    std::uint32_t next = 0;
    std::uint32_t end = 0;
};

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

} // namespace

Search::Result<Move> solve(const RoialbertModel &start, const std::atomic<bool> &cancel,
                           std::int64_t budget)
{
    Search::Result<Move> result;
    if (start.won()) {
        result.outcome = Search::Outcome::Won;
        return result;
    }
    FlatSet<RoialbertModel::Key, RoialbertModel::KeyHash> seen(std::size_t(budget) + 1, cancel);
    seen.insert(start.key());
    result.nodes = 1;
    int best = start.progress();
    RoialbertModel position = start;
    std::vector<Move> moves;
    position.moves(moves);
    std::vector<Level> levels{Level{Move{}, 0, 0, std::uint32_t(moves.size())}};
    const auto lineOf = [&levels] {
        std::vector<Move> line;
        for (std::size_t i = 1; i < levels.size(); ++i)
            line.push_back(levels[i].played);
        return line;
    };
    while (true) {
        Level &level = levels.back();
        if (level.next == level.end) {
            if (levels.size() == 1)
                break;
            position.undo(level.played);
            moves.resize(level.first);
            levels.pop_back();
            continue;
        }
        const Move move = moves[level.next++];
        position.play(move);
        if (position.won()) {
            levels.push_back({move, 0, 0, 0});
            result.outcome = Search::Outcome::Won;
            result.line = shortened(start, lineOf());
            return result;
        }
        const RoialbertModel::Key key = position.key();
        if (seen.contains(key)) {
            position.undo(move);
            continue;
        }
        if (result.nodes >= budget || cancel.load(std::memory_order_relaxed)) {
            result.line.clear();
            return result;
        }
        seen.insert(key);
        ++result.nodes;
        const auto first = std::uint32_t(moves.size());
        position.moves(moves);
        levels.push_back({move, first, first, std::uint32_t(moves.size())});
        if (position.progress() > best) {
            best = position.progress();
            result.line = lineOf();
        }
    }
    result.outcome = Search::Outcome::Lost;
    result.line = shortened(start, result.line);
    return result;
}

} // namespace RoialbertSearch
