// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QMap>
#include <QString>

// The per-user settings file: one INI file, one group per section, every value text. The file is
// read once, when the store opens; every write replaces the whole file, and only once the new
// file has been read back whole. A key of the settings table reads as its default while it is
// missing or holds a text of the wrong kind.
class SettingsStore {
public:
    // appFolder, where the program's own files lie, gives the default of a key that names one.
    explicit SettingsStore(const QString &iniPath, const QString &appFolder = {});

    // $XDG_CONFIG_HOME/<appName>/<appName>.ini, ~/.config when the variable is unset.
    static QString defaultIniPath(const QString &appName);

    // The stored text. A key of the settings table that is missing or whose text it does not
    // accept reads as its default (Settings::defaultValue); any other missing key as "". Every
    // value read or written is first made storable().
    QString read(const QString &section, const QString &key) const;

    // Creates or replaces the value and writes the file; false when the file cannot be written,
    // which leaves both the file and the values read from it as they were.
    bool write(const QString &section, const QString &key, const QString &value);

    // The same for a key of the shared section "parametres".
    QString parameter(const char *key) const;
    bool setParameter(const char *key, const QString &value);

    QString path() const { return m_path; }

    // The text as the file can hold it. Byte order marks are left out: the reader drops one that
    // opens the bytes it decodes, which is where the writer puts one that follows escaped
    // characters. A lone surrogate, which an escape can make but UTF-8 cannot hold, becomes
    // U+FFFD.
    static QString storable(QString text);

    // True when the file exists but could not be read completely: it cannot be opened, it holds a
    // line that is neither a key, a section nor a comment, an unclosed quote or a backslash at
    // the end of a line carries the keys or sections after it into a value, or a key is written
    // so that its value cannot be looked up, or a value holds a serialised variant instead of
    // text (then nothing of it is read). Writing would replace it with only what was read, so
    // every write fails until setAsideUnreadable() has kept it.
    bool unreadable() const { return m_unreadable; }

    // Moves the unreadable file to "<file>.illisible" ("<file>.illisible-2" and so on when that
    // name is taken) and starts again from no file. Returns where the file now is, or "" when it
    // could not be moved: then it stays unreadable and untouched.
    QString setAsideUnreadable();

    // Removes what writes of this store left behind when the program was killed during them:
    // files named as save() names its temporary files ("<file>.<pid>-<n>.tmp" and ".lu") beside
    // the settings file, last modified before the store was opened. Nothing else is touched.
    void removeLeftovers() const;

private:
    bool save(const QMap<QString, QString> &values);
    // The file a save replaces: the target of a symbolic link, else the settings file itself.
    QString writtenPath() const;

    QString m_path;
    QString m_appFolder;
    QMap<QString, QString> m_values; // by "section/key"
    bool m_unreadable = false;
    int m_saves = 0;
    QDateTime m_opened;
};
