// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

struct AppState;

// "hh:mm:ss", each part with at least two digits.
QString ClockText(int seconds);

// One tick of the game clock: counts a second while a game is in progress. The count stops at
// 32767 seconds (09:06:07), the most a signed 16-bit count holds, instead of wrapping.
// Returns true when the count changed.
bool ClockTick(AppState &state);
