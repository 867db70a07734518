// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

// Stops the run with the reason: libFuzzer keeps the input that led here.
[[noreturn]] inline void Broken(const char *why)
{
    std::fprintf(stderr, "broken: %s\n", why);
    std::abort();
}

// A folder for the files of one fuzzing process, in memory when the system offers it.
inline const QTemporaryDir &ScratchFolder()
{
    static const QTemporaryDir folder(QDir(QStringLiteral("/dev/shm")).exists()
                                          ? QStringLiteral("/dev/shm/vorelles-fuzz-XXXXXX")
                                          : QDir::tempPath() +
                                                QStringLiteral("/vorelles-fuzz-XXXXXX"));
    if (!folder.isValid())
        Broken("no scratch folder");
    return folder;
}

// A path never used before in this process: QSettings keeps what it read of a file and takes a
// file of the same size and time to the millisecond as unchanged.
inline QString FreshPath(const char *suffix)
{
    static quint64 next = 0;
    return ScratchFolder().filePath(QString::number(++next) + QString::fromLatin1(suffix));
}

inline void WriteFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        Broken("cannot write a scratch file");
}

inline QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        Broken("cannot read a scratch file");
    return file.readAll();
}

inline QByteArray Bytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}
