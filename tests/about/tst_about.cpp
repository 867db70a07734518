#include "about/frmabout.h"
#include "testapp.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

// A shell script standing for a system-information tool.
QString createTool(const QString &folder, const QString &name, bool executable = true)
{
    QFile file(folder + QLatin1Char('/') + name);
    if (file.open(QIODevice::WriteOnly))
        file.write("#!/bin/sh\n");
    file.close();
    if (executable)
        file.setPermissions(file.permissions() | QFile::ExeOwner);
    return file.fileName();
}

} // namespace

class TestAbout : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void textsAndKeys()
    {
        TestApp app;
        const QString page = app.createFile(QStringLiteral("aide.htm"));
        frmAbout about(app.context);
        QCOMPARE(about.lblVersion->text(), QStringLiteral("Version 1.0.0"));
        QCOMPARE(about.lblDescription->text(),
                 QStringLiteral("Passez un moment agréable de détente en jouant aux vorelles que "
                                "vous aimez..."));
        about.show();
        QTest::keyClick(about.cmdSysInfo, Qt::Key_F1);
        QCOMPARE(app.opener.opened, QStringList{page});
        about.cmdOK->click();
        QVERIFY(!about.isVisible());
    }

    void toolIsLookedForInTheGivenFoldersOnly()
    {
        QTemporaryDir first;
        QTemporaryDir second;
        createTool(first.path(), QStringLiteral("kinfocenter"), false);
        QVERIFY(!SysInfo::findTool({first.path(), second.path()}));

        const QString hardinfo = createTool(first.path(), QStringLiteral("hardinfo"));
        QCOMPARE(SysInfo::findTool({first.path()}), (SysInfo::Command{hardinfo, {}}));
        // The desktop's own panel wins over a stand-alone tool, wherever it lies.
        const QString gnome = createTool(second.path(), QStringLiteral("gnome-control-center"));
        QCOMPARE(SysInfo::findTool({first.path(), second.path()}),
                 (SysInfo::Command{gnome, {QStringLiteral("info-overview")}}));
        // No folders means nothing to search, not the PATH of the test run.
        QVERIFY(!SysInfo::findTool({}));
    }

    void sysInfoStartsTheToolOrSaysItIsMissing()
    {
        TestApp app;
        QTemporaryDir folder;
        const QString tool = createTool(folder.path(), QStringLiteral("xfce4-about"));
        QList<SysInfo::Command> started;
        bool canStart = true;
        frmAbout about(app.context);
        about.launcher = [&](const SysInfo::Command &command) {
            started.append(command);
            return canStart;
        };
        about.toolFolders = {folder.path()};
        about.cmdSysInfo->click();
        QCOMPARE(started, (QList<SysInfo::Command>{{tool, {}}}));
        QVERIFY(app.dialogs.shown.isEmpty());

        canStart = false;
        about.cmdSysInfo->click();
        about.toolFolders.clear();
        about.cmdSysInfo->click();
        QCOMPARE(started.size(), 2);
        QCOMPARE(app.dialogs.shown.size(), 2);
        QCOMPARE(app.dialogs.last().text,
                 QStringLiteral("Les informations système ne sont pas disponibles actuellement"));
        QCOMPARE(app.dialogs.last().icon, UserDialogs::Icon::Information);
        QCOMPARE(app.dialogs.last().title, QStringLiteral("VORELLES"));
    }
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
