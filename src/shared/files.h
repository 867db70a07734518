#pragma once

#include <QByteArray>
#include <QString>

// True when the path names an existing ordinary file.
bool FileExists(const QString &path);

// The folder with a "/" appended unless it already ends with one.
QString AppFolderFor(const QString &folder);

// Where a help page lies: "aide.htm" in the application folder, the others in its "aide" folder.
QString HelpPagePath(const QString &appFolder, const QString &fileName);

// Replaces the file with data through a temporary file beside it: every byte is written and
// flushed to the disk before the temporary file takes the file's place, so a full disk or a file
// size limit leaves the previous file exactly as it was. Returns "" on success, else the reason
// for the user, in French.
QString SaveFileAtomically(const QString &path, const QByteArray &data);
