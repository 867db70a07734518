#include "app/frmintro.h"

#include "app/singleinstance.h"
#include "settings/settingkeys.h"
#include "settings/settingsstore.h"
#include "shared/appcontext.h"
#include "shared/appstate.h"
#include "shared/pictures.h"
#include "shared/userdialogs.h"

#include <QDate>
#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>

frmIntro::frmIntro(AppContext &context, SingleInstance &instance, QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), lblTitre(new QLabel(this)),
      lblVersion(new QLabel(this)), m_context(context), m_instance(instance)
{
    setObjectName(QStringLiteral("frmIntro"));
    setWindowTitle(AppTitle);
    setWindowIcon(Pictures::icon(QStringLiteral("A")));
    setFixedSize(360, 200);
    setStyleSheet(QStringLiteral("frmIntro { background: #0b5d1e; border: 2px solid #d9b44a; }"
                                 "QLabel { color: #f5eccd; }"));

    lblTitre->setText(AppTitle);
    QFont titleFont;
    titleFont.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                           QStringLiteral("DejaVu Sans")});
    titleFont.setPointSize(30);
    titleFont.setBold(true);
    lblTitre->setFont(titleFont);
    lblTitre->setAlignment(Qt::AlignCenter);
    lblVersion->setText(QStringLiteral("Version ") + QStringLiteral(VORELLES_VERSION));
    lblVersion->setAlignment(Qt::AlignCenter);

    auto *layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addWidget(lblTitre);
    layout->addWidget(lblVersion);
    layout->addStretch();

    Timer1.setInterval(1000);
    connect(&Timer1, &QTimer::timeout, this, &frmIntro::tick);
}

bool frmIntro::start()
{
    if (!m_instance.acquire()) {
        Timer1.stop();
        m_context.dialogs.message(nullptr, QStringLiteral("Le jeu est déja en cours."),
                                  UserDialogs::Icon::Information, AppTitle);
        return false;
    }
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    show();

    if (Settings::isFirstRun(m_context.settings) &&
        !Settings::writeFirstRunSettings(m_context.settings, QDate::currentDate(),
                                         m_context.state.appFolder)) {
        m_context.dialogs.message(
            nullptr,
            QStringLiteral("Impossible d'enregistrer les paramètres dans le fichier :\n") +
                m_context.settings.path() +
                QStringLiteral("\nLe jeu utilisera les réglages par défaut."),
            UserDialogs::Icon::Exclamation, AppTitle);
    }
    Timer1.start();
    return true;
}

void frmIntro::tick()
{
    if (++m_ticks < 2)
        return;
    Timer1.stop();
    close();
    Q_EMIT finished();
}
