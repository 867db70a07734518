// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QTimer>
#include <QWidget>

struct AppContext;
class SingleInstance;

// The splash: refuses a second copy, writes the first-run settings, then after two one-second
// ticks gives way to the main window.
class frmIntro : public QWidget {
    Q_OBJECT
public:
    frmIntro(AppContext &context, SingleInstance &instance, QWidget *parent = nullptr);

    // Shows the splash and starts its timer; false when the program must end at once.
    bool start();

    // One tick of Timer1; the second one closes the splash and emits finished().
    void tick();

    QLabel *lblTitre;
    QLabel *lblVersion;
    QTimer Timer1;

Q_SIGNALS:
    void finished();

private:
    // Keeps a settings file that could not be read completely and says where; false when it could
    // not be moved aside, so nothing may be written to it.
    bool setAsideUnreadableSettings();

    AppContext &m_context;
    SingleInstance &m_instance;
    int m_ticks = 0;
};
