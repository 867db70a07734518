// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

// How a command-line tool ended and what it wrote.
struct ToolRun {
    int status = -1; // -1 when it crashed or did not end within a minute
    QString out;
    QString err;

    // The lines written out, without the last line's break.
    QStringList lines() const
    {
        QString text = out;
        if (text.endsWith(u'\n'))
            text.chop(1);
        return text.isEmpty() ? QStringList{} : text.split(u'\n');
    }
};

// Runs the tool in the folder (the test's own when empty), given the input.
inline ToolRun runTool(const QString &binary, const QStringList &arguments,
                       const QByteArray &input = {}, const QString &folder = {})
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(binary, arguments);
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(60'000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}
