// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shared/randomsource.h"

// A shuffle that leaves the deck as it is once "melange" is 0: its one exchange draws 0 and swaps
// the first card with itself.
class NoShuffle final : public RandomSource {
public:
    void reseed() override {}
    float next() override { return 0.0f; }
};
