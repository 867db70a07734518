#pragma once

#include "shared/corecontext.h"

class UserDialogs;
class DesktopOpener;

// What every window is handed: the shared state and the seams to the outside world.
struct AppContext {
    AppState &state;
    SettingsStore &settings;
    RandomSource &random;
    UserDialogs &dialogs;
    DesktopOpener &opener;

    CoreContext core() const { return {state, settings, random}; }
};
