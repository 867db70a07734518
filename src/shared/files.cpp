// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared/files.h"

#include "shared/appstate.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

bool FileExists(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isFile();
}

QString AppFolderFor(const QString &folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

QString HelpPagePath(const QString &appFolder, const QString &fileName)
{
    if (fileName == QLatin1String("aide.htm"))
        return appFolder + fileName;
    return appFolder + QStringLiteral("aide/") + fileName;
}

QString FindAppFolder(const QString &executableFolder, const QStringList &dataFolders)
{
    QStringList candidates{
        executableFolder,
        AppFolderFor(QDir::cleanPath(executableFolder + QStringLiteral("../share/vorelles")))};
    for (const QString &folder : dataFolders)
        candidates.append(AppFolderFor(folder) + QStringLiteral("vorelles/"));
    for (const QString &folder : std::as_const(candidates)) {
        if (FileExists(folder + QStringLiteral("cartes.res")))
            return folder;
    }
    return executableFolder;
}

QString ChooseLogFolder(const QString &appFolder, const QString &executableFolder,
                        const QString &userDataFolder)
{
    if (appFolder == executableFolder && QFileInfo(appFolder).isWritable())
        return appFolder;
    const QString folder = AppFolderFor(userDataFolder) + QStringLiteral("vorelles/");
    // A folder that cannot be made is reported when the first game is recorded.
    QDir().mkpath(folder);
    return folder;
}

void LocateFolders(AppState &state, const QString &executableFolder)
{
    state.appFolder = FindAppFolder(
        executableFolder, QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation));
    state.logFolder =
        ChooseLogFolder(state.appFolder, executableFolder,
                        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
}

QString LogPath(const AppState &state)
{
    return state.logFolder + QStringLiteral("parties.rtf");
}

QString SaveFileAtomically(const QString &path, const QByteArray &data)
{
    QSaveFile file(path);
    // Unbuffered, each write reaches the disk at once and says how much it wrote: QSaveFile's
    // buffer would let commit() rename a file whose flush failed, and a failed flush reports a
    // short write as an unknown error.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    const qint64 written = file.write(data);
    if (written != data.size()) {
        // Read before cancelWriting(), which puts its own text in place of the cause.
        const QString reason =
            written < 0 ? file.errorString()
                        : QCoreApplication::translate(
                              "Files", "seuls %1 octets sur %2 ont pu être écrits, le disque "
                                       "est peut-être plein")
                              .arg(written)
                              .arg(data.size());
        file.cancelWriting();
        return reason;
    }
    // Unbuffered, nothing should be left to flush; checked all the same before the rename.
    if (!file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

QString KeepCopyBeside(const QString &path, const QString &suffix, const QByteArray &data,
                       QString &failure)
{
    const QString base = path + suffix;
    QString kept = base;
    for (int n = 2; QFileInfo::exists(kept) || QFileInfo(kept).isSymLink(); ++n)
        kept = base + QLatin1Char('-') + QString::number(n);
    failure = SaveFileAtomically(kept, data);
    return failure.isEmpty() ? kept : QString();
}
