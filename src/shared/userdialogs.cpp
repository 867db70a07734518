// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared/userdialogs.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

const QString AppTitle = QStringLiteral("VORELLES");

namespace {

QMessageBox::Icon boxIcon(UserDialogs::Icon icon)
{
    switch (icon) {
    case UserDialogs::Icon::Information:
        return QMessageBox::Information;
    case UserDialogs::Icon::Question:
        return QMessageBox::Question;
    case UserDialogs::Icon::Exclamation:
        return QMessageBox::Warning;
    case UserDialogs::Icon::Critical:
        return QMessageBox::Critical;
    case UserDialogs::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void QtUserDialogs::message(QWidget *parent, const QString &text, Icon icon, const QString &title)
{
    QMessageBox box(boxIcon(icon), title, text, QMessageBox::Ok, parent);
    box.exec();
}

bool QtUserDialogs::askYesNo(QWidget *parent, const QString &text, Icon icon, const QString &title,
                             bool noByDefault)
{
    QMessageBox box(boxIcon(icon), title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(noByDefault ? QMessageBox::No : QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

QString QtUserDialogs::openFileName(QWidget *parent, const QString &title, const QString &folder,
                                    const QString &filters)
{
    return QFileDialog::getOpenFileName(parent, title, folder, filters);
}

QString QtUserDialogs::saveFileName(QWidget *parent, const QString &title, const QString &folder,
                                    const QString &filters, const QString &defaultSuffix)
{
    QFileDialog dialog(parent, title, folder, filters);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

std::optional<QColor> QtUserDialogs::chooseColour(QWidget *parent, const QColor &initial)
{
    const QColor colour = QColorDialog::getColor(initial, parent);
    if (!colour.isValid())
        return std::nullopt;
    return colour;
}

QString QtUserDialogs::askText(QWidget *parent, const QString &label, const QString &title)
{
    QInputDialog dialog(parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(label);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QCoreApplication::translate("UserDialogs", "Annuler"));
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}
