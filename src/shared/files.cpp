#include "shared/files.h"

#include <QFileInfo>

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
