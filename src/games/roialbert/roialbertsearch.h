// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "games/roialbert/roialbertmodel.h"
#include "solver/search/depthfirst.h"

#include <atomic>
#include <cstdint>

// An exact depth-first search for Roi Albert, whose moves can be undone (a run goes back where
// it came from), so a position is marked as seen when first reached rather than once searched:
// a position met again is either searched already or on the current line, and in both cases
// searching it again finds nothing new. Every position searched has its place in the table, so
// the node budget bounds the memory: 600,000 positions a pass in 12 MiB of keys, and at most
// 17 MiB for the line in progress and the moves waiting on it. Two passes, one after the other,
// try the moves in two orders (see the .cpp).
namespace RoialbertSearch {

constexpr std::int64_t NodeBudget = 600'000;

Search::Result<RoialbertModel::Move> solve(const RoialbertModel &start,
                                           const std::atomic<bool> &cancel,
                                           std::int64_t budget = NodeBudget);

} // namespace RoialbertSearch
