// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fakedialogs.h"
#include "settings/settingsstore.h"
#include "shared/appcontext.h"
#include "shared/appstate.h"
#include "shared/documentprinter.h"
#include "shared/randomsource.h"

#include <QTemporaryDir>

// A complete application context in a temporary folder: settings file, application folder
// (with "cartes.res" unless told otherwise), scripted dialogs and desktop, seeded shuffle.
struct TestApp {
    explicit TestApp(bool withCardsFile = true);

    void set(const char *key, const QString &value);
    QString get(const char *key) const;
    // Creates a file (and its folders) under the application folder.
    QString createFile(const QString &relativePath, const QByteArray &content = "x");

    QTemporaryDir dir;
    AppState state;
    SettingsStore settings;
    SeededRandom random{12345};
    FakeDialogs dialogs;
    FakeOpener opener;
    PdfPrinter printer{dir.filePath(QStringLiteral("printed.pdf"))};
    AppContext context{state, settings, random, dialogs, opener, printer};
};
