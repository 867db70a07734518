#include "games/gameregistry.h"

#include "games/gamecatalog.h"
#include "games/rulesregistry.h"

const GameForm::RulesFactory *GameRegistry::rulesFor(const QString &menuName)
{
    return RulesRegistry::rulesFor(menuName);
}

bool GameRegistry::available(const QString &menuName) const
{
    return rulesFor(menuName) != nullptr;
}

QWidget *GameRegistry::create(const QString &menuName, MainWindowLink &main)
{
    const GameInfo *info = GameCatalog::byMenuName(menuName);
    const GameForm::RulesFactory *factory = rulesFor(menuName);
    if (!info || !factory)
        return nullptr;
    return new GameForm(*info, m_context, main, *factory);
}
