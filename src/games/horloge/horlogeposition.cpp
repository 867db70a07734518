// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/horloge/horlogeposition.h"

#include "games/horloge/horlogerules.h"

#include <algorithm>

namespace {

using Rules = HorlogeRules;
constexpr int King = 13;
const QString Vrai = QStringLiteral("VRAI");
const QString Faux = QStringLiteral("FAUX");

std::size_t slot(int picture)
{
    return std::size_t(picture - Rules::FirstHourCard);
}

} // namespace

std::optional<HorlogePosition> HorlogePosition::read(const GameRules &rules)
{
    const auto *game = dynamic_cast<const Rules *>(&rules);
    if (!game)
        return std::nullopt;
    const TableModel &table = game->table();
    HorlogePosition at;
    at.book = std::make_shared<const TableBook>(table);
    for (int i = 0; i < HourCards; ++i) {
        const Picture &card = table.at(Rules::FirstHourCard + i);
        at.card[std::size_t(i)] = qint8(TableBook::cardNumber(card.card));
        at.side[std::size_t(i)] = card.tag == Vrai ? Placed : card.tag == Faux ? Wrong : FaceDown;
    }
    for (int k = 0; k < Centre; ++k)
        at.centre[std::size_t(k)] =
            qint8(TableBook::cardNumber(table.at(Rules::FirstSabot + k).card));
    at.indexSabot = game->variables().IndexSabot;
    at.kings = game->variables().NbRois;
    // A card the table does not name (no deal yet, or a game already over) leaves no position
    // to search: the moves would lead nowhere.
    const auto unknown = [](qint8 number) { return number < 0; };
    if (at.indexSabot >= Centre || std::any_of(at.card.begin(), at.card.end(), unknown) ||
        std::any_of(at.centre.begin(), at.centre.begin() + std::max(at.indexSabot + 1, 0), unknown))
        return std::nullopt;
    if (at.indexSabot >= 0) {
        const Picture &inPlay = table.at(Rules::FirstSabot + at.indexSabot);
        at.holding = inPlay.visible && inPlay.draggable;
    }
    return at;
}

int HorlogePosition::topFaceDown(int hour) const
{
    for (int j = Rules::PileSize - 1; j >= 0; --j) {
        const int picture = Rules::PileSize * hour + j;
        if (side[slot(picture)] == FaceDown)
            return picture;
    }
    return -1;
}

QList<SolverMove> HorlogePosition::moves() const
{
    if (over())
        return {};
    if (indexSabot >= 0) {
        const int source = Rules::FirstSabot + indexSabot;
        const int carried = centre[std::size_t(indexSabot)];
        if (!holding)
            return {book->click(source, carried)};
        return {book->drop(source, carried, topFaceDown(TableBook::value(carried)))};
    }
    for (int hour = 1; hour <= Rules::Hours; ++hour) {
        if (const int picture = topFaceDown(hour); picture >= 0)
            return {book->click(picture, card[slot(picture)])};
    }
    return {};
}

void HorlogePosition::layKing()
{
    centre[std::size_t(indexSabot)] = -1;
    holding = false;
    ++kings;
    --indexSabot;
}

void HorlogePosition::play(const SolverMove &move)
{
    if (move.action == SolverMove::Action::Drop) {
        // The carried card lies face up on its pile; the face-down card there is carried on.
        qint8 &carried = centre[std::size_t(indexSabot)];
        const std::size_t target = slot(move.target);
        std::swap(carried, card[target]);
        side[target] = Placed;
        if (TableBook::value(carried) == King)
            layKing();
        return;
    }
    if (indexSabot >= 0) {
        holding = true;
        if (TableBook::value(centre[std::size_t(indexSabot)]) == King)
            layKing();
        return;
    }
    const std::size_t turned = slot(move.picture);
    side[turned] = Rules::belongsTo(TableBook::cardCode(card[turned]), Rules::hourOf(move.picture))
                       ? Placed
                       : Wrong;
}

bool HorlogePosition::won() const
{
    return kings == Rules::Kings &&
           std::all_of(side.begin(), side.end(), [](qint8 s) { return s == Placed; });
}

int HorlogePosition::score() const
{
    return int(std::count(side.begin(), side.end(), qint8(Placed)));
}

// As the rules end a game: won, or no hour card face down while a card other than a king is
// left in the centre.
bool HorlogePosition::over() const
{
    if (won())
        return true;
    if (std::find(side.begin(), side.end(), qint8(FaceDown)) != side.end())
        return false;
    if (indexSabot < 0)
        return true;
    return !std::all_of(centre.begin(), centre.begin() + indexSabot + 1,
                        [](qint8 c) { return TableBook::value(c) == King; });
}

bool HorlogePosition::operator==(const HorlogePosition &other) const
{
    return card == other.card && side == other.side && centre == other.centre &&
           indexSabot == other.indexSabot && kings == other.kings && holding == other.holding;
}
