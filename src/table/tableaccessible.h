// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>
#include <QHash>

class CardTable;

// What a screen reader sees of a card table: the table, and as its children the pictures the
// keyboard can reach, in reading order, each named in French words ("Dame de cœur", "Carte
// retournée", "Emplacement libre"), placed ("Rangée 2, colonne 3"), focused and selected (inside
// a frame of the game) as they are, and pressed or right-pressed by the reader's actions.
class TableAccessible : public QAccessibleWidget {
public:
    explicit TableAccessible(CardTable *table);
    ~TableAccessible() override;
    TableAccessible(const TableAccessible &) = delete;
    TableAccessible &operator=(const TableAccessible &) = delete;

    // Makes Qt build this interface for every card table; once is enough.
    static void install();
    // Tell a screen reader that the focus moved to a picture, or that the table changed.
    static void focusMoved(CardTable *table, int picture);
    static void modelChanged(CardTable *table);

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *focusChild() const override;

    // The interface of one picture of the model, made on first use.
    QAccessibleInterface *pictureInterface(int picture) const;

private:
    CardTable *table() const;

    mutable QHash<int, QAccessible::Id> m_pictures;
    QString m_focusName; // what the reader last heard of the focused picture
};
