// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "solver/solver.h"

#include <QList>
#include <QPoint>
#include <QStringList>
#include <memory>
#include <optional>

struct TableModel;

// What a compact position needs of the table to write its moves: the pictures' names and
// places. Read once on the window's thread, then shared by every copy of the position.
class TableBook {
public:
    explicit TableBook(const TableModel &table);

    // A card as a small number (0 to 51) and back; -1 for no card.
    static int cardNumber(const QString &code);
    static QString cardCode(int number);
    static int value(int number) { return number < 0 ? 0 : number % 13 + 1; }

    // "Carte(12)".
    QString name(int picture) const { return m_names.value(picture); }
    // A click on a picture that holds, or turns up, a card.
    SolverMove click(int picture, int card) const;
    // The card held by source let go on target, at the target's place as dealt unless the
    // target has moved since.
    SolverMove drop(int source, int card, int target, std::optional<QPoint> at = {}) const;

private:
    QStringList m_names;
    QList<QPoint> m_topLefts;
};

using SharedBook = std::shared_ptr<const TableBook>;
