#pragma once

#include <QString>

class QWidget;
struct AppContext;

// Opens a help page through the desktop, or says why it cannot.
void ShowHelpPage(QWidget *window, const QString &fileName, AppContext &context);
