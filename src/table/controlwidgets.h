// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "games/tablemodel.h"

#include <QObject>
#include <QPushButton>
#include <vector>

class CardTable;

// A font family of the design followed by stand-ins of the same kind, for systems without it:
// monospaced ones for "Courier New".
QStringList DesignFamilies(const QString &family);

// The widgets of a game's own controls (labels, drop-down lists, buttons), kept in step with the
// table model and placed over the table at its scale.
class ControlWidgets : public QObject {
    Q_OBJECT
public:
    explicit ControlWidgets(CardTable *table);

    // Creates the widgets of new controls and updates those whose control changed.
    void sync(const QList<Control> &controls);
    // Geometry and fonts from the table's current scale.
    void place();
    QList<QPushButton *> buttons() const;
    QWidget *widget(const QString &name) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

Q_SIGNALS:
    // The player chose an entry of a drop-down list.
    void selected(const QString &name, int entry);
    void pressed(const QString &name);

private:
    struct Item {
        Control shown;
        QWidget *widget;
    };
    QWidget *create(const Control &control);
    void update(const Item &item) const;
    void placeOne(const Item &item) const;

    CardTable *m_table;
    std::vector<Item> m_items;
};
