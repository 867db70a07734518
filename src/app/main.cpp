// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/frmabout.h"
#include "app/frmintro.h"
#include "app/frmjeu.h"
#include "app/singleinstance.h"
#include "app/translations.h"
#include "catalog/gamecatalog.h"
#include "history/frmhistorique.h"
#include "options/frmoptions.h"
#include "resume/resumefile.h"
#include "settings/settingkeys.h"
#include "settings/settingsstore.h"
#include "shared/appcontext.h"
#include "shared/appstate.h"
#include "shared/desktopopener.h"
#include "shared/documentprinter.h"
#include "shared/files.h"
#include "shared/randomsource.h"
#include "shared/userdialogs.h"
#include "statistics/frmstatistiques.h"
#include "table/gameregistry.h"

#include <QApplication>
#include <QFileInfo>
#include <csignal>
#include <cstdio>
#include <memory>

namespace {

// With VORELLES_QUIT_AFTER_START set, the program ends as soon as its main window has loaded and
// says where it found its files: the packaging checks start the installed program this way.
bool QuitAfterStart(const AppState &state)
{
    if (qEnvironmentVariableIsEmpty("VORELLES_QUIT_AFTER_START"))
        return false;
    std::printf("dossier de l'application : %s\naide : %s\nhistorique : %s\n",
                qUtf8Printable(state.appFolder),
                qUtf8Printable(HelpPagePath(state.appFolder, QStringLiteral("aide.htm"))),
                qUtf8Printable(LogPath(state)));
    std::fflush(stdout);
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    // Past a file size limit a write fails instead of ending the program, so the player is told
    // and the log keeps its previous content.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    // Two copies of the program under different names keep separate settings.
    const QString appName = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    QCoreApplication::setApplicationName(appName);
    // The desktop matches the windows to the installed desktop entry by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vorelles.Vorelles"));
    AppState state;
    const QString executableFolder = AppFolderFor(QCoreApplication::applicationDirPath());
    LocateFolders(state, executableFolder);
    state.resumePath = ResumeFile::defaultPath(appName);
    SettingsStore settings(SettingsStore::defaultIniPath(appName), state.appFolder);
    InstallTranslations(app, ChooseLanguage(settings.parameter(Settings::Langue)));
    TimeSeededRandom random;
    QtUserDialogs dialogs;
    QtDesktopOpener opener;
    QtDocumentPrinter printer(dialogs);
    AppContext context{state, settings, random, dialogs, opener, printer};

    SingleInstance instance(SingleInstance::lockPathFor(settings.path()),
                            SingleInstance::runtimeLockPathFor(appName));
    frmIntro intro(context, instance);
    if (!intro.start())
        return 0;

    GameRegistry games(context);
    std::unique_ptr<frmJeu> main;
    QObject::connect(&intro, &frmIntro::finished, &app, [&] {
        DialogOpeners openers;
        openers.about = [&context](QWidget *parent) { ShowAbout(parent, context); };
        openers.options = [&context, about = openers.about](QWidget *parent) {
            ShowOptions(parent, context, about);
        };
        openers.history = [&context](QWidget *parent) { ShowHistory(parent, context); };
        openers.statistics = [&context](QWidget *parent, const QString &player) {
            ShowStatistics(parent, context, player,
                           [](const QString &game) -> std::optional<double> {
                               if (const std::optional<ExactOdds> odds = GameCatalog::odds(game))
                                   return odds->probability;
                               return std::nullopt;
                           });
        };
        main = std::make_unique<frmJeu>(context, games, openers);
        // exit() rather than quit(): quit() would ask every window to close, and the main window
        // answers a close with the quit question again.
        QObject::connect(main.get(), &frmJeu::quitConfirmed, &app,
                         [] { QCoreApplication::exit(0); });
        main->show();
        if (!main->load() || QuitAfterStart(state))
            QCoreApplication::exit(0);
    });
    return app.exec();
}
