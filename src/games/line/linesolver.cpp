// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/line/linesolver.h"

#include "games/line/betweenclearing.h"
#include "games/line/duoclearing.h"
#include "games/line/linerules.h"
#include "solver/search/cardbyte.h"

#include <algorithm>

namespace {

// The removals as moves of the line: each card by its place among the cards left then, Duo's by
// the card dragged, the one after the card that leaves.
std::vector<LineModel::Move> placesOf(const std::vector<LineClearing::Removal> &removals,
                                      std::size_t cards, bool duo)
{
    std::vector<LineModel::Move> moves;
    std::vector<bool> left(cards, true);
    for (const LineClearing::Removal &removal : removals) {
        const auto place = int(std::count(left.begin(), left.begin() + removal.first, true));
        auto gone = left.begin() + removal.first;
        for (int card = 0; card < removal.span; ++card) {
            gone = std::find(gone, left.end(), true);
            *gone = false;
        }
        moves.push_back({std::uint8_t(duo ? place + 1 : place), removal.span});
    }
    return moves;
}

class LineTask final : public SolverTask {
public:
    LineTask(const std::optional<LineModel> &model, const LineModel::Rules &rules, QString button,
             int sabot, bool dropChoice)
        : m_model(model), m_rules(rules), m_button(std::move(button)), m_sabot(sabot),
          m_dropChoice(dropChoice)
    {
    }
    SolverAnswer run(const std::atomic<bool> &cancel) override
    {
        if (!m_model)
            return {};
        // Dealing every card first loses nothing (see LineModel::moves): the search looks at the
        // whole line at once, and the answer deals first.
        const std::vector<std::uint8_t> cards = m_model->cards();
        const LineClearing clearing =
            m_rules.dropBefore
                ? ClearDuo(cards, cancel)
                : ClearBetween(cards, m_rules.twoAtOnce, m_rules.firstLeft, m_rules.secondLeft);
        SolverAnswer answer;
        answer.nodes = clearing.nodes;
        if (clearing.outcome == LineClearing::Outcome::Unknown)
            return answer;
        answer.verdict = clearing.outcome == LineClearing::Outcome::Won
                             ? SolverAnswer::Verdict::Winnable
                             : SolverAnswer::Verdict::Lost;
        for (int deal = 0; deal < m_model->stockLeft(); ++deal)
            answer.line.append(toSolverMove({LineModel::Deal, 1}));
        for (const LineModel::Move &move :
             placesOf(clearing.line, cards.size(), m_rules.dropBefore))
            answer.line.append(toSolverMove(move));
        // Cards the player selected would take the first click of the line for a second one: a
        // click on the stock drops them (and deals, which the line does first anyway).
        if (m_dropChoice && !answer.line.isEmpty() && answer.line.first().picture != m_sabot)
            answer.line.prepend(toSolverMove({LineModel::Deal, 1}));
        return answer;
    }

private:
    SolverMove toSolverMove(const LineModel::Move &move) const
    {
        SolverMove played;
        if (move.place == LineModel::Deal) {
            played.action = SolverMove::Action::Click;
            played.picture = m_sabot;
            played.framed = {m_sabot};
            played.text = QStringLiteral("pioche");
            return played;
        }
        if (m_rules.twoAtOnce) {
            // Mariage: the card or the two cards selected, then SUPPRIMER.
            played.action = SolverMove::Action::Click;
            played.picture = LineRules::FirstCarte + move.place;
            played.partner = move.span == 2 ? played.picture + 1 : -1;
            played.button = m_button;
            played.framed = {played.picture};
            if (move.span == 2)
                played.framed.append(played.partner);
            played.text = move.span == 2
                              ? QStringLiteral("%1+%2").arg(move.place + 1).arg(move.place + 2)
                              : QString::number(move.place + 1);
            return played;
        }
        const int onto = move.place + (m_rules.dropBefore ? -1 : 1);
        played.action = SolverMove::Action::Drop;
        played.picture = LineRules::FirstCarte + move.place;
        played.target = LineRules::FirstCarte + onto;
        played.dropTopLeft = CardLine::placePosition(onto);
        played.framed = {played.picture, played.target};
        played.text = QStringLiteral("%1>%2").arg(move.place + 1).arg(onto + 1);
        return played;
    }

    std::optional<LineModel> m_model;
    LineModel::Rules m_rules;
    QString m_button;
    int m_sabot;
    bool m_dropChoice;
};

} // namespace

LineSolver LineSolver::duo()
{
    return LineSolver({.dropBefore = true, .draggedLeaves = false});
}

LineSolver LineSolver::duoDeReve()
{
    return LineSolver({.dropBefore = false,
                       .draggedLeaves = true,
                       .firstLeft = CardByte(QStringLiteral("DAMEDECOEUR")),
                       .secondLeft = CardByte(QStringLiteral("ROIDECOEUR"))});
}

std::optional<LineModel> LineSolver::model(const GameRules &rules) const
{
    const auto *game = dynamic_cast<const LineRules *>(&rules);
    if (!game)
        return std::nullopt;
    const CardLine &line = game->line();
    std::vector<std::uint8_t> cards;
    for (int place = 0; place < line.length(); ++place)
        cards.push_back(CardByte(line.card(place)));
    std::vector<std::uint8_t> stock;
    const CardLine::Variables &state = line.variables();
    for (int next = state.prochaineCarte; next >= 0 && next < state.deal.size(); --next)
        stock.push_back(CardByte(state.deal.at(next)));
    LineModel model;
    if (!model.set(m_rules, cards, stock))
        return std::nullopt;
    return model;
}

std::unique_ptr<SolverTask> LineSolver::prepare(const GameRules &rules) const
{
    const auto *game = dynamic_cast<const LineRules *>(&rules);
    return std::make_unique<LineTask>(model(rules), m_rules, m_button, game ? game->sabot() : -1,
                                      game && game->choosing());
}
