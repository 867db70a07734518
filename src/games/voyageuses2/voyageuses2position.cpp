// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/voyageuses2/voyageuses2position.h"

#include "games/voyageuses/voyageusesbook.h"
#include "games/voyageuses2/voyageuses2rules.h"

#include <algorithm>

namespace {

using Rules = Voyageuses2Rules;

} // namespace

std::optional<Voyageuses2Position> Voyageuses2Position::read(const GameRules &rules)
{
    const auto *game = dynamic_cast<const Rules *>(&rules);
    if (!game)
        return std::nullopt;
    const TableModel &table = game->table();
    Voyageuses2Position at;
    at.book = std::make_shared<const TableBook>(table);
    bool untouched = true;
    for (int place = 0; place < Places; ++place) {
        at.card[std::size_t(place)] =
            qint8(VoyageusesBook::ownPlace(table.at(Rules::FirstCarte + place).card));
        const auto etat = game->variables().EtatPlace[std::size_t(place)];
        at.state[std::size_t(place)] = qint8(etat);
        untouched = untouched && etat == Rules::PlaceState::Unresolved;
    }
    at.hand = VoyageusesBook::ownPlace(table.at(Rules::ImgSabot).card);
    // Before JOUER the deal is read as the first pick will find it.
    at.firstPick = game->variables().PremierClic || (untouched && at.hand < 0);
    return at;
}

QList<SolverMove> Voyageuses2Position::moves() const
{
    QList<SolverMove> choices;
    if (firstPick) {
        for (int place = 0; place < Places; ++place)
            choices.append(book->click(Rules::FirstCarte + place,
                                       VoyageusesBook::ownCardNumber(card[std::size_t(place)])));
        return choices;
    }
    if (hand >= 0)
        return {book->drop(Rules::ImgSabot, VoyageusesBook::ownCardNumber(hand),
                           Rules::FirstCarte + hand)};
    for (int place = 0; place < Places; ++place) {
        if (state[std::size_t(place)] == Unresolved)
            return {book->click(Rules::FirstCarte + place,
                                VoyageusesBook::ownCardNumber(card[std::size_t(place)]))};
    }
    return choices;
}

void Voyageuses2Position::play(const SolverMove &move)
{
    if (move.action == SolverMove::Action::Drop) {
        // The card goes home in exchange for the card lying there, none in the hole.
        const auto home = std::size_t(hand);
        hand = card[home];
        card[home] = qint8(home);
        state[home] = Right;
        return;
    }
    const auto place = std::size_t(move.picture - Rules::FirstCarte);
    if (firstPick) {
        hand = card[place];
        card[place] = -1;
        state[place] = Wrong;
        firstPick = false;
        return;
    }
    state[place] = card[place] == qint8(place) ? Right : Wrong;
}

bool Voyageuses2Position::won() const
{
    return std::all_of(state.begin(), state.end(), [](qint8 s) { return s == Right; });
}

int Voyageuses2Position::score() const
{
    return int(std::count(state.begin(), state.end(), qint8(Right)));
}

bool Voyageuses2Position::operator==(const Voyageuses2Position &other) const
{
    return card == other.card && state == other.state && hand == other.hand &&
           firstPick == other.firstPick;
}
