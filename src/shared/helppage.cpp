// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared/helppage.h"

#include "shared/appcontext.h"
#include "shared/appstate.h"
#include "shared/desktopopener.h"
#include "shared/files.h"
#include "shared/helpwindow.h"
#include "shared/userdialogs.h"

#include <QPointer>
#include <QWidget>

void ShowHelpPage(QWidget *window, const QString &fileName, AppContext &context)
{
    const QString path = HelpPagePath(context.state.appFolder, fileName);
    if (!FileExists(path)) {
        context.dialogs.message(window,
                                QStringLiteral("Fichier d'aide [") + fileName +
                                    QStringLiteral("] introuvable. Assurez-vous que celui-ci doit "
                                                   "se trouver dans le dossier:\n") +
                                    context.state.appFolder + QStringLiteral("aide"),
                                UserDialogs::Icon::Critical,
                                QStringLiteral("fichier d'aide absent"));
        return;
    }
    // The desktop may answer after the calling window has gone.
    const QPointer<QWidget> caller(window);
    context.opener.open(path, [caller, path, &context](bool opened) {
        if (opened || ShowHelpWindow(caller, path))
            return;
        context.dialogs.message(
            caller, QStringLiteral("Aucune application associée avec ce type de fichier [HTM]."),
            UserDialogs::Icon::Information, QStringLiteral("Information"));
    });
}
