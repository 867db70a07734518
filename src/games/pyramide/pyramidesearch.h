// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "games/pyramide/pyramidemodel.h"
#include "solver/search/depthfirst.h"

#include <atomic>

// The exact depth-first search over Pyramide's model. Moves into holes can be undone, so the
// positions form a graph with cycles: each position enters the table as its search begins, and a
// position met again, on the path or after it, is not searched twice. For the question "can a
// won position be reached" this is plain graph search, and as exact. The search gives Unknown
// when its node budget runs out, when it is cancelled, or when the table is full, since a
// position it cannot hold might then be searched around a cycle forever.
Search::Result<PyramideModel::Move> SolvePyramide(const PyramideModel &start,
                                                  const std::atomic<bool> &cancel,
                                                  Search::Limits limits = {});
