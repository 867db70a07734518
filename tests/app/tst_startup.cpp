// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmintro.h"
#include "app/singleinstance.h"
#include "settings/settingkeys.h"
#include "settings/storedkeys.h"
#include "support/childfaults.h"
#include "support/filebytes.h"
#include "testapp.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The splash over a settings file of the given content (AbsentFile for none) and a lock of its
// own; start() gives the messages shown, one "title|text" a line.
struct Splash : TestApp {
    explicit Splash(const QByteArray &content = AbsentFile) : written(write(content)) {}
    bool write(const QByteArray &content) const
    {
        QDir().mkpath(folder);
        return content == AbsentFile || writeBytes(ini, content);
    }
    QString start()
    {
        intro.start();
        QStringList texts;
        for (const FakeDialogs::Shown &shown : dialogs.shown)
            texts.append(shown.title + u'|' + shown.text +
                         (shown.icon == UserDialogs::Icon::Exclamation ? u""_s : u" <icône>"_s));
        return texts.join(u'\n');
    }
    QString folder = dir.filePath(u"vorelles"_s);
    QString ini = folder + u"/vorelles.ini"_s;
    bool written; // before the store reads the file
    SettingsStore store{ini};
    AppContext splashContext{state, store, random, dialogs, opener, printer};
    SingleInstance instance{SingleInstance::lockPathFor(ini), dir.filePath(u"run/v.lock"_s)};
    frmIntro intro{splashContext, instance};
};

} // namespace

class TestStartup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The splash writes the first run's settings, refuses a second copy and gives way on its
    // second tick.
    void splashWritesFirstRunSettingsThenGivesWay()
    {
        Splash splash;
        QVERIFY(splash.intro.start());
        QCOMPARE(splash.store.parameter(Settings::ImageDeFond),
                 splash.state.appFolder + u"bois.gif"_s);
        SingleInstance again(SingleInstance::lockPathFor(splash.ini),
                             splash.dir.filePath(u"run/autre.lock"_s));
        frmIntro second(splash.splashContext, again);
        QVERIFY(!second.start());
        QCOMPARE(splash.dialogs.last().text, u"Le jeu est déja en cours."_s);
        QCOMPARE(splash.dialogs.last().icon, UserDialogs::Icon::Information);

        QSignalSpy finished(&splash.intro, &frmIntro::finished);
        splash.intro.tick();
        QVERIFY(finished.isEmpty() && splash.intro.isVisible());
        splash.intro.tick();
        QCOMPARE(finished.count(), 1);
        QVERIFY(!splash.intro.isVisible() && !splash.intro.Timer1.isActive());
    }

    // A settings file that cannot be read whole is set aside and the defaults replace it; when
    // it cannot be set aside, or a first run cannot write, the player is told so, once.
    void settingsFaultsAreSaid_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<QString>("message");
        const QByteArray unreadable("GIF89a\x01\0\x01\0\x80\xff\n;[\n", 16);
        QTest::newRow("fichier illisible")
            << unreadable << false
            << u"Le fichier des paramètres\n<ini>\nne pouvait pas être lu entièrement. Il a été "
               "conservé sous le nom\n<ini>.illisible\net les réglages par défaut le remplacent."_s;
        QTest::newRow("premier lancement en lecture seule")
            << AbsentFile << true
            << u"Impossible d'enregistrer les paramètres dans le fichier :\n<ini>\n"
               "Le jeu utilisera les réglages par défaut."_s;
        QTest::newRow("fichier illisible en lecture seule")
            << unreadable << true
            << u"Le fichier des paramètres\n<ini>\nne peut pas être lu entièrement ni mis de côté. "
               "Il est laissé tel quel et les réglages ne seront pas enregistrés."_s;
    }

    void settingsFaultsAreSaid()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, readOnly);
        QFETCH(QString, message);
        Splash splash(content);
        if (readOnly)
            QFile::setPermissions(splash.folder, QFile::ReadOwner | QFile::ExeOwner);
        ChildFaults faults;
        faults.honourPermissions = readOnly;
        const QString shown = RunInChild(faults, [&] { return splash.start(); });
        QFile::setPermissions(splash.folder,
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(shown, u"VORELLES|"_s + message.replace(u"<ini>"_s, splash.ini));
        if (!readOnly) { // set aside, then the defaults written
            QCOMPARE(readBytes(splash.ini + u".illisible"_s), content);
            QVERIFY(!Settings::isFirstRun(SettingsStore(splash.ini)));
        }
    }

    // The temporary files of settings writes that a kill cut short are removed at the start.
    // Any other file stays, and so does one written since the store opened: a copy already
    // running may be writing it.
    void leftoversOfKilledWritesAreRemoved()
    {
        Splash splash;
        const auto create = [&](const QString &name, qint64 age) {
            QFile file(splash.folder + u'/' + name);
            return file.open(QIODevice::WriteOnly) && file.write("x") == 1 && file.flush() &&
                   file.setFileTime(QDateTime::currentDateTime().addSecs(-age),
                                    QFileDevice::FileModificationTime);
        };
        const QStringList leftovers{u"vorelles.ini.19624-2.tmp"_s, u"vorelles.ini.7-13.lu"_s};
        const QStringList others{u"vorelles.ini.tmp"_s, u"vorelles.ini.19624-2.tmp.bak"_s,
                                 u"autre.ini.19624-2.tmp"_s, u"vorelles.ini.x-2.tmp"_s,
                                 u"vorelles.ini.19624-.lu"_s};
        for (const QString &name : leftovers + others)
            QVERIFY(create(name, 3600));
        QVERIFY(create(u"vorelles.ini.19624-3.tmp"_s, -60));
        QVERIFY(splash.intro.start());
        for (const QString &name : leftovers)
            QVERIFY2(!QFile::exists(splash.folder + u'/' + name), qPrintable(name));
        for (const QString &name : others + QStringList{u"vorelles.ini.19624-3.tmp"_s})
            QVERIFY2(QFile::exists(splash.folder + u'/' + name), qPrintable(name));
    }

    void lockOfACrashedCopyIsTakenOver()
    {
        // A process that has ended stands for a copy that crashed holding the lock.
        QProcess gone;
        gone.start(u"sh"_s, {u"-c"_s, u"echo $$"_s});
        QVERIFY(gone.waitForFinished());
        const QByteArray deadPid = gone.readAllStandardOutput().trimmed();
        QVERIFY(!deadPid.isEmpty());

        TestApp app;
        const QString lock = app.createFile(
            u"test.lock"_s, deadPid + "\nvorelles\n" + QSysInfo::machineHostName().toUtf8() + '\n');
        SingleInstance instance(lock, app.dir.filePath(u"run/test.lock"_s));
        QCOMPARE(instance.acquire(), SingleInstance::Lock::Taken);
    }

    // A settings folder that cannot hold the lock (here a file stands where the folder should
    // be): the lock goes to the runtime folder, and only without any lock does a copy start,
    // with a warning.
    void lockFallsBackWhenTheSettingsFolderCannotHoldIt()
    {
        TestApp app;
        const QString blocked = app.createFile(u"config"_s) + u"/x.lock"_s;
        const QString fallback = app.dir.filePath(u"run/test.lock"_s);
        SingleInstance first(blocked, fallback);
        QCOMPARE(first.acquire(), SingleInstance::Lock::Taken);
        SingleInstance second(blocked, fallback);
        QCOMPARE(second.acquire(), SingleInstance::Lock::HeldByAnother);

        SingleInstance nowhere(blocked, app.createFile(u"run2"_s) + u"/x.lock"_s);
        frmIntro intro(app.context, nowhere);
        QVERIFY(intro.start());
        QCOMPARE(app.dialogs.shown.size(), 1);
        QVERIFY(app.dialogs.last().text.startsWith(
            u"Aucun fichier de verrouillage n'a pu être créé"_s));
        QVERIFY(intro.Timer1.isActive());
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
