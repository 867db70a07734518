// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "table/mainwindowlink.h"

struct AppContext;

// Opens the window of any game of the table of games: every game plays in a GameForm made from
// its row.
class GameRegistry final : public GameWindows {
public:
    explicit GameRegistry(AppContext &context) : m_context(context) {}
    QWidget *create(const QString &menuName, MainWindowLink &main) override;

private:
    AppContext &m_context;
};
