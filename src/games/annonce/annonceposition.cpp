// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/annonce/annonceposition.h"

#include "games/annonce/annoncerules.h"

#include <algorithm>

namespace {

using Rules = AnnonceRules;
constexpr int Ranks = 13;
const QString Turned = QStringLiteral("VRAI");

} // namespace

std::optional<AnnoncePosition> AnnoncePosition::read(const GameRules &rules)
{
    const auto *game = dynamic_cast<const Rules *>(&rules);
    if (!game)
        return std::nullopt;
    const TableModel &table = game->table();
    AnnoncePosition at;
    at.book = std::make_shared<const TableBook>(table);
    for (int k = 0; k <= game->pileTop(); ++k)
        at.pile.append(qint8(TableBook::cardNumber(table.at(Rules::FirstCarte + k).card)));
    // Until JOUER the call shown is " - ": the starting rank is the list's.
    const Control *called = table.control(QStringLiteral("lblAnnonce"));
    const Control *start = table.control(QStringLiteral("cboAnnonce"));
    const int entry = int(start->entries.indexOf(called->text));
    at.call = (entry >= 0 ? entry : std::max(0, start->current)) + 1;
    // A card turned keeps its code when it matched its call, and so does the last card of the
    // pile, which ends the game either way and leaves the call where it was.
    for (int k = 0; k < Cards::FullDeck; ++k) {
        const Picture &card = table.at(Rules::FirstCarte + k);
        if (k > game->pileTop() && card.tag != Turned)
            at.matched = at.matched || k != 0 || Cards::CardValue(card.card) == at.call;
    }
    return at;
}

QList<SolverMove> AnnoncePosition::moves() const
{
    if (matched || pile.isEmpty())
        return {};
    return {book->click(Rules::FirstCarte + int(pile.size()) - 1, pile.constLast())};
}

void AnnoncePosition::play(const SolverMove &)
{
    const int turned = pile.takeLast();
    if (TableBook::value(turned) == call)
        matched = true;
    else
        call = call % Ranks + 1;
}

bool AnnoncePosition::operator==(const AnnoncePosition &other) const
{
    // std::equal, not QList's ==: Qt 6.4 hands memcmp a null pointer for an empty list.
    return std::equal(pile.begin(), pile.end(), other.pile.begin(), other.pile.end()) &&
           matched == other.matched && (matched || pile.isEmpty() || call == other.call);
}
