#pragma once

#include "games/gameform.h"
#include "games/mainwindowlink.h"

struct AppContext;

// The game windows the launcher can open: one entry per game whose rules exist, by menu name.
class GameRegistry final : public GameWindows {
public:
    explicit GameRegistry(AppContext &context) : m_context(context) {}
    bool available(const QString &menuName) const override;
    QWidget *create(const QString &menuName, MainWindowLink &main) override;

    // The rules factory of a game, or nullptr while the game has none.
    static const GameForm::RulesFactory *rulesFor(const QString &menuName);

private:
    AppContext &m_context;
};
