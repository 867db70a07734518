// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/frmabout.h"

#include "shared/appcontext.h"
#include "shared/helppage.h"
#include "shared/pictures.h"
#include "shared/userdialogs.h"

#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

frmAbout::frmAbout(AppContext &context, QWidget *parent)
    : QDialog(parent), lblTitle(new QLabel(QStringLiteral("VORELLES"), this)),
      lblVersion(new QLabel(QStringLiteral("Version ") + QStringLiteral(VORELLES_VERSION), this)),
      lblDescription(new QLabel(
          QCoreApplication::translate("frmAbout", "Passez un moment agréable de détente en jouant "
                                                  "aux vorelles que vous aimez..."),
          this)),
      Label1(new QLabel(QCoreApplication::translate("frmAbout", "Avertissement:"), this)),
      lblAvertissement(new QLabel(
          QCoreApplication::translate(
              "frmAbout", "Ce programme est gratuit. Vous pouvez le copier et le transmettre "
                          "librement, à condition de n'y apporter aucune modification. Il est "
                          "fourni tel quel, sans aucune garantie : son auteur ne saurait être tenu "
                          "pour responsable des conséquences de son utilisation."),
          this)),
      lblLicence(new QLabel(
          QCoreApplication::translate(
              "frmAbout", "Logiciel libre sous licence GNU GPL version 3 ou ultérieure."),
          this)),
      Image1(new QLabel(this)), cmdOK(new QPushButton(QStringLiteral("OK"), this)),
      cmdSysInfo(
          new QPushButton(QCoreApplication::translate("frmAbout", "&Infos système..."), this)),
      m_context(context)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QCoreApplication::translate("frmAbout", "A propos de"));
    setWindowIcon(Pictures::icon(QStringLiteral("A")));

    QFont titleFont = lblTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.8);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    Image1->setPixmap(Pictures::pixmap(QStringLiteral("A"), QSize(32, 32), devicePixelRatioF()));
    lblDescription->setWordWrap(true);
    lblAvertissement->setWordWrap(true);
    lblAvertissement->setMinimumWidth(340);
    lblLicence->setWordWrap(true);

    auto *separator = new QFrame(this);
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);

    auto *text = new QVBoxLayout;
    text->addWidget(lblTitle);
    text->addWidget(lblVersion);
    text->addSpacing(8);
    text->addWidget(lblDescription);

    auto *header = new QHBoxLayout;
    header->addWidget(Image1, 0, Qt::AlignTop);
    header->addSpacing(12);
    header->addLayout(text, 1);

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdSysInfo);
    buttons->addStretch();

    auto *notice = new QVBoxLayout;
    notice->addWidget(Label1);
    notice->addWidget(lblAvertissement);
    notice->addSpacing(6);
    notice->addWidget(lblLicence);

    auto *footer = new QHBoxLayout;
    footer->addLayout(notice, 1);
    footer->addSpacing(12);
    footer->addLayout(buttons);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(header);
    layout->addWidget(separator);
    layout->addLayout(footer);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Return presses OK whichever button last had the focus.
    cmdOK->setDefault(true);
    cmdSysInfo->setAutoDefault(false);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::StartSysInfo);

    adjustSize();
    if (const QScreen *current = screen())
        move(current->geometry().center() - rect().center());
}

void frmAbout::StartSysInfo()
{
    const std::optional<SysInfo::Command> tool = SysInfo::findTool(toolFolders);
    if (tool && launcher(*tool))
        return;
    m_context.dialogs.message(
        this,
        QCoreApplication::translate(
            "frmAbout", "Les informations système ne sont pas disponibles actuellement"),
        UserDialogs::Icon::None, AppTitle);
}

void frmAbout::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1) {
        ShowHelpPage(this, QStringLiteral("aide.htm"), m_context);
        return;
    }
    QDialog::keyPressEvent(event);
}

void ShowAbout(QWidget *parent, AppContext &context)
{
    frmAbout about(context, parent);
    about.exec();
}
