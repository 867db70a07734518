// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/gameregistry.h"

#include "catalog/gamecatalog.h"
#include "table/gameform.h"

QWidget *GameRegistry::create(const QString &menuName, MainWindowLink &main)
{
    const GameInfo *info = GameCatalog::byMenuName(menuName);
    if (!info)
        return nullptr;
    return new GameForm(*info, m_context, main);
}
