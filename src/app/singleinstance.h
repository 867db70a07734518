// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLockFile>
#include <QString>

// Keeps a second copy of the program from running under the same name for the same user.
// A lock left behind by a crashed copy is recognised as stale (its process is gone) and taken over.
class SingleInstance {
public:
    // The lock lies at lockPath, beside the settings, or at fallbackPath when that folder cannot
    // hold it (read-only, say).
    SingleInstance(const QString &lockPath, const QString &fallbackPath);

    enum class Lock {
        Taken,
        HeldByAnother, // another running copy holds it
        Unavailable,   // neither place can hold a lock
    };
    Lock acquire();

    static QString lockPathFor(const QString &iniPath);
    // In the user's runtime folder; "" when there is none.
    static QString runtimeLockPathFor(const QString &appName);

private:
    QLockFile m_lock;
    QLockFile m_fallback;
};
