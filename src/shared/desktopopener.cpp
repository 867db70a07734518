#include "shared/desktopopener.h"

#include <QDesktopServices>
#include <QUrl>

bool QtDesktopOpener::open(const QString &path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
