// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmfond.h"

#include "shared/pictures.h"

#include <QPaintEvent>
#include <QPainter>

frmFond::frmFond(QWidget *parent) : QMdiArea(parent)
{
    setObjectName(QStringLiteral("frmFond"));
}

void frmFond::paintEvent(QPaintEvent *event)
{
    QPainter painter(viewport());
    painter.setClipRegion(event->region());
    painter.fillRect(viewport()->rect(), background());
    Pictures::paint(painter, viewport()->rect(), QStringLiteral("FOND"));
}
