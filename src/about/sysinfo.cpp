// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/sysinfo.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>

namespace SysInfo {

const QList<Command> &knownTools()
{
    static const QList<Command> tools{
        {QStringLiteral("kinfocenter"), {}},
        {QStringLiteral("gnome-control-center"), {QStringLiteral("info-overview")}},
        {QStringLiteral("xfce4-about"), {}},
        {QStringLiteral("cinnamon-settings"), {QStringLiteral("info")}},
        {QStringLiteral("hardinfo"), {}},
        {QStringLiteral("lshw-gtk"), {}},
        {QStringLiteral("mate-system-monitor"), {}},
    };
    return tools;
}

QStringList pathFolders()
{
    return qEnvironmentVariable("PATH").split(QDir::listSeparator(), Qt::SkipEmptyParts);
}

std::optional<Command> findTool(const QStringList &folders)
{
    // findExecutable() searches the real PATH when given no folders.
    if (folders.isEmpty())
        return std::nullopt;
    for (const Command &tool : knownTools()) {
        const QString path = QStandardPaths::findExecutable(tool.program, folders);
        if (!path.isEmpty())
            return Command{path, tool.arguments};
    }
    return std::nullopt;
}

bool startDetached(const Command &command)
{
    return QProcess::startDetached(command.program, command.arguments);
}

} // namespace SysInfo
