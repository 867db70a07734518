// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/dealmenu.h"

#include "games/dealnumber.h"
#include "shared/userdialogs.h"
#include "table/gameform.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

DealMenu::DealMenu(QMenu *menu, QMdiArea *area, UserDialogs &dialogs)
    : QObject(menu), m_area(area), m_dialogs(dialogs)
{
    menu->addSeparator();
    annuler = menu->addAction(tr("Ann&uler"), this, [this] {
        if (GameForm *form = game())
            form->undo();
    });
    annuler->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    retablir = menu->addAction(tr("Réta&blir"), this, [this] {
        if (GameForm *form = game())
            form->redo();
    });
    retablir->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    rejouer = menu->addAction(tr("Re&jouer la même donne"), this, [this] {
        if (GameForm *form = game())
            form->replayDeal();
    });
    donneNumero = menu->addAction(tr("Donne nu&méro..."), this, &DealMenu::askNumber);
    connect(menu, &QMenu::aboutToShow, this, &DealMenu::refresh);
    connect(area, &QMdiArea::subWindowActivated, this, &DealMenu::follow);
    refresh();
}

GameForm *DealMenu::game() const
{
    for (QMdiSubWindow *sub : m_area->subWindowList()) {
        if (auto *form = qobject_cast<GameForm *>(sub->widget()))
            return form;
    }
    return nullptr;
}

// The items follow the open game window, so that their shortcuts work as soon as they may.
void DealMenu::follow()
{
    GameForm *form = game();
    if (form != m_followed) {
        if (m_followed)
            disconnect(m_followed, nullptr, this, nullptr);
        m_followed = form;
        if (form)
            connect(form, &GameForm::historyChanged, this, &DealMenu::refresh);
    }
    refresh();
}

void DealMenu::refresh()
{
    if (game() != m_followed) {
        follow();
        return;
    }
    GameForm *form = m_followed;
    const UndoPolicy policy = form ? form->undoPolicy() : UndoPolicy::None;
    // A refusal is told, so Ctrl+Z must reach the game.
    annuler->setEnabled(form && (policy == UndoPolicy::Refused || form->canUndo()));
    retablir->setEnabled(form && form->canRedo());
    rejouer->setEnabled(form != nullptr);
    donneNumero->setEnabled(form != nullptr);
}

void DealMenu::askNumber()
{
    GameForm *form = game();
    if (!form)
        return;
    const QString text = m_dialogs.askText(
        form, tr("Numéro de la donne (de %1 à %2) :").arg(DealNumber::First).arg(DealNumber::Last),
        AppTitle);
    if (text.trimmed().isEmpty())
        return;
    const quint32 number = DealNumber::Parse(text);
    if (number == 0) {
        m_dialogs.message(form,
                          tr("Le numéro d'une donne est un nombre entier de %1 à %2.")
                              .arg(DealNumber::First)
                              .arg(DealNumber::Last),
                          UserDialogs::Icon::Exclamation, AppTitle);
        return;
    }
    form->dealNumbered(number);
}
