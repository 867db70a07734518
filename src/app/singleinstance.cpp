#include "app/singleinstance.h"

#include <QDir>
#include <QFileInfo>

SingleInstance::SingleInstance(const QString &lockPath) : m_lock(lockPath)
{
    // A live copy may run for days: only a dead owner makes the lock stale, never its age.
    m_lock.setStaleLockTime(0);
}

bool SingleInstance::acquire()
{
    QDir().mkpath(QFileInfo(m_lock.fileName()).absolutePath());
    if (m_lock.tryLock(0))
        return true;
    return m_lock.error() != QLockFile::LockFailedError;
}

QString SingleInstance::lockPathFor(const QString &iniPath)
{
    const QFileInfo ini(iniPath);
    return ini.absolutePath() + QLatin1Char('/') + ini.completeBaseName() + QStringLiteral(".lock");
}
