// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/solvermenu.h"

#include "settings/settingkeys.h"
#include "settings/settingsstore.h"
#include "table/gameform.h"
#include "table/solverpanel.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

namespace {

SolverPanel *panelOf(GameForm *form)
{
    return form ? form->solverPanel() : nullptr;
}

} // namespace

SolverMenu::SolverMenu(QMenu *menu, QAction *before, SettingsStore &settings,
                       std::function<GameForm *()> gameWindow)
    : QObject(menu), m_settings(settings), m_gameWindow(std::move(gameWindow))
{
    menu->insertSeparator(before);
    indicateur = new QAction(
        QCoreApplication::translate("SolverMenu", "Indicateur de donne &gagnable"), menu);
    indicateur->setObjectName(QStringLiteral("mnuIndicateur"));
    indicateur->setCheckable(true);
    indicateur->setChecked(settings.read(QString::fromLatin1(Settings::SolveurSection),
                                         QString::fromLatin1(Settings::SolveurIndicateur)) !=
                           QLatin1String("0"));
    indice = new QAction(QCoreApplication::translate("SolverMenu", "&Indice"), menu);
    indice->setObjectName(QStringLiteral("mnuIndice"));
    indice->setShortcut(Qt::Key_F7);
    demonstration = new QAction(QCoreApplication::translate("SolverMenu", "&Démonstration"), menu);
    demonstration->setObjectName(QStringLiteral("mnuDemonstration"));
    demonstration->setShortcut(Qt::Key_F8);
    menu->insertActions(before, {indicateur, indice, demonstration});

    connect(indicateur, &QAction::toggled, this, [this](bool shown) {
        m_settings.write(QString::fromLatin1(Settings::SolveurSection),
                         QString::fromLatin1(Settings::SolveurIndicateur),
                         shown ? QStringLiteral("1") : QStringLiteral("0"));
        if (SolverPanel *panel = panelOf(m_gameWindow()))
            panel->setIndicatorShown(shown);
    });
    connect(indice, &QAction::triggered, this, [this] {
        if (SolverPanel *panel = panelOf(m_gameWindow()))
            panel->hint();
    });
    connect(demonstration, &QAction::triggered, this, [this] {
        if (SolverPanel *panel = panelOf(m_gameWindow()))
            panel->startDemonstration();
    });
    connect(menu, &QMenu::aboutToShow, this, &SolverMenu::update);
    update();
}

void SolverMenu::update()
{
    GameForm *form = m_gameWindow();
    const SolverPanel *panel = panelOf(form);
    // The items follow the game as it goes, so that their shortcuts work only when they may.
    if (panel)
        connect(form, &GameForm::historyChanged, this, &SolverMenu::update, Qt::UniqueConnection);
    const bool usable = panel && panel->usable();
    indice->setEnabled(usable);
    demonstration->setEnabled(usable);
}

void SolverMenu::gameWindowClosed()
{
    indice->setEnabled(false);
    demonstration->setEnabled(false);
}
