// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared/helppage.h"

#include "shared/appcontext.h"
#include "shared/appstate.h"
#include "shared/desktopopener.h"
#include "shared/files.h"
#include "shared/helpwindow.h"
#include "shared/userdialogs.h"

#include <QCoreApplication>
#include <QLocale>
#include <QPointer>
#include <QWidget>

namespace {

// The page in the language the program speaks (its default locale's), from the folder named
// after it ("en/aide/regles.htm"), when there is one; the French page otherwise.
QString pageInLanguage(const QString &appFolder, const QString &fileName)
{
    const QLocale::Language language = QLocale().language();
    if (language != QLocale::French && language != QLocale::C) {
        const QString own = HelpPagePath(
            appFolder + QLocale::languageToCode(language) + QLatin1Char('/'), fileName);
        if (FileExists(own))
            return own;
    }
    return HelpPagePath(appFolder, fileName);
}

} // namespace

void ShowHelpPage(QWidget *window, const QString &fileName, AppContext &context)
{
    const QString path = pageInLanguage(context.state.appFolder, fileName);
    if (!FileExists(path)) {
        context.dialogs.message(
            window,
            QCoreApplication::translate("HelpPage", "Fichier d'aide [") + fileName +
                QCoreApplication::translate("HelpPage",
                                            "] introuvable. Assurez-vous que celui-ci doit "
                                            "se trouver dans le dossier:\n") +
                context.state.appFolder + QStringLiteral("aide"),
            UserDialogs::Icon::Critical,
            QCoreApplication::translate("HelpPage", "fichier d'aide absent"));
        return;
    }
    // The desktop may answer after the calling window has gone.
    const QPointer<QWidget> caller(window);
    context.opener.open(path, [caller, path, &context](bool opened) {
        if (opened || ShowHelpWindow(caller, path))
            return;
        context.dialogs.message(
            caller,
            QCoreApplication::translate(
                "HelpPage", "Aucune application associée avec ce type de fichier [HTM]."),
            UserDialogs::Icon::Information, QCoreApplication::translate("HelpPage", "Information"));
    });
}
