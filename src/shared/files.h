// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

struct AppState;

// True when the path names an existing ordinary file.
bool FileExists(const QString &path);

// The folder with a "/" appended unless it already ends with one.
QString AppFolderFor(const QString &folder);

// Where a help page lies: "aide.htm" in the application folder, the others in its "aide" folder.
QString HelpPagePath(const QString &appFolder, const QString &fileName);

// The application folder: the first of the executable's own folder, "../share/vorelles" beside
// it and "vorelles" in each of the data folders (the user's first, as XDG orders them) that holds
// "cartes.res"; the executable's folder when none does, so that the missing file is reported
// there. Every folder given and returned ends with "/".
QString FindAppFolder(const QString &executableFolder, const QStringList &dataFolders);

// The folder the log of games is written to. A program run from a folder of its own keeps the
// log beside itself while it may write there; an installed one, or one in a folder the player
// cannot write, keeps it in "vorelles" under the user's data folder, created here when missing.
QString ChooseLogFolder(const QString &appFolder, const QString &executableFolder,
                        const QString &userDataFolder);

// Sets the state's application and log folders for a program in executableFolder, from the
// desktop's data folders.
void LocateFolders(AppState &state, const QString &executableFolder);

// The log of games: "parties.rtf" in the state's log folder. The writer, the history window and
// every other reader of the log take its path from here.
QString LogPath(const AppState &state);

// Replaces the file with data through a temporary file beside it: every byte is written and
// flushed to the disk before the temporary file takes the file's place, so a full disk or a file
// size limit leaves the previous file exactly as it was. Returns "" on success, else the reason
// for the user, in French.
QString SaveFileAtomically(const QString &path, const QByteArray &data);

// Writes data, as SaveFileAtomically() does, to path + suffix, or to path + suffix + "-2", "-3"
// and so on when that name is taken: an existing file is never replaced. Returns the path
// written, or "" with the reason for the user, in French, in failure.
QString KeepCopyBeside(const QString &path, const QString &suffix, const QByteArray &data,
                       QString &failure);
