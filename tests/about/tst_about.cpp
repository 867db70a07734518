// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/frmabout.h"
#include "testapp.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// An empty file standing for a system-information tool.
QString createTool(const QString &folder, const QString &name, bool executable = true)
{
    QFile file(folder + u'/' + name);
    file.open(QIODevice::WriteOnly);
    file.setPermissions(executable ? QFile::ReadOwner | QFile::ExeOwner : QFile::ReadOwner);
    return file.fileName();
}

} // namespace

class TestAbout : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void versionKeysAndSysInfo()
    {
        TestApp app;
        const QString page = app.createFile(u"aide.htm"_s);
        QTemporaryDir first;
        QTemporaryDir second;
        QList<SysInfo::Command> started;
        bool canStart = true;
        frmAbout about(app.context);
        about.launcher = [&](const SysInfo::Command &command) {
            started.append(command);
            return canStart;
        };
        about.toolFolders = {first.path(), second.path()};
        QCOMPARE(about.lblVersion->text(), u"Version 1.0.0"_s);

        createTool(first.path(), u"kinfocenter"_s, false); // not executable: passed over
        const QString hardinfo = createTool(first.path(), u"hardinfo"_s);
        about.cmdSysInfo->click();
        // The desktop's own panel wins over a stand-alone tool, wherever it lies.
        const SysInfo::Command gnome{createTool(second.path(), u"gnome-control-center"_s),
                                     {u"info-overview"_s}};
        about.cmdSysInfo->click();
        canStart = false;
        about.cmdSysInfo->click(); // found but not started: the message
        about.toolFolders.clear();
        about.cmdSysInfo->click(); // nothing to search: the message again
        QCOMPARE(started, (QList<SysInfo::Command>{{hardinfo, {}}, gnome, gnome}));
        QCOMPARE(app.dialogs.shown.size(), 2);
        QCOMPARE(app.dialogs.last().text,
                 u"Les informations système ne sont pas disponibles actuellement"_s);
        QCOMPARE(app.dialogs.last().icon, UserDialogs::Icon::None);

        about.show();
        // The licence is told, whole, within the screen.
        const QLabel *licence = about.lblLicence;
        QCOMPARE(licence->text(),
                 u"Logiciel libre sous licence GNU GPL version 3 ou ultérieure."_s);
        QVERIFY(licence->isVisible());
        QVERIFY(licence->height() >= licence->heightForWidth(licence->width()));
        QVERIFY(about.screen()->availableGeometry().contains(about.frameGeometry()));
        QTest::keyClick(about.cmdSysInfo, Qt::Key_F1);
        QCOMPARE(app.opener.opened, QStringList{page});
        // Return presses OK, even with the focus on the other button.
        about.cmdSysInfo->setFocus();
        QTest::keyClick(about.cmdSysInfo, Qt::Key_Return);
        QVERIFY(!about.isVisible());
        QCOMPARE(app.dialogs.shown.size(), 2);
    }
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
