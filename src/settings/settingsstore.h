#pragma once

#include <QSettings>
#include <QString>

// The per-user settings file: one INI file, one group per section, every value text.
class SettingsStore {
public:
    explicit SettingsStore(const QString &iniPath);

    // $XDG_CONFIG_HOME/<appName>/<appName>.ini, ~/.config when the variable is unset.
    static QString defaultIniPath(const QString &appName);

    // The stored text, or "" when the key does not exist.
    QString read(const QString &section, const QString &key) const;

    // Creates or replaces the value and flushes it to disk; false when the file cannot be written.
    bool write(const QString &section, const QString &key, const QString &value);

    // The same for a key of the shared section "parametres".
    QString parameter(const char *key) const;
    bool setParameter(const char *key, const QString &value);

    QString path() const { return m_settings.fileName(); }

private:
    mutable QSettings m_settings;
};
