#include "about/frmabout.h"
#include "app/frmintro.h"
#include "app/frmjeu.h"
#include "app/singleinstance.h"
#include "app/translations.h"
#include "games/gameregistry.h"
#include "history/frmhistorique.h"
#include "options/frmoptions.h"
#include "settings/settingsstore.h"
#include "shared/appcontext.h"
#include "shared/appstate.h"
#include "shared/desktopopener.h"
#include "shared/documentprinter.h"
#include "shared/files.h"
#include "shared/randomsource.h"
#include "shared/userdialogs.h"
#include "statistics/frmstatistiques.h"

#include <QApplication>
#include <QFileInfo>
#include <csignal>
#include <memory>

int main(int argc, char *argv[])
{
    // Past a file size limit a write fails instead of ending the program, so the player is told
    // and the log keeps its previous content.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    // Two copies of the program under different names keep separate settings.
    const QString appName = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    QCoreApplication::setApplicationName(appName);
    InstallFrenchTranslations(app);

    AppState state;
    state.appFolder = AppFolderFor(QCoreApplication::applicationDirPath());
    SettingsStore settings(SettingsStore::defaultIniPath(appName));
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
        openers.options = [&context](QWidget *parent) { ShowOptions(parent, context); };
        openers.about = [&context](QWidget *parent) { ShowAbout(parent, context); };
        openers.history = [&context](QWidget *parent) { ShowHistory(parent, context); };
        openers.statistics = [&context](QWidget *parent, const QString &player) {
            ShowStatistics(parent, context, player);
        };
        main = std::make_unique<frmJeu>(context, games, openers);
        // exit() rather than quit(): quit() would ask every window to close, and the main window
        // answers a close with the quit question again.
        QObject::connect(main.get(), &frmJeu::quitConfirmed, &app,
                         [] { QCoreApplication::exit(0); });
        main->show();
        if (!main->load())
            QCoreApplication::exit(0);
    });
    return app.exec();
}
