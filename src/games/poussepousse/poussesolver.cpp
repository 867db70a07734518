// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/poussepousse/poussesolver.h"

#include "games/poussepousse/poussepousserules.h"
#include "games/poussepousse/poussesearch.h"

namespace {

using Rules = PoussePousseRules;
const QString Joker = QStringLiteral("JEU");

QString tileName(int tile)
{
    return tile == SlidingGrid::Joker ? Joker : Cards::RankWord(tile);
}

class PousseTask final : public SolverTask {
public:
    explicit PousseTask(std::optional<SlidingGrid::Grid> cells) : m_cells(cells) {}

    SolverAnswer run(const std::atomic<bool> &cancel) override
    {
        if (!m_cells)
            return {};
        return PousseSolver::answer(*m_cells, cancel);
    }

private:
    std::optional<SlidingGrid::Grid> m_cells;
};

} // namespace

std::optional<SlidingGrid::Grid> PousseSolver::read(const GameRules &rules)
{
    if (!dynamic_cast<const Rules *>(&rules))
        return std::nullopt;
    SlidingGrid::Grid cells{};
    for (int place = 0; place < Rules::Places; ++place) {
        // A value from JOUER on, the card's code before.
        const QString &tag = rules.table().at(Rules::FirstPlace + place).tag;
        bool number = false;
        const int value = tag.toInt(&number);
        cells[std::size_t(place)] = qint8(tag == Joker    ? SlidingGrid::Joker
                                          : tag.isEmpty() ? SlidingGrid::Hole
                                          : number        ? value
                                                          : Cards::CardValue(tag));
    }
    return cells;
}

std::unique_ptr<SolverTask> PousseSolver::prepare(const GameRules &rules) const
{
    return std::make_unique<PousseTask>(read(rules));
}

SolverAnswer PousseSolver::answer(const SlidingGrid::Grid &cells, const std::atomic<bool> &cancel)
{
    const PousseSearch::Result found = PousseSearch::solve(cells, cancel);
    SolverAnswer answer;
    answer.nodes = found.nodes;
    switch (found.outcome) {
    case PousseSearch::Result::Outcome::Stopped:
        return answer;
    case PousseSearch::Result::Outcome::Unsolvable:
        answer.verdict = SolverAnswer::Verdict::Lost;
        break;
    case PousseSearch::Result::Outcome::Solved: {
        answer.verdict = SolverAnswer::Verdict::Winnable;
        SlidingGrid::Grid now = cells;
        int hole = int(std::find(now.begin(), now.end(), SlidingGrid::Hole) - now.begin());
        for (int from : found.slides) {
            const int tile = now[std::size_t(from)];
            SolverMove move;
            move.picture = Rules::FirstPlace + from;
            move.framed = {move.picture, Rules::FirstPlace + hole};
            move.text = QStringLiteral("clic EspaceJeu(%1) %2").arg(from).arg(tileName(tile));
            answer.line.append(move);
            std::swap(now[std::size_t(from)], now[std::size_t(hole)]);
            hole = from;
        }
        break;
    }
    }
    answer.summary = summary(answer);
    return answer;
}

QString PousseSolver::summary(const SolverAnswer &answer)
{
    switch (answer.verdict) {
    case SolverAnswer::Verdict::Winnable:
        return answer.line.size() == 1
                   ? QStringLiteral("Solution en 1 coup")
                   : QStringLiteral("Solution en %1 coups").arg(answer.line.size());
    case SolverAnswer::Verdict::Lost:
        return QStringLiteral("Grille insoluble : aucun glissement ne range la famille");
    case SolverAnswer::Verdict::Unknown:
        break;
    }
    return {};
}

std::unique_ptr<Solver> MakePousseSolver()
{
    return std::make_unique<PousseSolver>();
}
