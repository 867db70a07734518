// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/pyramide/pyramidesearch.h"

#include "solver/search/flatset.h"

namespace {

using Model = PyramideModel;
using Move = PyramideModel::Move;

// The search's path is held in arrays rather than on the call stack: moves into holes can make
// it thousands of positions deep.
class Searcher {
public:
    Searcher(const std::atomic<bool> &cancel, Search::Limits limits)
        : m_cancel(cancel), m_limits(limits), m_seen(limits.tableEntries, cancel)
    {
    }

    Search::Result<Move> solve(const Model &start)
    {
        Search::Result<Move> result;
        const Step step = search(start);
        result.nodes = m_nodes;
        if (step == Step::Won) {
            result.outcome = Search::Outcome::Won;
            result.line = m_path;
        } else if (step == Step::Lost && !m_cut) {
            result.outcome = Search::Outcome::Lost;
            result.line = m_bestLine;
        }
        return result;
    }

private:
    enum class Step { Won, Lost, Stopped, Seen };
    struct Frame {
        Model position;
        std::size_t first; // its moves in m_moves
        std::size_t next;  // the next one to try
        std::size_t end;
    };

    // Enters a position: Seen when it was searched before, or on the path.
    Step enter(const Model &position)
    {
        if (position.won())
            return Step::Won;
        if (m_nodes >= m_limits.nodes || m_cancel.load(std::memory_order_relaxed))
            return Step::Stopped;
        // A path this long wanders among moves into holes; leaving it makes a loss unprovable.
        if (m_frames.size() >= MaxDepth) {
            m_cut = true;
            return Step::Seen;
        }
        const Model::Key key = position.key();
        if (m_seen.contains(key))
            return Step::Seen;
        if (!m_seen.insert(key))
            return Step::Stopped;
        ++m_nodes;
        if (position.progress() > m_bestProgress) {
            m_bestProgress = position.progress();
            m_bestLine = m_path;
        }
        const std::size_t first = m_moves.size();
        position.moves(m_moves);
        m_frames.push_back({position, first, first, m_moves.size()});
        return Step::Lost;
    }

    Step search(const Model &start)
    {
        m_bestProgress = start.progress();
        const Step first = enter(start);
        if (first != Step::Lost)
            return first == Step::Seen ? Step::Lost : first;
        while (!m_frames.empty()) {
            Frame &top = m_frames.back();
            if (top.next == top.end) {
                m_moves.resize(top.first);
                m_frames.pop_back();
                if (!m_path.empty())
                    m_path.pop_back();
                continue;
            }
            const Move move = m_moves[top.next++];
            Model child = top.position;
            child.play(move);
            m_path.push_back(move);
            // top is not used past here: entering the child may move the frames.
            const Step step = enter(child);
            if (step == Step::Won || step == Step::Stopped)
                return step;
            if (step == Step::Seen)
                m_path.pop_back();
        }
        return Step::Lost;
    }

    const std::atomic<bool> &m_cancel;
    Search::Limits m_limits;
    // Deep enough for the search over every move, whose lines of moves into holes run to tens
    // of thousands of positions on some lost deals; deeper, the path and its moves would take
    // the memory a search may use.
    static constexpr std::size_t MaxDepth = 40'000;

    std::int64_t m_nodes = 0;
    bool m_cut = false;
    int m_bestProgress = 0;
    std::vector<Frame> m_frames;
    std::vector<Move> m_moves;
    std::vector<Move> m_path;
    std::vector<Move> m_bestLine;
    FlatSet<Model::Key, Model::KeyHash> m_seen;
};

} // namespace

Search::Result<Move> SolvePyramide(const Model &start, const std::atomic<bool> &cancel,
                                   Search::Limits limits)
{
    return Searcher(cancel, limits).solve(start);
}
