// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as the settings file. The store never crashes or hangs. When it takes the file as
// readable, Qt's reader has seen every key a line of the file names, and a write keeps every value
// read (made storable) and adds the new one. When it does not, the file can be set aside
// byte for byte and the store starts again from nothing.
#include "fuzzsupport.h"
#include "settings/settingsstore.h"

#include <QSettings>

namespace {

QMap<QString, QString> valuesOf(const QString &path)
{
    // A copy under a new name, so that QSettings reads the file and not what it remembers of it.
    const QString fresh = FreshPath(".ini");
    if (!QFile::copy(path, fresh))
        Broken("cannot copy the settings file");
    const QSettings settings(fresh, QSettings::IniFormat);
    QMap<QString, QString> values;
    for (const QString &key : settings.allKeys()) {
        const QVariant value = settings.value(key);
        values.insert(key, SettingsStore::storable(value.typeId() == QMetaType::QStringList
                                                       ? value.toStringList().join(QLatin1Char(','))
                                                       : value.toString()));
    }
    QFile::remove(fresh);
    return values;
}

// The keys Qt's reader finds in one line of the file read on its own.
QStringList keysOfLine(const QByteArray &line)
{
    const QString path = FreshPath(".ini");
    WriteFile(path, line);
    const QStringList keys = QSettings(path, QSettings::IniFormat).allKeys();
    QFile::remove(path);
    return keys;
}

bool holds(const QMap<QString, QString> &values, const QString &key)
{
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        if (it.key() == key || it.key().endsWith(QLatin1Char('/') + key))
            return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray content = Bytes(data, size);
    const QString path = FreshPath(".ini");
    WriteFile(path, content);
    SettingsStore store(path);

    if (store.unreadable()) {
        if (store.write(QStringLiteral("parametres"), QStringLiteral("melange"),
                        QStringLiteral("3")))
            Broken("an unreadable file was written over");
        const QString kept = store.setAsideUnreadable();
        if (kept.isEmpty() || ReadFile(kept) != content || QFile::exists(path))
            Broken("the unreadable file was not set aside as it was");
        if (store.read(QStringLiteral("parametres"), QStringLiteral("melange")) !=
                QLatin1String("10") ||
            !store.write(QStringLiteral("parametres"), QStringLiteral("melange"),
                         QStringLiteral("3")))
            Broken("the store did not start again from nothing");
        QFile::remove(kept);
        QFile::remove(path);
        return 0;
    }

    const QMap<QString, QString> before = valuesOf(path);
    QByteArray lines = content;
    lines.replace('\r', '\n');
    int checked = 0;
    for (const QByteArray &line : lines.split('\n')) {
        const QByteArray bare = line.trimmed();
        if (bare.isEmpty() || bare.startsWith(';') || bare.startsWith('[') || !bare.contains('='))
            continue;
        if (++checked > 16)
            break;
        for (const QString &key : keysOfLine(line)) {
            if (!holds(before, key))
                Broken("a key of the file was hidden from the reader, yet the file was kept");
        }
    }

    if (!store.write(QStringLiteral("parametres"), QStringLiteral("fuzz"),
                     QStringLiteral("valeur")))
        Broken("a readable file could not be written");
    QMap<QString, QString> expected = before;
    expected.insert(QStringLiteral("parametres/fuzz"), QStringLiteral("valeur"));
    if (valuesOf(path) != expected)
        Broken("a write lost or changed a value read from the file");
    QFile::remove(path);
    return 0;
}
