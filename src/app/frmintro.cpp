// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmintro.h"

#include "app/singleinstance.h"
#include "settings/settingkeys.h"
#include "settings/settingsstore.h"
#include "settings/storedkeys.h"
#include "shared/appcontext.h"
#include "shared/appstate.h"
#include "shared/pictures.h"
#include "shared/userdialogs.h"

#include <QDate>
#include <QDir>
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
    switch (m_instance.acquire()) {
    case SingleInstance::Lock::Taken:
        break;
    case SingleInstance::Lock::HeldByAnother:
        Timer1.stop();
        m_context.dialogs.message(nullptr, tr("Le jeu est déja en cours."),
                                  UserDialogs::Icon::Information, AppTitle);
        return false;
    case SingleInstance::Lock::Unavailable:
        m_context.dialogs.message(
            nullptr,
            tr("Aucun fichier de verrouillage n'a pu être créé : le jeu ne peut pas "
               "vérifier qu'il n'est pas déjà en cours. Il démarre quand même."),
            UserDialogs::Icon::Exclamation, AppTitle);
        break;
    }
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    show();

    // After the lock: a copy still running may be writing (the store keeps younger files too).
    m_context.settings.removeLeftovers();

    SettingsStore &settings = m_context.settings;
    if ((!settings.unreadable() || setAsideUnreadableSettings()) &&
        Settings::isFirstRun(settings) &&
        !Settings::writeFirstRunSettings(settings, QDate::currentDate(),
                                         m_context.state.appFolder)) {
        m_context.dialogs.message(
            nullptr,
            tr("Impossible d'enregistrer les paramètres dans le fichier :\n") +
                QDir::toNativeSeparators(settings.path()) +
                tr("\nLe jeu utilisera les réglages par défaut."),
            UserDialogs::Icon::Exclamation, AppTitle);
    }
    Timer1.start();
    return true;
}

bool frmIntro::setAsideUnreadableSettings()
{
    SettingsStore &settings = m_context.settings;
    const QString path = QDir::toNativeSeparators(settings.path());
    const QString kept = settings.setAsideUnreadable();
    const QString text =
        kept.isEmpty() ? tr("Le fichier des paramètres\n") + path +
                             tr("\nne peut pas être lu entièrement ni mis de côté. Il est laissé "
                                "tel quel et les réglages ne seront pas enregistrés.")
                       : tr("Le fichier des paramètres\n") + path +
                             tr("\nne pouvait pas être lu entièrement. Il a été conservé sous "
                                "le nom\n") +
                             QDir::toNativeSeparators(kept) +
                             tr("\net les réglages par défaut le remplacent.");
    m_context.dialogs.message(nullptr, text, UserDialogs::Icon::Exclamation, AppTitle);
    return !kept.isEmpty();
}

void frmIntro::tick()
{
    if (++m_ticks < 2)
        return;
    Timer1.stop();
    close();
    Q_EMIT finished();
}
