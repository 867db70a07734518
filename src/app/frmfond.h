// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMdiArea>

// The background behind the game windows: the built-in picture stretched over the whole area.
class frmFond : public QMdiArea {
    Q_OBJECT
public:
    explicit frmFond(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
