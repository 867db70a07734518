// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/stephanie/stephanieposition.h"

#include "games/stephanie/stephanierules.h"

#include <algorithm>

namespace {

using Rules = StephanieRules;
using Place = Rules::Place;

} // namespace

std::optional<StephaniePosition> StephaniePosition::read(const GameRules &rules)
{
    const auto *game = dynamic_cast<const Rules *>(&rules);
    if (!game)
        return std::nullopt;
    const TableModel &table = game->table();
    StephaniePosition at;
    at.book = std::make_shared<const TableBook>(table);
    const auto &places = game->variables().places;
    int finishedCards = 0;
    for (int k = 0; k < Cards::FullDeck; ++k) {
        const Place &place = places[std::size_t(k)];
        finishedCards += place.area == Place::Area::Finished ? 1 : 0;
        if (place.area != Place::Area::Column)
            continue;
        Column &column = at.columns[std::size_t(place.index)];
        column.rank = qint8(Cards::CardValue(table.at(Rules::FirstCarte + k).card));
        ++column.count;
        if (column.lowest < 0 || place.depth > places[std::size_t(column.lowest)].depth)
            column.lowest = qint8(k);
    }
    at.finishedRanks = finishedCards / Rules::SuitCount;
    const int top = game->variables().ProchaineCarte;
    for (int k = Rules::RowSize; k <= top; ++k)
        at.stock.append(qint8(TableBook::cardNumber(table.at(Rules::FirstCarte + k).card)));
    at.turned = top >= 0 && table.at(Rules::FirstCarte + top).face == Picture::Face::Front;
    return at;
}

int StephaniePosition::columnOf(int rank) const
{
    for (int i = 0; i < Columns; ++i) {
        if (columns[std::size_t(i)].rank == rank)
            return i;
    }
    return -1;
}

int StephaniePosition::freePlace() const
{
    return columnOf(0);
}

// As the rules end a game: the card turned up has no column and no place is free.
bool StephaniePosition::stuck() const
{
    return turned && freePlace() < 0 && columnOf(TableBook::value(stock.constLast())) < 0;
}

QList<SolverMove> StephaniePosition::moves() const
{
    if (stock.isEmpty() || won() || stuck())
        return {};
    const int card = stock.constLast();
    if (!turned)
        return {book->click(Rules::FirstCarte + top(), card)};
    // The foot of a column lies one step below the card before it.
    if (const int column = columnOf(TableBook::value(card)); column >= 0) {
        const Column &on = columns[std::size_t(column)];
        const QPoint foot =
            Rules::placePosition(column) + QPoint(0, Rules::FanStep * (on.count - 1));
        return {book->drop(Rules::FirstCarte + top(), card, Rules::FirstCarte + on.lowest, foot)};
    }
    return {book->drop(Rules::FirstCarte + top(), card, Rules::FirstPlace + freePlace())};
}

void StephaniePosition::play(const SolverMove &move)
{
    if (move.action == SolverMove::Action::Click) {
        turned = true;
        return;
    }
    const int laid = top();
    const int rank = TableBook::value(stock.takeLast());
    turned = false;
    const int on = columnOf(rank);
    Column &column = columns[std::size_t(on >= 0 ? on : freePlace())];
    column.rank = qint8(rank);
    column.lowest = qint8(laid);
    if (++column.count == Rules::SuitCount) {
        column = Column{};
        ++finishedRanks;
    }
}

bool StephaniePosition::operator==(const StephaniePosition &other) const
{
    // std::equal, not QList's ==: Qt 6.4 hands memcmp a null pointer for an empty list.
    return columns == other.columns &&
           std::equal(stock.begin(), stock.end(), other.stock.begin(), other.stock.end()) &&
           turned == other.turned && finishedRanks == other.finishedRanks;
}
