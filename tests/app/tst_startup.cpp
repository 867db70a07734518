#include "app/frmintro.h"
#include "app/singleinstance.h"
#include "settings/settingkeys.h"
#include "support/childfaults.h"
#include "testapp.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<absent>");
}

// The splash started over a settings file of the given content ("<absent>" for none); the
// messages it showed, one per line.
struct Splash {
    explicit Splash(const QByteArray &content)
    {
        QDir().mkpath(folder);
        if (content != "<absent>") {
            QFile file(ini);
            if (file.open(QIODevice::WriteOnly))
                file.write(content);
        }
    }
    QString start()
    {
        SettingsStore store(ini);
        AppContext context{app.state, store, app.random, app.dialogs, app.opener, app.printer};
        SingleInstance instance(app.dir.filePath(QStringLiteral("verrou/vorelles.lock")),
                                app.dir.filePath(QStringLiteral("run/vorelles.lock")));
        frmIntro intro(context, instance);
        intro.start();
        QStringList texts;
        for (const FakeDialogs::Shown &shown : app.dialogs.shown) {
            texts.append(shown.title + QLatin1Char('|') + shown.text);
            if (shown.icon != UserDialogs::Icon::Exclamation)
                texts.append(QStringLiteral("<not an exclamation>"));
        }
        return texts.join(QLatin1Char('\n'));
    }
    TestApp app;
    QString folder = app.dir.filePath(QStringLiteral("vorelles"));
    QString ini = folder + QStringLiteral("/vorelles.ini");
};

} // namespace

class TestStartup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void splashWritesFirstRunSettingsThenGivesWay()
    {
        TestApp app;
        const QString ini = app.dir.filePath(QStringLiteral("fresh/fresh.ini"));
        SettingsStore fresh(ini);
        AppContext context{app.state, fresh, app.random, app.dialogs, app.opener, app.printer};
        SingleInstance instance(SingleInstance::lockPathFor(ini),
                                app.dir.filePath(QStringLiteral("run/test.lock")));
        frmIntro intro(context, instance);
        QVERIFY(intro.start());
        QCOMPARE(intro.lblTitre->text(), QStringLiteral("VORELLES"));
        QCOMPARE(intro.lblVersion->text(), QStringLiteral("Version 1.0.0"));
        QCOMPARE(fresh.read(QStringLiteral("parametres"), QStringLiteral("image de fond")),
                 app.state.appFolder + QStringLiteral("bois.gif"));
        QVERIFY(intro.Timer1.isActive());
        QCOMPARE(intro.Timer1.interval(), 1000);

        QSignalSpy finished(&intro, &frmIntro::finished);
        intro.tick();
        QCOMPARE(finished.count(), 0);
        QVERIFY(intro.isVisible());
        intro.tick();
        QCOMPARE(finished.count(), 1);
        QVERIFY(!intro.isVisible());
        QVERIFY(!intro.Timer1.isActive());
    }

    void unreadableSettingsAreKeptAndSaid_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("guillemet non fermé")
            << QByteArray("[parametres]\ncouleur%20fond%20etat=\"14737632\n"
                          "date%20de%20debut=01/01/2020\nmelange=3\n");
        QTest::newRow("n'importe quoi") << QByteArray("GIF89a\x01\0\x01\0\x80\xff\n;[\n", 16);
    }

    void unreadableSettingsAreKeptAndSaid()
    {
        QFETCH(QByteArray, content);
        Splash splash(content);
        const QString kept = splash.ini + QStringLiteral(".illisible");
        // One message, saying where the old file is; the defaults are then written without fail.
        QCOMPARE(splash.start(),
                 QStringLiteral("VORELLES|Le fichier des paramètres\n") + splash.ini +
                     QStringLiteral("\nne pouvait pas être lu entièrement. Il a été conservé "
                                    "sous le nom\n") +
                     kept + QStringLiteral("\net les réglages par défaut le remplacent."));
        QCOMPARE(readAll(kept), content);
        SettingsStore written(splash.ini);
        QVERIFY(!written.unreadable());
        QCOMPARE(written.parameter(Settings::DateDeDebut),
                 QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")));
        QCOMPARE(written.parameter(Settings::Melange), QStringLiteral("10"));
    }

    void settingsThatCannotBeWrittenAreSaid_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");
        QTest::newRow("premier lancement")
            << QByteArray("<absent>")
            << QStringLiteral("Impossible d'enregistrer les paramètres dans le fichier :\n%1\n"
                              "Le jeu utilisera les réglages par défaut.");
        QTest::newRow("fichier illisible")
            << QByteArray("[parametres]\nmelange=3\\\ndate%20de%20debut=01/01/2020\n")
            << QStringLiteral("Le fichier des paramètres\n%1\nne peut pas être lu entièrement ni "
                              "mis de côté. Il est laissé tel quel et les réglages ne seront pas "
                              "enregistrés.");
    }

    void settingsThatCannotBeWrittenAreSaid()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        Splash splash(content);
        QFile::setPermissions(splash.folder, QFile::ReadOwner | QFile::ExeOwner);
        ChildFaults faults;
        faults.honourPermissions = true;
        const QString shown = RunInChild(faults, [&] { return splash.start(); });
        QFile::setPermissions(splash.folder,
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(shown, QStringLiteral("VORELLES|") + message.arg(splash.ini));
        QCOMPARE(readAll(splash.ini), content);
        QCOMPARE(QDir(splash.folder).entryList(QDir::Files).size(), content == "<absent>" ? 0 : 1);
    }

    void secondCopyIsRefused()
    {
        TestApp app;
        const QString lock = app.dir.filePath(QStringLiteral("config/test.lock"));
        const QString fallback = app.dir.filePath(QStringLiteral("run/test.lock"));
        SingleInstance first(lock, fallback);
        QCOMPARE(first.acquire(), SingleInstance::Lock::Taken);
        SingleInstance second(lock, fallback);
        frmIntro intro(app.context, second);
        QVERIFY(!intro.start());
        QCOMPARE(app.dialogs.last().text, QStringLiteral("Le jeu est déja en cours."));
        QCOMPARE(app.dialogs.last().icon, UserDialogs::Icon::Information);
        QCOMPARE(app.dialogs.last().title, QStringLiteral("VORELLES"));
        QVERIFY(!intro.Timer1.isActive());
    }

    void lockOfACrashedCopyIsTakenOver()
    {
        // A process that has ended stands for a copy that crashed holding the lock.
        QProcess gone;
        gone.start(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("echo $$")});
        QVERIFY(gone.waitForFinished());
        const QByteArray deadPid = gone.readAllStandardOutput().trimmed();
        QVERIFY(!deadPid.isEmpty());

        TestApp app;
        const QString lock = app.dir.filePath(QStringLiteral("config/test.lock"));
        QFile file(lock);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(deadPid + "\nvorelles\n" + QSysInfo::machineHostName().toUtf8() + '\n');
        file.close();
        SingleInstance instance(lock, app.dir.filePath(QStringLiteral("run/test.lock")));
        QCOMPARE(instance.acquire(), SingleInstance::Lock::Taken);
    }

    // A settings folder that cannot hold the lock (here a file stands where the folder should
    // be): the lock goes to the runtime folder, and only without any lock does a copy start,
    // with a warning.
    void lockFallsBackWhenTheSettingsFolderCannotHoldIt()
    {
        TestApp app;
        const QString blocked =
            app.createFile(QStringLiteral("config")) + QStringLiteral("/x.lock");
        const QString fallback = app.dir.filePath(QStringLiteral("run/test.lock"));
        SingleInstance first(blocked, fallback);
        QCOMPARE(first.acquire(), SingleInstance::Lock::Taken);
        SingleInstance second(blocked, fallback);
        QCOMPARE(second.acquire(), SingleInstance::Lock::HeldByAnother);

        SingleInstance nowhere(blocked,
                               app.createFile(QStringLiteral("run2")) + QStringLiteral("/x.lock"));
        frmIntro intro(app.context, nowhere);
        QVERIFY(intro.start());
        QCOMPARE(app.dialogs.shown.size(), 1);
        QCOMPARE(app.dialogs.last().icon, UserDialogs::Icon::Exclamation);
        QVERIFY(app.dialogs.last().text.startsWith(
            QStringLiteral("Aucun fichier de verrouillage n'a pu être créé")));
        QVERIFY(intro.Timer1.isActive());
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
