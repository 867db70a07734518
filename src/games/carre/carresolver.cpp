// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/carre/carresolver.h"

#include "games/carre/carrerules.h"
#include "solver/search/depthfirst.h"
#include "solver/search/searchanswer.h"

#include <algorithm>

namespace {

using Rules = MaisoncarreeRules;
using Move = CarreModel::Move;
using Place = Rules::Place;

SolverMove toSolverMove(const Move &move)
{
    SolverMove played;
    played.action = SolverMove::Action::Drop;
    played.picture = Rules::FirstCarte + move.card;
    played.target =
        move.onto == CarreModel::None ? Rules::ReservePlace : Rules::FirstCarte + move.onto;
    played.dropTopLeft =
        move.pile == CarreModel::None ? Rules::ReservePosition : Rules::squarePosition(move.pile);
    played.framed = {played.picture, played.target};
    const QString from =
        move.kind == Move::ReserveToSquare ? QStringLiteral("R") : QStringLiteral("p");
    const QString to =
        move.pile == CarreModel::None ? QStringLiteral("R") : QString::number(move.pile + 1);
    played.text = from + QLatin1Char('>') + to;
    return played;
}

// The cards of a pile, from the bottom to the top.
std::vector<int> cardsOf(const Rules &rules, Place::Pile pile, int square = 0)
{
    const auto &places = rules.variables().places;
    std::vector<int> cards;
    for (int k = 0; k < CarreModel::Cards; ++k) {
        const Place &place = places[std::size_t(k)];
        if (place.pile == pile && (pile != Place::Pile::Square || place.square == square))
            cards.push_back(k);
    }
    std::sort(cards.begin(), cards.end(), [&places](int a, int b) {
        return places[std::size_t(a)].order < places[std::size_t(b)].order;
    });
    return cards;
}

// Plays on from a position, as a player who lays every card he can (the reserve's first) and puts
// the others on the reserve, until the game ends.
void playOn(CarreModel position, std::vector<Move> &line)
{
    std::vector<Move> moves;
    for (;;) {
        moves.clear();
        position.legal(moves);
        if (moves.empty())
            return;
        const auto pick =
            std::min_element(moves.begin(), moves.end(), [](const Move &a, const Move &b) {
                const auto order = [](const Move &m) {
                    return m.kind == Move::ReserveToSquare ? 0
                           : m.kind == Move::StockToSquare ? 1
                                                           : 2;
                };
                return order(a) < order(b);
            });
        position.play(*pick);
        line.push_back(*pick);
    }
}

int progressAfter(CarreModel position, const std::vector<Move> &line)
{
    for (const Move &move : line)
        position.play(move);
    return position.progress();
}

class CarreTask final : public SolverTask {
public:
    explicit CarreTask(const std::optional<CarreModel> &model) : m_model(model) {}

    SolverAnswer run(const std::atomic<bool> &cancel) override
    {
        if (!m_model)
            return {};
        Search::DepthFirst<CarreModel> search(cancel, Search::Limits{});
        Search::Result<Move> result = search.solve(*m_model);
        if (result.outcome == Search::Outcome::Lost)
            result.line = furthest(result.line);
        return SearchAnswer(result, &toSolverMove);
    }

private:
    // The search gives up on a position as soon as counting shows it lost, so the line that went
    // furthest stops early: it is played on to the end of the game, and so is a line from the
    // start, and the one that lays more cards is kept.
    std::vector<Move> furthest(std::vector<Move> searched) const
    {
        CarreModel end = *m_model;
        for (const Move &move : searched)
            end.play(move);
        playOn(end, searched);
        std::vector<Move> fromStart;
        playOn(*m_model, fromStart);
        return progressAfter(*m_model, fromStart) > progressAfter(*m_model, searched) ? fromStart
                                                                                      : searched;
    }

    std::optional<CarreModel> m_model;
};

} // namespace

std::optional<CarreModel> CarreSolver::model(const GameRules &rules)
{
    const auto *carre = dynamic_cast<const Rules *>(&rules);
    if (!carre)
        return std::nullopt;
    const TableModel &table = rules.table();
    std::array<int, CarreModel::Cards> ranks{};
    for (int k = 0; k < CarreModel::Cards; ++k)
        ranks[std::size_t(k)] = Cards::CardValue(table.at(Rules::FirstCarte + k).card);
    std::array<int, CarreModel::Piles> tops{};
    for (int pile = 0; pile < CarreModel::Piles; ++pile) {
        const std::vector<int> cards = cardsOf(*carre, Place::Pile::Square, pile);
        if (cards.empty())
            return std::nullopt;
        tops[std::size_t(pile)] = cards.back();
    }
    std::vector<int> stock = cardsOf(*carre, Place::Pile::Stock);
    std::reverse(stock.begin(), stock.end());
    CarreModel model;
    if (!model.set(ranks, tops, stock, cardsOf(*carre, Place::Pile::Reserve)))
        return std::nullopt;
    return model;
}

std::unique_ptr<SolverTask> CarreSolver::prepare(const GameRules &rules) const
{
    return std::make_unique<CarreTask>(model(rules));
}
