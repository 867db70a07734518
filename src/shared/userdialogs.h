// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>
#include <optional>

class QWidget;

// Every question, message and common dialog goes through here, so tests can answer them.
class UserDialogs {
public:
    enum class Icon { None, Information, Question, Exclamation, Critical };

    virtual ~UserDialogs() = default;

    virtual void message(QWidget *parent, const QString &text, Icon icon, const QString &title) = 0;
    // Yes/No; returns true for Yes. With noByDefault, No is the default button.
    virtual bool askYesNo(QWidget *parent, const QString &text, Icon icon, const QString &title,
                          bool noByDefault = false) = 0;
    // File names, or "" when the user cancels. Filters use Qt's syntax, ";;"-separated.
    virtual QString openFileName(QWidget *parent, const QString &title, const QString &folder,
                                 const QString &filters) = 0;
    virtual QString saveFileName(QWidget *parent, const QString &title, const QString &folder,
                                 const QString &filters, const QString &defaultSuffix) = 0;
    virtual std::optional<QColor> chooseColour(QWidget *parent, const QColor &initial) = 0;
    // One line of text typed by the user, or "" when the user cancels.
    virtual QString askText(QWidget *parent, const QString &label, const QString &title) = 0;
};

// The real dialogs: message boxes, file and colour dialogs.
class QtUserDialogs final : public UserDialogs {
public:
    void message(QWidget *parent, const QString &text, Icon icon, const QString &title) override;
    bool askYesNo(QWidget *parent, const QString &text, Icon icon, const QString &title,
                  bool noByDefault) override;
    QString openFileName(QWidget *parent, const QString &title, const QString &folder,
                         const QString &filters) override;
    QString saveFileName(QWidget *parent, const QString &title, const QString &folder,
                         const QString &filters, const QString &defaultSuffix) override;
    std::optional<QColor> chooseColour(QWidget *parent, const QColor &initial) override;
    QString askText(QWidget *parent, const QString &label, const QString &title) override;
};

// The title of every message box unless a window names another.
extern const QString AppTitle; // "VORELLES"
