#pragma once

#include <QLockFile>
#include <QString>

// Keeps a second copy of the program from running under the same name for the same user.
// A lock left behind by a crashed copy is recognised as stale (its process is gone) and taken over.
class SingleInstance {
public:
    explicit SingleInstance(const QString &lockPath);

    // False only when another running copy holds the lock. A lock that cannot be written at all
    // (read-only folder) does not stop the program.
    bool acquire();

    static QString lockPathFor(const QString &iniPath);

private:
    QLockFile m_lock;
};
