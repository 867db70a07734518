// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;
struct AppContext;

// Opens a help page, in the program's language when that page exists and in French otherwise,
// through the desktop, or in the program's own help window when the desktop cannot; says why
// when neither can show it.
void ShowHelpPage(QWidget *window, const QString &fileName, AppContext &context);
