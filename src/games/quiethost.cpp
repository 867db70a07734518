// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/quiethost.h"

#include "shared/appstate.h"

void QuietHost::gameOver(bool won)
{
    results.append(won);
    if (session())
        GameHost::gameOver(won);
    else if (state)
        state->gameInProgress = false;
}

bool QuietHost::askYesNo(const QString &question, const QString &, Asking)
{
    questions.append(question);
    return answer && answer(question);
}

QString QuietHost::record(const GameRecord &record)
{
    records.append(record);
    return logPath.isEmpty() ? QString() : RecordGame(logPath, record, RecordLocale());
}
