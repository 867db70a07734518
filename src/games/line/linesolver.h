// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "games/line/linemodel.h"
#include "solver/solver.h"

#include <optional>

// Duo, Duo de rêve and Mariage: the line games whose cards leave from between two alike cards.
class LineSolver final : public Solver {
public:
    // button: the game's button that takes the selected cards away (Mariage), or "".
    explicit LineSolver(const LineModel::Rules &rules, QString button = {})
        : m_rules(rules), m_button(std::move(button))
    {
    }
    static LineSolver duo();
    static LineSolver duoDeReve();
    static LineSolver mariage(); // in Mariage's folder, beside the button it names

    std::unique_ptr<SolverTask> prepare(const GameRules &rules) const override;
    // The model of the rules' position, nothing for rules of another kind.
    std::optional<LineModel> model(const GameRules &rules) const;
    const LineModel::Rules &rules() const { return m_rules; }

private:
    LineModel::Rules m_rules;
    QString m_button;
};
