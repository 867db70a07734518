// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

// Mouse gestures sent to a widget as the window system sends them, at a point of the widget. A
// widget may close on any of the events (a button that ends its window): nothing more goes to it
// then.
struct MouseGestures {
    static void send(QWidget *target, QEvent::Type type, QPoint at, Qt::MouseButton button,
                     Qt::MouseButtons held)
    {
        QMouseEvent event(type, at, target->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    }
    static void hover(QWidget *target, QPoint at) { send(target, QEvent::MouseMove, at, {}, {}); }
    static void press(QWidget *target, QPoint at)
    {
        send(target, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    }
    static void moveHeld(QWidget *target, QPoint at)
    {
        send(target, QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
    }
    static void release(QWidget *target, QPoint at)
    {
        send(target, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    }
    static void click(QWidget *target, QPoint at, Qt::MouseButton button = Qt::LeftButton)
    {
        const QPointer<QWidget> alive(target);
        send(target, QEvent::MouseButtonPress, at, button, button);
        if (alive)
            send(target, QEvent::MouseButtonRelease, at, button, Qt::NoButton);
    }
    // A click, then the second press that the window system reports as a double click.
    static void doubleClick(QWidget *target, QPoint at)
    {
        const QPointer<QWidget> alive(target);
        click(target, at);
        if (alive)
            send(target, QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton);
        if (alive)
            release(target, at);
    }
};
