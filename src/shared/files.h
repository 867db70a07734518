#pragma once

#include <QString>

// True when the path names an existing ordinary file.
bool FileExists(const QString &path);

// The folder with a "/" appended unless it already ends with one.
QString AppFolderFor(const QString &folder);

// Where a help page lies: "aide.htm" in the application folder, the others in its "aide" folder.
QString HelpPagePath(const QString &appFolder, const QString &fileName);
