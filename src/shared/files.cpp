#include "shared/files.h"

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
