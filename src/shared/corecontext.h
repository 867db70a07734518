// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct AppState;
class SettingsStore;
class RandomSource;

// What the headless parts (the rules of a game) are handed: the shared state, the settings and
// the random source of the shuffle.
struct CoreContext {
    AppState &state;
    SettingsStore &settings;
    RandomSource &random;
};
