// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/controlwidgets.h"

#include "table/cardtable.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QSignalBlocker>
#include <QToolTip>
#include <cmath>

namespace {

// The height of one line of a drop-down list at the design size.
constexpr int ComboHeight = 315;
constexpr int DefaultPoints = 8;

Qt::Alignment alignment(Control::Align align)
{
    switch (align) {
    case Control::Align::Centre:
        return Qt::AlignHCenter | Qt::AlignTop;
    case Control::Align::Right:
        return Qt::AlignRight | Qt::AlignTop;
    case Control::Align::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

// A list's entry or a label's text as the player reads it: the games keep some in French (the
// record names them), marked in the context "ListEntries"; any other text shows as it is.
QString shown(const QString &stored)
{
    return QCoreApplication::translate("ListEntries", stored.toUtf8().constData());
}

} // namespace

QStringList DesignFamilies(const QString &family)
{
    if (family == QLatin1String("Courier New"))
        return {family, QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")};
    return {family, QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
}

ControlWidgets::ControlWidgets(CardTable *table) : QObject(table), m_table(table)
{
    m_table->installEventFilter(this);
}

bool ControlWidgets::eventFilter(QObject *watched, QEvent *event)
{
    // Labels let the mouse through to the cards under them, so the table is asked for their tips:
    // over a label that has one, the label's, before the table's own.
    if (watched != m_table || event->type() != QEvent::ToolTip)
        return false;
    const auto *help = static_cast<QHelpEvent *>(event);
    for (auto it = m_items.rbegin(); it != m_items.rend(); ++it) {
        const QWidget *widget = it->widget;
        if (qobject_cast<const QLabel *>(widget) && widget->isVisible() &&
            !widget->toolTip().isEmpty() && widget->geometry().contains(help->pos())) {
            QToolTip::showText(help->globalPos(), widget->toolTip(), m_table, widget->geometry());
            return true;
        }
    }
    return false;
}

QWidget *ControlWidgets::create(const Control &control)
{
    switch (control.kind) {
    case Control::Kind::Label: {
        auto *label = new QLabel(m_table);
        label->setWordWrap(true);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        return label;
    }
    case Control::Kind::ComboBox: {
        auto *combo = new QComboBox(m_table);
        combo->setFocusPolicy(Qt::TabFocus);
        connect(combo, &QComboBox::activated, this,
                [this, name = control.name](int entry) { Q_EMIT selected(name, entry); });
        return combo;
    }
    case Control::Kind::Button: {
        auto *button = new QPushButton(m_table);
        button->setFocusPolicy(Qt::TabFocus);
        connect(button, &QPushButton::clicked, this,
                [this, name = control.name] { Q_EMIT pressed(name); });
        return button;
    }
    }
    return nullptr;
}

void ControlWidgets::sync(const QList<Control> &controls)
{
    for (const Control &control : controls) {
        auto it = std::find_if(m_items.begin(), m_items.end(), [&control](const Item &item) {
            return item.shown.name == control.name;
        });
        if (it == m_items.end()) {
            QWidget *widget = create(control);
            widget->setObjectName(control.name);
            m_items.push_back({control, widget});
            update(m_items.back());
            placeOne(m_items.back());
            widget->show();
            continue;
        }
        if (it->shown == control)
            continue;
        const bool moved =
            it->shown.rect != control.rect || it->shown.fontPoints != control.fontPoints;
        it->shown = control;
        update(*it);
        if (moved)
            placeOne(*it);
    }
}

void ControlWidgets::update(const Item &item) const
{
    const Control &control = item.shown;
    QWidget *widget = item.widget;
    widget->setToolTip(control.toolTip);
    widget->setEnabled(control.enabled);
    widget->setVisible(control.visible);
    if (auto *label = qobject_cast<QLabel *>(widget)) {
        label->setText(shown(control.text));
        label->setAlignment(alignment(control.align));
        label->setStyleSheet(QStringLiteral("QLabel { color: %1; background: transparent; }")
                                 .arg(QColor::fromRgb(QRgb(control.colour)).name()));
    } else if (auto *combo = qobject_cast<QComboBox *>(widget)) {
        const QSignalBlocker quiet(combo);
        QStringList entries;
        for (const QString &entry : control.entries)
            entries.append(shown(entry));
        QStringList showing;
        for (int i = 0; i < combo->count(); ++i)
            showing.append(combo->itemText(i));
        if (showing != entries) {
            combo->clear();
            combo->addItems(entries);
        }
        combo->setCurrentIndex(control.current);
    } else if (auto *button = qobject_cast<QPushButton *>(widget)) {
        button->setText(control.text);
    }
}

void ControlWidgets::placeOne(const Item &item) const
{
    const Control &control = item.shown;
    const qreal zoom = m_table->scale() * 15.0; // 1 at the design size
    QFont font = m_table->font();
    if (!control.fontFamily.isEmpty())
        font.setFamilies(DesignFamilies(control.fontFamily));
    font.setBold(control.bold);
    const int points = control.fontPoints > 0 ? control.fontPoints : DefaultPoints;
    // A point is 20 twips, so 4/3 of a pixel at the design size.
    font.setPixelSize(std::max(6, int(std::lround(points * 4.0 / 3.0 * zoom))));
    item.widget->setFont(font);
    QRect rect = control.rect;
    if (control.kind == Control::Kind::ComboBox && rect.height() <= 0)
        rect.setHeight(ComboHeight);
    item.widget->setGeometry(m_table->toPixels(rect));
}

void ControlWidgets::place()
{
    for (const Item &item : m_items)
        placeOne(item);
}

QList<QPushButton *> ControlWidgets::buttons() const
{
    QList<QPushButton *> list;
    for (const Item &item : m_items) {
        if (auto *button = qobject_cast<QPushButton *>(item.widget))
            list.append(button);
    }
    return list;
}

QWidget *ControlWidgets::widget(const QString &name) const
{
    for (const Item &item : m_items) {
        if (item.shown.name == name)
            return item.widget;
    }
    return nullptr;
}
