// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared/gameclock.h"

#include "shared/appstate.h"

#include <limits>

QString ClockText(int seconds)
{
    const auto part = [](int value) {
        return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
    };
    return part(seconds / 3600) + QLatin1Char(':') + part(seconds % 3600 / 60) + QLatin1Char(':') +
           part(seconds % 60);
}

bool ClockTick(AppState &state)
{
    if (!state.gameInProgress || state.elapsedSeconds == std::numeric_limits<qint16>::max())
        return false;
    ++state.elapsedSeconds;
    return true;
}
