// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/roialbert/roialbertsolver.h"

#include "games/roialbert/roialbertrules.h"
#include "solver/search/cardbyte.h"
#include "solver/search/depthfirst.h"
#include "solver/search/handback.h"
#include "solver/search/searchanswer.h"

#include <algorithm>
#include <unordered_map>

namespace {

using Rules = RoialbertRules;
using Model = RoialbertModel;
using Move = Model::Move;
using Place = Rules::Place;

// What turns the model's moves into the player's: which picture shows each card, and which
// foundation each suit has taken or will take (an ace goes to the first empty one, as a double
// click sends it).
struct Pictures {
    std::array<int, 52> ofCard{};
    std::array<int, 52> reservePlace{}; // 1 to 7 from the top, for the notation
    std::array<int, Model::Suits> sabotOfSuit{-1, -1, -1, -1};
    int nextSabot = 0;
};

std::uint8_t cardOf(const Picture &picture)
{
    return CardByte(picture.card);
}

QPoint columnPlace(int column, int depth)
{
    return {Rules::columnLeft(column), Rules::ColumnTop + Rules::RunStep * depth};
}

int depthOf(const Model &model, const Move &move)
{
    int depth = model.height(move.from()) - 1;
    while (model.at(move.from(), depth) != move.card())
        --depth;
    return depth;
}

QString sourceName(const Model &model, const Move &move, const Pictures &pictures)
{
    if (move.from() == Model::Reserve)
        return QStringLiteral("R%1").arg(pictures.reservePlace[move.card()]);
    const int count = model.height(move.from()) - depthOf(model, move);
    const QString column = QString::number(move.from() + 1);
    return count == 1 ? column : column + QStringLiteral("/%1").arg(count);
}

SolverMove toSolverMove(const Model &model, const Move &move, Pictures &pictures)
{
    SolverMove played;
    played.picture = Rules::FirstCarte + pictures.ofCard[move.card()];
    played.text = sourceName(model, move, pictures) + QLatin1Char('>');
    if (move.kind() == Move::ToFoundation) {
        int &sabot = pictures.sabotOfSuit[std::size_t(Model::suit(move.card()))];
        if (sabot < 0)
            sabot = pictures.nextSabot++;
        played.action = SolverMove::Action::DoubleClick;
        played.framed = {played.picture, Rules::FirstSabot + sabot};
        played.text += QLatin1Char('F');
        return played;
    }
    played.action = SolverMove::Action::Drop;
    if (move.from() == Model::Reserve) {
        played.framed = {played.picture};
    } else {
        for (int depth = depthOf(model, move); depth < model.height(move.from()); ++depth)
            played.framed.append(Rules::FirstCarte + pictures.ofCard[model.at(move.from(), depth)]);
    }
    const int height = model.height(move.to());
    played.target = move.kind() == Move::ToEmpty
                        ? Rules::FirstEspaceJeu + move.to()
                        : Rules::FirstCarte + pictures.ofCard[model.at(move.to(), height - 1)];
    played.dropTopLeft = columnPlace(move.to(), height);
    played.framed.append(played.target);
    played.text += QString::number(move.to() + 1);
    return played;
}

// The line cut short wherever one legal move leads from a position of it straight to a later
// one: the search's first line wanders, and the demonstration plays every move of it.
std::vector<Move> shortened(const Model &start, const std::vector<Move> &line)
{
    std::unordered_map<Model::ExactKey, std::size_t, Model::ExactKey::Hash> later;
    Model position = start;
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
            Model next = position;
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

// A few deals in a thousand outgrow the table in the plain order and would then take minutes,
// yet are won in a few thousand positions in another order. So the plain order runs first, then
// others, each with its number of positions and its table's slots (24 bytes each: 12 MiB for
// 2^19, 18 while it last grows; three quarters of them hold positions, then those that cost least
// are replaced); a pass that ends within its positions is exact, whichever its order. Past the
// last one (a few seconds in all) the first answer is Unknown, and the search goes on in further
// orders, each with twice the positions of the one before.
struct Pass {
    std::uint32_t order;
    std::int64_t nodes;
    std::size_t table = std::size_t(1) << 19;
    int burial = Model::PlainBurial;
};
constexpr std::size_t LargerTable = std::size_t(1) << 20;
// The second pass is long enough to search the whole of the lost deals that outgrow the first
// (their graphs run to 1.2 million positions), and wins deals the first loses in its table. Of
// the deals left, some are won within a few thousand positions in one order out of a dozen and
// not within hundreds of thousands in the others: short passes in many orders find those, each
// table holding all its positions. Half of them weigh buried cards lightly, which wins others
// that no order wins soon with the plain weight.
constexpr int ShortPasses = 32;
constexpr std::int64_t ShortPass = 20'000;
constexpr std::size_t ShortTable = std::size_t(1) << 15;
constexpr auto Passes = [] {
    std::array<Pass, 2 + ShortPasses> passes{{{0, 600'000}, {1, 1'400'000, LargerTable}}};
    for (std::uint32_t k = 2; k < passes.size(); ++k)
        passes[k] = {k, ShortPass, ShortTable,
                     k < 2 + ShortPasses / 2 ? Model::PlainBurial : Model::LightBurial};
    return passes;
}();
constexpr std::int64_t FirstLongerPass = 500'000;
constexpr std::int64_t LongestPass = std::int64_t(1) << 40;

class RoialbertTask final : public SolverTask {
public:
    RoialbertTask(const std::optional<Model> &model, const Pictures &pictures)
        : m_model(model), m_pictures(pictures)
    {
    }
    SolverAnswer run(const std::atomic<bool> &cancel) override
    {
        if (!m_model)
            return {};
        Search::Result<Move> result;
        std::int64_t nodes = 0;
        for (const Pass &pass : Passes) {
            result = search(pass, cancel);
            nodes += result.nodes;
            if (result.outcome != Search::Outcome::Unknown || cancel.load())
                break;
        }
        result.nodes = nodes;
        return answer(result);
    }
    SolverAnswer searchOn(const std::atomic<bool> &cancel) override
    {
        if (!m_model)
            return {};
        Search::Result<Move> result;
        std::int64_t nodes = 0;
        Pass pass{std::uint32_t(Passes.size()), FirstLongerPass, LargerTable};
        while (result.outcome == Search::Outcome::Unknown && !cancel.load()) {
            result = search(pass, cancel);
            nodes += result.nodes;
            pass = {pass.order + 1, std::min(pass.nodes * 2, LongestPass), pass.table};
        }
        result.nodes = nodes;
        return answer(result);
    }

private:
    Search::Result<Move> search(const Pass &pass, const std::atomic<bool> &cancel) const
    {
        Model model = *m_model;
        model.setOrder(pass.order);
        model.setBurialWeight(pass.burial);
        Search::DepthFirst<Model> search(cancel, {.nodes = pass.nodes, .tableEntries = pass.table});
        return search.solve(model);
    }
    SolverAnswer answer(Search::Result<Move> result) const
    {
        Search::handMemoryBack(result.nodes);
        if (result.outcome != Search::Outcome::Unknown)
            result.line = shortened(*m_model, result.line);
        Model position = *m_model;
        Pictures pictures = m_pictures;
        return SearchAnswer(result, [&](const Move &move) {
            const SolverMove played = toSolverMove(position, move, pictures);
            position.play(move);
            return played;
        });
    }

    std::optional<Model> m_model;
    Pictures m_pictures;
};

Pictures picturesOf(const GameRules &rules)
{
    const TableModel &table = rules.table();
    const auto *roialbert = dynamic_cast<const Rules *>(&rules);
    Pictures pictures;
    for (int k = 0; roialbert && k < Cards::FullDeck; ++k) {
        const std::uint8_t card = cardOf(table.at(Rules::FirstCarte + k));
        if (card >= pictures.ofCard.size())
            continue;
        pictures.ofCard[card] = k;
        const Place &place = roialbert->variables().places[std::size_t(k)];
        if (place.area == Place::Area::Reserve)
            pictures.reservePlace[card] = place.index + 1;
    }
    for (int f = 0; f < Rules::Foundations; ++f) {
        const std::uint8_t top = cardOf(table.at(Rules::FirstSabot + f));
        if (top == NoCard)
            continue;
        pictures.sabotOfSuit[std::size_t(Model::suit(top))] = f;
        pictures.nextSabot = f + 1;
    }
    return pictures;
}

} // namespace

std::optional<RoialbertModel> RoialbertSolver::model(const GameRules &rules)
{
    const auto *roialbert = dynamic_cast<const Rules *>(&rules);
    if (!roialbert)
        return std::nullopt;
    const TableModel &table = rules.table();
    std::array<std::vector<std::pair<int, std::uint8_t>>, Model::Columns> byDepth;
    std::array<std::uint8_t, Model::ReserveSize> reserve{};
    reserve.fill(Model::NoCard);
    for (int k = 0; k < Cards::FullDeck; ++k) {
        const Place &place = roialbert->variables().places[std::size_t(k)];
        const std::uint8_t card = cardOf(table.at(Rules::FirstCarte + k));
        switch (place.area) {
        case Place::Area::None:
            return std::nullopt;
        case Place::Area::Reserve:
            reserve[std::size_t(place.index)] = card;
            break;
        case Place::Area::Column:
            byDepth[std::size_t(place.index)].emplace_back(place.depth, card);
            break;
        case Place::Area::Foundation:
            break;
        }
    }
    std::array<std::vector<std::uint8_t>, Model::Columns> columns;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        std::sort(byDepth[c].begin(), byDepth[c].end());
        for (const auto &entry : byDepth[c])
            columns[c].push_back(entry.second);
    }
    std::array<int, Model::Suits> foundations{};
    for (int f = 0; f < Rules::Foundations; ++f) {
        const std::uint8_t top = cardOf(table.at(Rules::FirstSabot + f));
        if (top != NoCard)
            foundations[std::size_t(Model::suit(top))] = Model::rank(top);
    }
    RoialbertModel model;
    if (!model.set(columns, reserve, foundations))
        return std::nullopt;
    return model;
}

std::unique_ptr<SolverTask> RoialbertSolver::prepare(const GameRules &rules) const
{
    return std::make_unique<RoialbertTask>(model(rules), picturesOf(rules));
}
