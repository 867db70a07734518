// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shared/corecontext.h"

class UserDialogs;
class DesktopOpener;
class DocumentPrinter;

// What every window is handed: the shared state and the seams to the outside world.
struct AppContext {
    AppState &state;
    SettingsStore &settings;
    RandomSource &random;
    UserDialogs &dialogs;
    DesktopOpener &opener;
    DocumentPrinter &printer;

    CoreContext core() const { return {state, settings, random}; }
};
