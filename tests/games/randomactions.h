#pragma once

#include "games/gamerules.h"

#include <QList>
#include <QString>
#include <random>

// One action of a player on a game's rules, drawn at random among those the table offers, and
// kept so that it can be played again on other rules of the same game.
struct PlayerAction {
    enum class Kind { Click, DoubleClick, RightPress, Drag, Select, Press, Tick };
    Kind kind = Kind::Click;
    int source = -1;
    int target = -1; // a picture, -1 for the bare table; the entry of a Select
    QString control;

    // Mostly on the pictures that show the hand (the player may act on them), else anywhere; a
    // drag starts from a picture drawn on top.
    static PlayerAction draw(const GameRules &rules, std::mt19937 &random)
    {
        const TableModel &table = rules.table();
        QList<int> shown;
        QList<int> active;
        QList<int> draggable;
        for (int i = 0; i < table.pictures.size(); ++i) {
            const Picture &picture = table.at(i);
            if (!picture.visible)
                continue;
            shown.append(i);
            if (picture.hand)
                active.append(i);
            // The mouse reaches only the picture drawn on top.
            if (picture.draggable && table.pictureAt(picture.rect.center()) == i)
                draggable.append(i);
        }
        QList<const Control *> lists;
        QList<const Control *> buttons;
        for (const Control &control : table.controls) {
            if (!control.enabled || !control.visible)
                continue;
            if (control.kind == Control::Kind::ComboBox && !control.entries.isEmpty())
                lists.append(&control);
            if (control.kind == Control::Kind::Button)
                buttons.append(&control);
        }
        auto pick = [&random](const auto &list) {
            return list.at(qsizetype(random() % quint32(list.size())));
        };
        const auto roll = quint32(random() % 100);
        PlayerAction action;
        if (rules.timerRunning() && roll < 30) {
            action.kind = Kind::Tick;
        } else if (!draggable.isEmpty() && roll < 55) {
            action.kind = Kind::Drag;
            action.source = pick(draggable);
            action.target = random() % 10 == 0 || shown.isEmpty() ? -1 : pick(shown);
        } else if (!buttons.isEmpty() && roll < 60) {
            action.kind = Kind::Press;
            action.control = pick(buttons)->name;
        } else if (!lists.isEmpty() && roll < 62) {
            const Control *list = pick(lists);
            action.kind = Kind::Select;
            action.control = list->name;
            action.target = int(random() % quint32(list->entries.size()));
        } else {
            // Every table shows some picture.
            const QList<int> &from = !active.isEmpty() && roll % 5 != 0 ? active : shown;
            action.source = pick(from);
            action.kind = roll % 7 == 0   ? Kind::DoubleClick
                          : roll % 7 == 1 ? Kind::RightPress
                                          : Kind::Click;
        }
        return action;
    }

    // Plays the action as the window sends it; a drag passes over its target before the drop.
    void apply(GameRules &rules) const
    {
        switch (kind) {
        case Kind::Click:
            rules.click(source);
            break;
        case Kind::DoubleClick:
            rules.doubleClick(source);
            break;
        case Kind::RightPress:
            rules.rightPress(source);
            break;
        case Kind::Drag: {
            rules.dragOver(source, target);
            const QPoint at = target >= 0 ? rules.table().at(target).rect.topLeft()
                                          : rules.table().at(source).rect.topLeft();
            rules.drop(source, target, at);
            break;
        }
        case Kind::Select:
            rules.select(control, target);
            break;
        case Kind::Press:
            rules.press(control);
            break;
        case Kind::Tick:
            rules.timerTick();
            break;
        }
    }
};
