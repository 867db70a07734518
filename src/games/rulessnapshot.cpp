// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/rulessnapshot.h"

#include <algorithm>

namespace {

bool sameVariables(const RulesSnapshot &a, const RulesSnapshot &b)
{
    return std::equal(a.variables.begin(), a.variables.end(), b.variables.begin(),
                      b.variables.end(),
                      [](const auto &x, const auto &y) { return x == y || x->equals(*y); });
}

// What a picture shows of the game: which card, where, face up or down, shown or not. The name
// of a built-in picture counts only while it is shown: a face turned since may keep it.
bool samePlace(const Picture &a, const Picture &b)
{
    return a.tag == b.tag && a.card == b.card && a.face == b.face &&
           (a.face != Picture::Face::Icon || a.icon == b.icon) && a.caption == b.caption &&
           a.rect == b.rect && a.visible == b.visible && a.border == b.border &&
           a.draggable == b.draggable;
}

} // namespace

bool RulesSnapshot::operator==(const RulesSnapshot &other) const
{
    return table == other.table && timerInterval == other.timerInterval &&
           sameVariables(*this, other);
}

bool RulesSnapshot::samePosition(const RulesSnapshot &other) const
{
    return timerInterval == other.timerInterval && table.controls == other.table.controls &&
           std::equal(table.pictures.begin(), table.pictures.end(), other.table.pictures.begin(),
                      other.table.pictures.end(), samePlace) &&
           sameVariables(*this, other);
}
