// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/tableaccessible.h"

#include "games/picturenames.h"
#include "games/tablemotion.h"
#include "table/cardtable.h"
#include "table/tablefocus.h"

#include <QPointer>
#include <algorithm>
#include <utility>

namespace {

// A table without a keyboard shows the reader no picture.
const QList<TableNavigation::Spot> &spotsOf(const CardTable *table)
{
    static const QList<TableNavigation::Spot> none;
    return table->keyboard() ? table->keyboard()->spots() : none;
}

int focusOf(const CardTable *table)
{
    return table->keyboard() ? table->keyboard()->focus() : -1;
}

// One picture of the table, known by its index in the model: it is valid while the picture can
// be reached, and reads everything from the table each time, so it never shows a stale card.
class PictureAccessible final : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    PictureAccessible(CardTable *table, int picture) : m_table(table), m_picture(picture) {}

    bool isValid() const override { return m_table && spot() != nullptr; }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override
    {
        return m_table ? m_table->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface *parent() const override
    {
        return m_table ? QAccessible::queryAccessibleInterface(m_table) : nullptr;
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text kind) const override
    {
        if (!isValid())
            return {};
        const TableModel &model = *m_table->model();
        switch (kind) {
        case QAccessible::Name:
            return PictureNames::pictureName(model.at(m_picture));
        case QAccessible::Description: {
            const QString own = m_table->placeName(m_picture);
            return own.isEmpty() ? PictureNames::position(model, spotsOf(m_table), m_picture) : own;
        }
        case QAccessible::Help:
            return model.at(m_picture).toolTip;
        default:
            return {};
        }
    }
    void setText(QAccessible::Text, const QString &) override {}

    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect local = m_table->toPixels(m_table->model()->at(m_picture).rect);
        return QRect(m_table->mapToGlobal(local.topLeft()), local.size());
    }

    QAccessible::Role role() const override { return QAccessible::Button; }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        const Picture &picture = m_table->model()->at(m_picture);
        state.focusable = true;
        state.focused = m_table->hasFocus() && focusOf(m_table) == m_picture;
        state.selectable = true;
        state.selected = framed(picture);
        state.pressed = m_table->keyboard() && m_table->keyboard()->carried() == m_picture;
        state.disabled = !picture.hand && !picture.draggable;
        return state;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface
                   ? static_cast<QAccessibleActionInterface *>(this)
                   : nullptr;
    }

    QStringList actionNames() const override
    {
        return {pressAction(), showMenuAction(), setFocusAction()};
    }
    void doAction(const QString &action) override
    {
        if (!isValid())
            return;
        m_table->motion()->finish(); // as a key does
        TableFocus *keyboard = m_table->keyboard();
        if (!keyboard)
            return;
        if (action == setFocusAction() || action == pressAction() || action == showMenuAction())
            m_table->setFocus(Qt::OtherFocusReason);
        if (action == pressAction())
            keyboard->activate(m_picture);
        else if (action == showMenuAction())
            keyboard->rightPress(m_picture);
    }
    QStringList keyBindingsForAction(const QString &action) const override
    {
        if (action == pressAction())
            return {QStringLiteral("Space")};
        if (action == showMenuAction())
            return {QStringLiteral("Shift+F10")};
        return {};
    }

private:
    const TableNavigation::Spot *spot() const
    {
        const QList<TableNavigation::Spot> &spots = spotsOf(m_table);
        const auto it = std::find_if(spots.begin(), spots.end(),
                                     [this](const auto &spot) { return spot.index == m_picture; });
        return it == spots.end() ? nullptr : &*it;
    }

    // Inside a frame of the game: the frame stands around it, centred on it.
    bool framed(const Picture &picture) const
    {
        const QList<Frame> &frames = m_table->model()->frames;
        return std::any_of(frames.begin(), frames.end(), [&picture](const Frame &frame) {
            const QPoint d = frame.rect.center() - picture.rect.center();
            return frame.visible && d.manhattanLength() <= 2 && frame.rect.contains(picture.rect);
        });
    }

    QPointer<CardTable> m_table;
    int m_picture;
};

QAccessibleInterface *factory(const QString &className, QObject *object)
{
    if (className == QLatin1String("CardTable") && object && object->isWidgetType())
        return new TableAccessible(static_cast<CardTable *>(object));
    return nullptr;
}

} // namespace

TableAccessible::TableAccessible(CardTable *table) : QAccessibleWidget(table, QAccessible::Pane) {}

TableAccessible::~TableAccessible()
{
    for (const QAccessible::Id id : std::as_const(m_pictures))
        QAccessible::deleteAccessibleInterface(id);
}

void TableAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    Q_UNUSED(installed);
}

CardTable *TableAccessible::table() const
{
    return static_cast<CardTable *>(widget());
}

QAccessibleInterface *TableAccessible::pictureInterface(int picture) const
{
    const auto known = m_pictures.constFind(picture);
    if (known != m_pictures.constEnd())
        return QAccessible::accessibleInterface(*known);
    auto *made = new PictureAccessible(table(), picture);
    m_pictures.insert(picture, QAccessible::registerAccessibleInterface(made));
    return made;
}

// The pictures first, in reading order, then the widgets over the table: the prompt, the buttons
// and the game's own controls.
int TableAccessible::childCount() const
{
    return int(spotsOf(table()).size()) + QAccessibleWidget::childCount();
}

QAccessibleInterface *TableAccessible::child(int index) const
{
    const QList<TableNavigation::Spot> &spots = spotsOf(table());
    if (index < 0)
        return nullptr;
    if (index < spots.size())
        return pictureInterface(spots.at(index).index);
    return QAccessibleWidget::child(index - int(spots.size()));
}

int TableAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    const QList<TableNavigation::Spot> &spots = spotsOf(table());
    for (int i = 0; i < spots.size(); ++i) {
        const auto known = m_pictures.constFind(spots.at(i).index);
        if (known != m_pictures.constEnd() && QAccessible::accessibleInterface(*known) == child)
            return i;
    }
    const int widget = QAccessibleWidget::indexOfChild(child);
    return widget < 0 ? -1 : widget + int(spots.size());
}

QAccessibleInterface *TableAccessible::childAt(int x, int y) const
{
    const CardTable *cardTable = table();
    // The widgets lie over the pictures.
    for (int i = int(spotsOf(cardTable).size()); i < childCount(); ++i) {
        QAccessibleInterface *widget = child(i);
        if (widget && widget->isValid() && !widget->state().invisible &&
            widget->rect().contains(x, y))
            return widget;
    }
    if (!cardTable->model())
        return nullptr;
    const QPoint twips = cardTable->toTwips(QPointF(cardTable->mapFromGlobal(QPoint(x, y))));
    const int picture = cardTable->model()->pictureAt(twips);
    const QList<TableNavigation::Spot> &spots = spotsOf(cardTable);
    const bool reachable = std::any_of(
        spots.begin(), spots.end(), [picture](const auto &spot) { return spot.index == picture; });
    return reachable ? pictureInterface(picture) : nullptr;
}

QAccessibleInterface *TableAccessible::focusChild() const
{
    const int focus = focusOf(table());
    if (!table()->hasFocus() || focus < 0)
        return QAccessibleWidget::focusChild();
    return pictureInterface(focus);
}

void TableAccessible::focusMoved(CardTable *table, int picture)
{
    if (!QAccessible::isActive() || picture < 0 || !table->hasFocus())
        return;
    auto *self = dynamic_cast<TableAccessible *>(QAccessible::queryAccessibleInterface(table));
    if (!self)
        return;
    QAccessibleInterface *focused = self->pictureInterface(picture);
    self->m_focusName = focused->text(QAccessible::Name);
    QAccessibleEvent event(focused, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}

void TableAccessible::modelChanged(CardTable *table)
{
    if (!QAccessible::isActive())
        return;
    auto *self = dynamic_cast<TableAccessible *>(QAccessible::queryAccessibleInterface(table));
    if (!self)
        return;
    QAccessibleEvent reorder(self, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&reorder);
    // The focused card turned or another took its place: the reader says its new name.
    const int focus = focusOf(table);
    if (focus < 0 || !table->hasFocus())
        return;
    QAccessibleInterface *focused = self->pictureInterface(focus);
    const QString name = focused->text(QAccessible::Name);
    if (name == std::exchange(self->m_focusName, name))
        return;
    QAccessibleEvent renamed(focused, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
}
