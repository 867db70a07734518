// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "games/poussepousse/slidinggrid.h"

#include <QList>
#include <atomic>

// A shortest solution of a Pousse-pousse grid: iterative deepening A* guided by the additive
// pattern databases, which never overestimate, so the first solution found is a shortest one.
namespace PousseSearch {

struct Result {
    enum class Outcome { Solved, Unsolvable, Stopped };
    Outcome outcome = Outcome::Stopped;
    QList<int> slides; // the places slid into the hole, in order
    qint64 nodes = 0;
};

// Stopped only when cancel turns true.
Result solve(const SlidingGrid::Grid &cells, const std::atomic<bool> &cancel);

} // namespace PousseSearch
