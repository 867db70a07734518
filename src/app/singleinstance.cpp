// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/singleinstance.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

SingleInstance::Lock tryLock(QLockFile &lock)
{
    if (lock.fileName().isEmpty())
        return SingleInstance::Lock::Unavailable;
    // A live copy may run for days: only a dead owner makes the lock stale, never its age.
    lock.setStaleLockTime(0);
    QDir().mkpath(QFileInfo(lock.fileName()).absolutePath());
    if (lock.tryLock(0))
        return SingleInstance::Lock::Taken;
    return lock.error() == QLockFile::LockFailedError ? SingleInstance::Lock::HeldByAnother
                                                      : SingleInstance::Lock::Unavailable;
}

} // namespace

SingleInstance::SingleInstance(const QString &lockPath, const QString &fallbackPath)
    : m_lock(lockPath), m_fallback(fallbackPath)
{
}

SingleInstance::Lock SingleInstance::acquire()
{
    const Lock lock = tryLock(m_lock);
    return lock == Lock::Unavailable ? tryLock(m_fallback) : lock;
}

QString SingleInstance::lockPathFor(const QString &iniPath)
{
    const QFileInfo ini(iniPath);
    return ini.absolutePath() + QLatin1Char('/') + ini.completeBaseName() + QStringLiteral(".lock");
}

QString SingleInstance::runtimeLockPathFor(const QString &appName)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return folder.isEmpty() ? QString()
                            : folder + QLatin1Char('/') + appName + QStringLiteral(".lock");
}
