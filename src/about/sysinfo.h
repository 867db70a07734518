// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// Linux has no registry naming the system-information tool, so the desktops' own tools are
// looked for on the PATH instead.
namespace SysInfo {

struct Command {
    QString program;
    QStringList arguments;

    bool operator==(const Command &) const = default;
};

// The tools tried, in order: the desktops' information panels first, then stand-alone tools.
const QList<Command> &knownTools();

// The folders of the PATH environment variable.
QStringList pathFolders();

// The first known tool found in folders, with its full path; none when folders is empty.
std::optional<Command> findTool(const QStringList &folders);

// Starts a command; returns false when it could not be started.
using Launcher = std::function<bool(const Command &)>;

// Starts the command detached from this program, so closing the game leaves the tool open.
bool startDetached(const Command &command);

} // namespace SysInfo
