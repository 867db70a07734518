#pragma once

#include "games/gamerules.h"

#include <QString>
#include <span>

// A game whose rules are written, by its menu name.
struct RegisteredRules {
    QString menuName;
    RulesFactory make;
};

namespace RulesRegistry {

// Every game with rules. A game appears here once its rules exist.
std::span<const RegisteredRules> all();

// The rules factory of a game, or nullptr while the game has none.
const RulesFactory *rulesFor(const QString &menuName);

} // namespace RulesRegistry
