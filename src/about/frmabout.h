// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "about/sysinfo.h"

#include <QDialog>

class QLabel;
class QPushButton;
struct AppContext;

// The about box: title, version, description, our notice, the licence and the way to the desktop's
// system-information tool.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(AppContext &context, QWidget *parent = nullptr);

    // Starts the first system-information tool found, or says there is none.
    void StartSysInfo();

    QLabel *lblTitle;
    QLabel *lblVersion;
    QLabel *lblDescription;
    QLabel *Label1;
    QLabel *lblAvertissement;
    QLabel *lblLicence; // the licence the program is distributed under
    QLabel *Image1;
    QPushButton *cmdOK;
    QPushButton *cmdSysInfo;

    // Where StartSysInfo looks for a tool and how it starts one; tests replace both so that
    // nothing is started.
    QStringList toolFolders = SysInfo::pathFolders();
    SysInfo::Launcher launcher = SysInfo::startDetached;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    AppContext &m_context;
};

// Shows the about box modally over parent.
void ShowAbout(QWidget *parent, AppContext &context);
