// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QPushButton;
class QTextBrowser;

// The program's own help viewer, for desktops that open no web page: a window of its own beside
// the game, with the page and its links, back and forward; Échap closes it.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *parent = nullptr);

    // Shows the page; false when it cannot be read.
    bool showPage(const QString &path);

    QTextBrowser *txtAide;
    QPushButton *cmdPrecedente;
    QPushButton *cmdSuivante;
    QPushButton *cmdFermer;

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

// Shows the page in the help window that belongs to the window's top-level window, opening it if
// needed; nullptr when the page cannot be read.
HelpWindow *ShowHelpWindow(QWidget *window, const QString &path);
