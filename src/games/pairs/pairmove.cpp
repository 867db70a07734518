// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/pairs/pairmove.h"

SolverMove PairClicks(const PairMove &move, int firstCard, QString (*place)(int card),
                      const QString &turnUp)
{
    SolverMove played;
    played.action = SolverMove::Action::Click;
    played.picture = firstCard + move.first;
    played.framed = {played.picture};
    switch (move.kind) {
    case PairMove::TurnUp:
        played.text = turnUp + place(move.first);
        break;
    case PairMove::Drop:
        played.text = QStringLiteral("x") + place(move.first);
        break;
    case PairMove::Pair:
        played.partner = firstCard + move.second;
        played.framed.append(played.partner);
        played.text = place(move.first) + QLatin1Char('-') + place(move.second);
        break;
    }
    return played;
}
