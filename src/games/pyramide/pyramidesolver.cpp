// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/pyramide/pyramidesolver.h"

#include "games/pyramide/pyramiderules.h"
#include "solver/search/depthfirst.h"
#include "solver/search/handback.h"

#include <algorithm>
#include <set>

namespace {

using Rules = PyramideRules;
using Model = PyramideModel;
using Move = PyramideModel::Move;

constexpr int FirstStockCarte = Rules::Places;

// One search of a deal: its width (see PyramideModel::setNarrow), its order of drops and its
// budget.
struct Pass {
    int shifts;
    std::uint64_t order;
    std::int64_t nodes;
};

// A search's table: 2^18 slots of 32 bytes (8 MiB, 12 while it grows to them), three quarters of
// them for positions, then those that cost least are replaced. The last search's path of moves
// into holes can run a hundred thousand positions deep and take as much again.
constexpr std::size_t TableSlots = std::size_t(1) << 18;

// The most moves kept waiting along a search's path (3 bytes each): a path of drops into holes a
// hundred thousand positions deep would otherwise keep millions of them.
constexpr std::size_t WaitingMoves = std::size_t(1) << 19;

// The searches over every move, past the first, each in its own order of the drops.
constexpr std::uint64_t WideOrders = 32;

// The narrow searches' hardest deals are won deep in one order of the drops and near the start of
// another: many short narrow searches, each in its own order, find more wins than a few long
// ones, and so do short searches over every move once a long one has given up. Only a search over
// every move may answer that the deal is lost.
std::vector<Pass> passes()
{
    constexpr std::uint64_t Orders = 40;
    std::vector<Pass> list{{3, 0, 30'000}};
    for (std::uint64_t order = 1; order <= Orders; ++order) {
        list.push_back({3, order, 20'000});
        list.push_back({5, order, 20'000});
    }
    list.push_back({0, 0, 300'000});
    for (std::uint64_t order = 1; order <= WideOrders; ++order)
        list.push_back({0, order, 50'000});
    return list;
}

int placePicture(int place)
{
    return Rules::FirstPlace + place;
}

QString placeName(int place)
{
    return QString::number(place + 1);
}

SolverMove click(int picture, const QString &text)
{
    SolverMove move;
    move.picture = picture;
    move.framed = {picture};
    move.text = text;
    return move;
}

SolverMove drop(int picture, int hole, const QString &text)
{
    SolverMove move;
    move.action = SolverMove::Action::Drop;
    move.picture = picture;
    move.target = placePicture(hole);
    move.dropTopLeft = Rules::placePosition(hole);
    move.framed = {picture, move.target};
    move.text = text;
    return move;
}

// A right press on an armed card disarms it, on a free one arms it.
SolverMove rightPress(int place, QList<int> framed)
{
    SolverMove move;
    move.action = SolverMove::Action::RightPress;
    move.picture = placePicture(place);
    move.framed = std::move(framed);
    move.text = QStringLiteral("a") + placeName(place);
    return move;
}

// A lost deal's best line: the search that gave the verdict gives up on a position as soon as it
// cannot be won, so its line that went furthest stops early; one that gives up only where no card
// can leave the pyramid any more goes as far as the rules allow when it ends within this budget,
// as it does for nearly every lost deal.
constexpr std::int64_t BestLineNodes = 50'000;

// Once the passes above have given up: searches over every move in further orders of the drops,
// each with twice the positions of the one before. One that ends within its budget is exact.
constexpr std::int64_t FirstLongerPass = 600'000;
constexpr std::int64_t LongestPass = std::int64_t(1) << 40;

class PyramideTask final : public SolverTask {
public:
    explicit PyramideTask(std::optional<PyramidePosition> position)
        : m_position(std::move(position))
    {
    }
    SolverAnswer run(const std::atomic<bool> &cancel) override
    {
        if (!m_position)
            return {};
        Search::Result<Move> result;
        std::int64_t nodes = 0;
        // A narrow search that went through all its moves answers the same in any order.
        std::set<int> exhausted;
        for (const Pass &pass : passes()) {
            if (exhausted.count(pass.shifts) > 0)
                continue;
            result = search(pass, cancel);
            nodes += result.nodes;
            if (result.outcome == Search::Outcome::Won || cancel.load())
                break;
            if (result.outcome == Search::Outcome::Lost)
                exhausted.insert(pass.shifts);
        }
        return answer(result, nodes, cancel);
    }
    SolverAnswer searchOn(const std::atomic<bool> &cancel) override
    {
        if (!m_position)
            return {};
        Search::Result<Move> result;
        std::int64_t nodes = 0;
        Pass pass{0, WideOrders + 1, FirstLongerPass}; // run() searched orders 0 to WideOrders
        while (result.outcome == Search::Outcome::Unknown && !cancel.load()) {
            result = search(pass, cancel);
            nodes += result.nodes;
            pass = {0, pass.order + 1, std::min(pass.nodes * 2, LongestPass)};
        }
        return answer(result, nodes, cancel);
    }

private:
    static Search::Limits limits(std::int64_t nodes)
    {
        return {.nodes = nodes,
                .tableEntries = std::min(std::size_t(nodes), TableSlots),
                .waitingMoves = WaitingMoves};
    }
    Search::Result<Move> search(const Pass &pass, const std::atomic<bool> &cancel) const
    {
        Model start = m_position->model;
        start.setNarrow(pass.shifts);
        start.setOrder(pass.order);
        return Search::DepthFirst<Model>(cancel, limits(pass.nodes)).solve(start);
    }
    // Of a lost deal's line that went furthest and the best line's search, the one that clears
    // more cards.
    std::vector<Move> furthest(const std::vector<Move> &lost, std::int64_t &nodes,
                               const std::atomic<bool> &cancel) const
    {
        Model start = m_position->model;
        start.setCut(Model::Cut::Stuck);
        Search::DepthFirst<Model> search(cancel, limits(BestLineNodes));
        nodes += search.solve(start).nodes;
        const auto cleared = [&start](const std::vector<Move> &line) {
            Model end = start;
            for (const Move &move : line)
                end.play(move);
            return end.progress();
        };
        return cleared(search.furthest()) > cleared(lost) ? search.furthest() : lost;
    }
    SolverAnswer answer(Search::Result<Move> result, std::int64_t nodes,
                        const std::atomic<bool> &cancel) const
    {
        if (result.outcome == Search::Outcome::Lost)
            result.line = furthest(result.line, nodes, cancel);
        Search::handMemoryBack(nodes);
        SolverAnswer answer;
        answer.nodes = nodes;
        if (result.outcome == Search::Outcome::Unknown)
            return answer;
        answer.verdict = result.outcome == Search::Outcome::Won ? SolverAnswer::Verdict::Winnable
                                                                : SolverAnswer::Verdict::Lost;
        answer.line = PyramideSolver::actions(*m_position, result.line);
        return answer;
    }

    std::optional<PyramidePosition> m_position;
};

} // namespace

QList<SolverMove> PyramideSolver::actions(const PyramidePosition &from,
                                          const std::vector<Move> &line)
{
    QList<SolverMove> actions;
    Model model = from.model;
    QSet<int> armed = from.armed;
    // A click on an armed card starts a drag instead of selecting it: disarm it first.
    const auto disarm = [&](int place) {
        if (armed.remove(place))
            actions.append(rightPress(place, {placePicture(place)}));
    };
    for (const Move &move : line) {
        const int stockPicture = Rules::FirstCarte + FirstStockCarte + model.next();
        switch (move.kind) {
        case Move::Turn:
            actions.append(click(stockPicture, QStringLiteral("T")));
            break;
        case Move::King:
            disarm(move.from);
            actions.append(click(placePicture(move.from), placeName(move.from)));
            break;
        case Move::Deselect:
            disarm(move.from);
            actions.append(
                click(placePicture(move.from), QStringLiteral("x") + placeName(move.from)));
            break;
        case Move::Pair: {
            disarm(move.from);
            disarm(move.to);
            SolverMove pair = click(placePicture(move.from),
                                    placeName(move.from) + QLatin1Char('-') + placeName(move.to));
            pair.partner = placePicture(move.to);
            pair.framed.append(pair.partner);
            actions.append(pair);
            break;
        }
        case Move::Place:
            actions.append(drop(stockPicture, move.to, QStringLiteral("T>") + placeName(move.to)));
            break;
        case Move::Shift:
            if (!armed.contains(move.from))
                actions.append(
                    rightPress(move.from, {placePicture(move.from), placePicture(move.to)}));
            actions.append(drop(placePicture(move.from), move.to,
                                placeName(move.from) + QLatin1Char('>') + placeName(move.to)));
            break;
        }
        model.play(move);
        // The rules disarm a card that leaves, or that a dropped card covers.
        armed.removeIf([&model](int place) { return !model.isFree(place); });
    }
    return actions;
}

std::optional<PyramidePosition> PyramideSolver::position(const GameRules &rules)
{
    const auto *game = dynamic_cast<const Rules *>(&rules);
    if (!game)
        return std::nullopt;
    const TableModel &table = rules.table();
    const auto carte = [&table](int k) -> const Picture & {
        return table.at(Rules::FirstCarte + k);
    };
    std::array<std::uint8_t, Model::StockCards> stock{};
    for (int k = 0; k < Model::StockCards; ++k)
        stock[std::size_t(k)] = std::uint8_t(Cards::CardValue(carte(FirstStockCarte + k).card));
    std::array<std::uint8_t, Model::Places> places{};
    PyramidePosition position;
    const bool dealt = table.at(placePicture(Rules::Apex)).face == Picture::Face::Back;
    if (dealt) {
        // JOUER lays the first 36 cards out in the pyramid, place by place.
        for (int place = 0; place < Model::Places; ++place)
            places[std::size_t(place)] = std::uint8_t(Cards::CardValue(carte(place).card));
        if (std::count(places.begin(), places.end(), Model::Empty) > 0 ||
            !position.model.set(places, stock, 0, false, Model::None))
            return std::nullopt;
        return position;
    }
    for (int place = 0; place < Model::Places; ++place) {
        const Picture &spot = table.at(placePicture(place));
        places[std::size_t(place)] = std::uint8_t(spot.tag.isEmpty() ? 0 : spot.tag.toInt());
        if (spot.draggable)
            position.armed.insert(place);
    }
    // The stock leaves from its top, Carte(36) first: what is left is the last cards.
    int next = 0;
    while (next < Model::StockCards && !carte(FirstStockCarte + next).visible)
        ++next;
    for (int k = next; k < Model::StockCards; ++k) {
        if (!carte(FirstStockCarte + k).visible)
            return std::nullopt;
    }
    const bool turned =
        next < Model::StockCards && carte(FirstStockCarte + next).face == Picture::Face::Front;
    if (!position.model.set(places, stock, next, turned, game->variables().Selection1))
        return std::nullopt;
    return position;
}

std::unique_ptr<SolverTask> PyramideSolver::prepare(const GameRules &rules) const
{
    return std::make_unique<PyramideTask>(position(rules));
}
