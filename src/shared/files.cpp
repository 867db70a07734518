#include "shared/files.h"

#include "shared/appstate.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

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

QString LogPath(const AppState &state)
{
    return state.logFolder + QStringLiteral("parties.rtf");
}

QString SaveFileAtomically(const QString &path, const QByteArray &data)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    // QSaveFile keeps small writes in its buffer and commit() renames the file even when the
    // flush of that buffer fails, so the write and the flush are checked here, before commit().
    const qint64 written = file.write(data);
    if (written != data.size()) {
        file.cancelWriting();
        return written < 0 ? file.errorString()
                           : QStringLiteral("seuls %1 octets sur %2 ont pu être écrits, le disque "
                                            "est peut-être plein")
                                 .arg(written)
                                 .arg(data.size());
    }
    if (!file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}
