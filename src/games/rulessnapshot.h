// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "games/tablemodel.h"

#include <functional>
#include <memory>
#include <vector>

// One variable of a game's rules (usually its struct of variables), copied out: comparable
// without knowing its type.
class KeptValue {
public:
    virtual ~KeptValue() = default;
    virtual bool equals(const KeptValue &other) const = 0;
};

template <typename T> class KeptValueOf final : public KeptValue {
public:
    explicit KeptValueOf(const T &kept) : value(kept) {}
    bool equals(const KeptValue &other) const override
    {
        const auto *same = dynamic_cast<const KeptValueOf *>(&other);
        return same && same->value == value;
    }
    const T value;
};

// The whole state of a game's rules at one moment: the table, the rules' own variables and their
// timer. Copies share what did not change (the model's lists and texts are shared until written),
// so a history of them stays small.
struct RulesSnapshot {
    TableModel table;
    std::vector<std::shared_ptr<const KeptValue>> variables;
    int timerInterval = 0;

    bool operator==(const RulesSnapshot &other) const;
    // The same position for the player: the cards, the controls, the variables and the timer,
    // whatever the frames, the hand pointers, the tooltips and the stacking show. A move that
    // changes only those (a refused drop hiding its frame) is no move.
    bool samePosition(const RulesSnapshot &other) const;
};

// How the rules keep one variable: copy it out, copy a kept value back in.
struct KeptVariable {
    std::function<std::shared_ptr<const KeptValue>()> save;
    std::function<void(const KeptValue &)> load;
};
