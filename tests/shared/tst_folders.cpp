// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared/appstate.h"
#include "shared/files.h"
#include "support/childfaults.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A prefix as an install lays it out, with the cards file wherever the case puts it.
struct Prefix {
    QTemporaryDir dir;
    QString path(const QString &relative) const { return dir.filePath(relative) + u'/'; }
    QString place(const QString &folder) const
    {
        QDir().mkpath(path(folder));
        QFile file(path(folder) + u"cartes.res"_s);
        return file.open(QIODevice::WriteOnly) ? path(folder) : QString();
    }
};

} // namespace

class TestFolders : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void theFilesAreLookedForBesideThenUnderShareThenInTheDataFolders_data()
    {
        QTest::addColumn<QStringList>("withCards"); // folders of the prefix holding cartes.res
        QTest::addColumn<QString>("found");
        QTest::newRow("beside") << QStringList{u"bin"_s, u"share/vorelles"_s} << u"bin"_s;
        QTest::newRow("installed")
            << QStringList{u"share/vorelles"_s, u"user/vorelles"_s} << u"share/vorelles"_s;
        QTest::newRow("user's data first")
            << QStringList{u"user/vorelles"_s, u"system/vorelles"_s} << u"user/vorelles"_s;
        QTest::newRow("system's data") << QStringList{u"system/vorelles"_s} << u"system/vorelles"_s;
        QTest::newRow("nowhere: beside, to say it is missing") << QStringList{} << u"bin"_s;
    }

    void theFilesAreLookedForBesideThenUnderShareThenInTheDataFolders()
    {
        QFETCH(QStringList, withCards);
        QFETCH(QString, found);
        Prefix prefix;
        QDir().mkpath(prefix.path(u"bin"_s));
        for (const QString &folder : std::as_const(withCards))
            QVERIFY(!prefix.place(folder).isEmpty());
        // The data folders as QStandardPaths gives them: no trailing "/", one of them missing.
        const QStringList dataFolders{prefix.dir.filePath(u"user"_s),
                                      prefix.dir.filePath(u"absent"_s),
                                      prefix.dir.filePath(u"system"_s)};
        QCOMPARE(FindAppFolder(prefix.path(u"bin"_s), dataFolders), prefix.path(found));
    }

    void theLogStaysBesideAProgramInAFolderOfItsOwnElseGoesToTheUserData()
    {
        Prefix prefix;
        const QString bin = prefix.place(u"bin"_s);
        const QString share = prefix.place(u"share/vorelles"_s);
        const QString userData = prefix.dir.filePath(u"home/.local/share"_s);
        const QString userLog = userData + u"/vorelles/"_s;

        QCOMPARE(ChooseLogFolder(bin, bin, userData), bin);
        QVERIFY(!QDir(userLog).exists());
        // Installed, even where the player could write: the prefix is no place for the log.
        QCOMPARE(ChooseLogFolder(share, bin, userData), userLog);
        QVERIFY(QDir(userLog).exists());
        QCOMPARE(ChooseLogFolder(share, bin, userData), userLog);

        // Beside the program in a folder the player cannot write (root included).
        QVERIFY(QFile::setPermissions(bin, QFile::ReadOwner | QFile::ExeOwner));
        ChildFaults faults;
        faults.honourPermissions = true;
        const QString other = prefix.dir.filePath(u"other"_s);
        const QString chosen = RunInChild(faults, [&] { return ChooseLogFolder(bin, bin, other); });
        QFile::setPermissions(bin, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(chosen, other + u"/vorelles/"_s);
        QVERIFY(QDir(other + u"/vorelles"_s).exists());

        AppState state;
        state.appFolder = share;
        state.logFolder = userLog;
        QCOMPARE(LogPath(state), userLog + u"parties.rtf"_s);
    }
};

QTEST_GUILESS_MAIN(TestFolders)
#include "tst_folders.moc"
