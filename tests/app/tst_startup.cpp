#include "app/frmintro.h"
#include "app/singleinstance.h"
#include "settings/settingkeys.h"
#include "testapp.h"

#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

class TestStartup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void splashWritesFirstRunSettingsThenGivesWay()
    {
        TestApp app;
        const QString ini = app.dir.filePath(QStringLiteral("fresh/fresh.ini"));
        SettingsStore fresh(ini);
        AppContext context{app.state, fresh, app.random, app.dialogs, app.opener, app.printer};
        SingleInstance instance(SingleInstance::lockPathFor(ini));
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

    void secondCopyIsRefused()
    {
        TestApp app;
        const QString lock = app.dir.filePath(QStringLiteral("config/test.lock"));
        SingleInstance first(lock);
        QVERIFY(first.acquire());
        SingleInstance second(lock);
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
        SingleInstance instance(lock);
        QVERIFY(instance.acquire());
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
