// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/positionkey.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QIODevice>

QByteArray SolverPositionKey(const TableModel &table, bool inProgress, const QString &prompt)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << inProgress << prompt;
    for (const Picture &picture : table.pictures)
        out << picture.tag << picture.card << int(picture.face) << picture.rect.topLeft()
            << picture.visible << picture.border << picture.draggable;
    for (const Frame &frame : table.frames)
        out << frame.visible
            << (frame.visible ? frame.rect : QRect()); // a hidden frame's place is a leftover
    for (const Control &control : table.controls)
        out << control.text << control.current << control.enabled;
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}
