// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/voyageuses1/voyageuses1position.h"

#include "games/voyageuses/voyageusesbook.h"
#include "games/voyageuses1/voyageuses1rules.h"

#include <algorithm>

namespace {

using Rules = Voyageuses1Rules;

} // namespace

std::optional<Voyageuses1Position> Voyageuses1Position::read(const GameRules &rules)
{
    const auto *game = dynamic_cast<const Rules *>(&rules);
    if (!game)
        return std::nullopt;
    const TableModel &table = game->table();
    Voyageuses1Position at;
    at.book = std::make_shared<const TableBook>(table);
    for (int place = 0; place < Places; ++place) {
        at.card[std::size_t(place)] =
            qint8(VoyageusesBook::ownPlace(table.at(Rules::FirstCarte + place).card));
        at.state[std::size_t(place)] = qint8(game->variables().EtatPlace[std::size_t(place)]);
    }
    for (int k = 0; k < StockSize; ++k)
        at.stock[std::size_t(k)] =
            qint8(VoyageusesBook::ownPlace(table.at(Rules::FirstSabot + k).card));
    at.indexSabot = game->variables().IndexSabot;
    // A stock card still to carry that the table does not name (no deal yet) leaves no position
    // to search: its chain would start nowhere.
    const auto unknown = [](qint8 place) { return place < 0; };
    if (at.indexSabot >= StockSize ||
        std::any_of(at.stock.begin(), at.stock.begin() + std::max(at.indexSabot + 1, 0), unknown))
        return std::nullopt;
    if (at.indexSabot >= 0) {
        const Picture &inPlay = table.at(Rules::FirstSabot + at.indexSabot);
        at.holding = inPlay.visible && inPlay.draggable;
    }
    return at;
}

QList<SolverMove> Voyageuses1Position::moves() const
{
    if (indexSabot >= 0) {
        const int source = Rules::FirstSabot + indexSabot;
        const int carried = stock[std::size_t(indexSabot)];
        if (!holding)
            return {book->click(source, VoyageusesBook::ownCardNumber(carried))};
        return {book->drop(source, VoyageusesBook::ownCardNumber(carried),
                           Rules::FirstCarte + carried)};
    }
    for (int place = 0; place < Places; ++place) {
        if (state[std::size_t(place)] == Unresolved)
            return {book->click(Rules::FirstCarte + place,
                                VoyageusesBook::ownCardNumber(card[std::size_t(place)]))};
    }
    return {};
}

void Voyageuses1Position::play(const SolverMove &move)
{
    if (move.action == SolverMove::Action::Click && indexSabot >= 0) {
        holding = true;
        return;
    }
    if (move.action == SolverMove::Action::Click) {
        const auto place = std::size_t(move.picture - Rules::FirstCarte);
        state[place] = card[place] == qint8(place) ? Right : Wrong;
        return;
    }
    // The carried card goes home in exchange for the card lying there.
    qint8 &carried = stock[std::size_t(indexSabot)];
    const auto home = std::size_t(carried);
    const qint8 found = card[home];
    card[home] = carried;
    state[home] = Right;
    carried = found;
    if (Rules::isAcePlace(int(home))) {
        holding = false;
        --indexSabot;
    }
}

bool Voyageuses1Position::won() const
{
    return std::all_of(state.begin(), state.end(), [](qint8 s) { return s == Right; });
}

int Voyageuses1Position::score() const
{
    return int(std::count(state.begin(), state.end(), qint8(Right)));
}

bool Voyageuses1Position::operator==(const Voyageuses1Position &other) const
{
    return card == other.card && state == other.state && stock == other.stock &&
           indexSabot == other.indexSabot && holding == other.holding;
}
