#include "solver/roialbert/roialbertsearch.h"

#include "solver/search/flatset.h"

#include <vector>

namespace RoialbertSearch {

namespace {

using Move = RoialbertModel::Move;

struct Level {
    RoialbertModel position;
    std::vector<Move> moves;
    std::size_t next = 0;
};

} // namespace

Search::Result<Move> solve(const RoialbertModel &start, const std::atomic<bool> &cancel,
                           std::int64_t budget)
{
    Search::Result<Move> result;
    if (start.won()) {
        result.outcome = Search::Outcome::Won;
        return result;
    }
    FlatSet<RoialbertModel::Key, RoialbertModel::KeyHash> seen(std::size_t(budget) + 1);
    seen.insert(start.key());
    result.nodes = 1;
    int best = start.progress();
    std::vector<Move> path;
    // Levels are kept when the line shortens, so their move lists keep their memory.
    std::vector<Level> levels(1);
    std::size_t depth = 0;
    levels[0].position = start;
    start.moves(levels[0].moves);
    while (true) {
        Level &level = levels[depth];
        if (level.next == level.moves.size()) {
            if (depth == 0)
                break;
            --depth;
            path.pop_back();
            continue;
        }
        const Move move = level.moves[level.next++];
        RoialbertModel child = level.position;
        child.play(move);
        if (child.won()) {
            path.push_back(move);
            result.outcome = Search::Outcome::Won;
            result.line = std::move(path);
            return result;
        }
        const RoialbertModel::Key key = child.key();
        if (seen.contains(key))
            continue;
        if (result.nodes >= budget || cancel.load(std::memory_order_relaxed)) {
            result.line.clear();
            return result;
        }
        seen.insert(key);
        ++result.nodes;
        path.push_back(move);
        if (child.progress() > best) {
            best = child.progress();
            result.line = path;
        }
        if (++depth == levels.size())
            levels.emplace_back();
        Level &next = levels[depth];
        next.position = child;
        next.moves.clear();
        next.next = 0;
        child.moves(next.moves);
    }
    result.outcome = Search::Outcome::Lost;
    return result;
}

} // namespace RoialbertSearch
