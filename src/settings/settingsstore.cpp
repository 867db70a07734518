#include "settings/settingsstore.h"

#include "settings/settingkeys.h"

#include <QDir>
#include <QStandardPaths>

SettingsStore::SettingsStore(const QString &iniPath) : m_settings(iniPath, QSettings::IniFormat) {}

QString SettingsStore::defaultIniPath(const QString &appName)
{
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::homePath() + QStringLiteral("/.config");
    return base + QLatin1Char('/') + appName + QLatin1Char('/') + appName + QStringLiteral(".ini");
}

QString SettingsStore::read(const QString &section, const QString &key) const
{
    const QVariant value = m_settings.value(section + QLatin1Char('/') + key);
    // A hand-edited value with a bare comma comes back as a list: keep its text.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

bool SettingsStore::write(const QString &section, const QString &key, const QString &value)
{
    m_settings.setValue(section + QLatin1Char('/') + key, value);
    m_settings.sync();
    return m_settings.status() == QSettings::NoError;
}

QString SettingsStore::parameter(const char *key) const
{
    return read(QString::fromLatin1(Settings::Parametres), QString::fromLatin1(key));
}

bool SettingsStore::setParameter(const char *key, const QString &value)
{
    return write(QString::fromLatin1(Settings::Parametres), QString::fromLatin1(key), value);
}
