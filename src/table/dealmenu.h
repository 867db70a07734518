// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>

class GameForm;
class QAction;
class QMdiArea;
class QMenu;
class UserDialogs;

// The items of the game menu that act on the open game's moves and deals: "Annuler",
// "Rétablir", "Rejouer la même donne" and "Donne numéro...", added together at the end of the
// menu, enabled as the open game allows.
class DealMenu final : public QObject {
    Q_OBJECT
public:
    DealMenu(QMenu *menu, QMdiArea *area, UserDialogs &dialogs);

    QAction *annuler;
    QAction *retablir;
    QAction *rejouer;
    QAction *donneNumero;

private:
    GameForm *game() const;
    void follow();
    void refresh();
    void askNumber();

    QMdiArea *m_area;
    UserDialogs &m_dialogs;
    QPointer<GameForm> m_followed;
};
