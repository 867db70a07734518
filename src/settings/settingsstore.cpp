// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settingsstore.h"

#include "settings/binaryvalues.h"
#include "settings/inientries.h"
#include "settings/settingkeys.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <cstdio>

namespace {

QByteArrayView trimmed(QByteArrayView line)
{
    while (!line.isEmpty() && IsIniBlank(line.front()))
        line = line.sliced(1);
    while (!line.isEmpty() && IsIniBlank(line.back()))
        line.chop(1);
    return line;
}

// True when some entry of the file cannot be read as it stands: a section without its ']', a line
// that is neither a key nor a section, a key without a name, or an entry that a quote or a
// backslash carries on into a line holding a key or a section (anywhere on it), which a rewrite
// would lose.
bool loses(QByteArrayView file)
{
    const QByteArrayView body = IniBody(file);
    qsizetype pos = 0;
    IniEntry entry;
    while (NextIniEntry(body, pos, entry)) {
        const QByteArrayView text = body.sliced(entry.start, entry.end - entry.start);
        qsizetype firstBreak = 0;
        while (firstBreak < text.size() && !IsIniLineBreak(text[firstBreak]))
            ++firstBreak;
        if (text.front() == '[') {
            if (!text.first(firstBreak).contains(']'))
                return true;
        } else if (entry.equals < 0 ||
                   trimmed(body.sliced(entry.start, entry.equals - entry.start)).isEmpty()) {
            return true;
        }
        if (firstBreak == text.size())
            continue;
        // The lines carried onto are looked at whole, comment included: read on its own, as a
        // hand edit may leave it, the text after a ';' can be a key.
        qsizetype lineEnd = entry.end;
        while (lineEnd < body.size() && !IsIniLineBreak(body[lineEnd]))
            ++lineEnd;
        const QByteArray carried =
            body.sliced(entry.start + firstBreak, lineEnd - entry.start - firstBreak)
                .toByteArray()
                .replace('\r', '\n');
        for (const QByteArray &line : carried.split('\n')) {
            if (trimmed(line).startsWith('[') || line.contains('='))
                return true;
        }
    }
    return false;
}

// Every value as text, by "section/key", as the file can hold it. complete tells whether every key
// listed could be looked up: Qt lists a hand-written "a//b" as it stands but looks it up as "a/b",
// another key's value when the file has both, and a key that is only a byte order mark comes out
// empty. A hand-edited value with a bare comma comes back as a list: its text is kept.
QMap<QString, QString> valuesOf(const QSettings &settings, bool &complete)
{
    QMap<QString, QString> values;
    complete = true;
    for (const QString &key : settings.allKeys()) {
        if (key.isEmpty() || !settings.contains(key) || key.contains(QLatin1String("//")) ||
            key.startsWith(QLatin1Char('/')) || key.endsWith(QLatin1Char('/'))) {
            complete = false;
            continue;
        }
        const QVariant value = settings.value(key);
        values.insert(key, SettingsStore::storable(value.typeId() == QMetaType::QStringList
                                                       ? value.toStringList().join(QLatin1Char(','))
                                                       : value.toString()));
    }
    return values;
}

} // namespace

SettingsStore::SettingsStore(const QString &iniPath, const QString &appFolder)
    : m_path(iniPath), m_appFolder(appFolder), m_opened(QDateTime::currentDateTimeUtc())
{
    const bool present = QFileInfo(iniPath).isFile();
    if (present) {
        QFile file(iniPath);
        if (!file.open(QIODevice::ReadOnly)) {
            m_unreadable = true;
        } else {
            const QByteArray data = file.readAll();
            // Such a value is not read at all: it holds no text of ours, and decoding it can
            // cost gigabytes.
            if (HoldsBinaryValue(data)) {
                m_unreadable = true;
                return;
            }
            m_unreadable = loses(data);
        }
    }
    const QSettings settings(iniPath, QSettings::IniFormat);
    bool complete = true;
    m_values = valuesOf(settings, complete);
    if (present && (!complete || settings.status() != QSettings::NoError))
        m_unreadable = true;
}

QString SettingsStore::storable(QString text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            text[i] = QChar::ReplacementCharacter;
    }
    return text.remove(QChar::ByteOrderMark);
}

QString SettingsStore::defaultIniPath(const QString &appName)
{
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::homePath() + QStringLiteral("/.config");
    return base + QLatin1Char('/') + appName + QLatin1Char('/') + appName + QStringLiteral(".ini");
}

QString SettingsStore::read(const QString &section, const QString &key) const
{
    const auto stored = m_values.constFind(section + QLatin1Char('/') + key);
    const bool found = stored != m_values.cend();
    if (const Settings::Key *known = Settings::findKey(section, key);
        known && !(found && Settings::accepts(*known, *stored)))
        return Settings::defaultValue(*known, m_appFolder);
    return found ? *stored : QString();
}

bool SettingsStore::write(const QString &section, const QString &key, const QString &value)
{
    if (m_unreadable)
        return false;
    QMap<QString, QString> values = m_values;
    values.insert(section + QLatin1Char('/') + key, storable(value));
    if (!save(values))
        return false;
    m_values = std::move(values);
    return true;
}

bool SettingsStore::save(const QMap<QString, QString> &values)
{
    // QSettings replaces its file even when a file size limit cut the new one short, and it
    // takes a file of the same size and time as one it has read for that same file. So the new
    // file is written under a name of its own, read back under another, and takes the place of
    // the settings file only when it holds every value.
    const QString target = writtenPath();
    const QString stem =
        target + QStringLiteral(".%1-%2").arg(QCoreApplication::applicationPid()).arg(++m_saves);
    const QString written = stem + QStringLiteral(".tmp");
    const QString checked = stem + QStringLiteral(".lu");
    bool ok = false;
    {
        QSettings out(written, QSettings::IniFormat);
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            out.setValue(it.key(), it.value());
        out.sync();
        ok = out.status() == QSettings::NoError;
    }
    bool complete = false;
    ok = ok && QFile::rename(written, checked) &&
         valuesOf(QSettings(checked, QSettings::IniFormat), complete) == values && complete;
    if (ok && QFileInfo(target).isFile())
        QFile::setPermissions(checked, QFile::permissions(target));
    ok = ok && std::rename(QFile::encodeName(checked).constData(),
                           QFile::encodeName(target).constData()) == 0;
    if (!ok) {
        QFile::remove(written);
        QFile::remove(checked);
    }
    return ok;
}

QString SettingsStore::writtenPath() const
{
    const QFileInfo info(m_path);
    return info.isSymLink() ? info.symLinkTarget() : m_path;
}

void SettingsStore::removeLeftovers() const
{
    const QFileInfo target(writtenPath());
    const QRegularExpression ours(QLatin1Char('^') + QRegularExpression::escape(target.fileName()) +
                                  QStringLiteral("\\.[0-9]+-[0-9]+\\.(tmp|lu)$"));
    const QDir folder = target.dir();
    for (const QFileInfo &file : folder.entryInfoList(QDir::Files | QDir::Hidden)) {
        // Younger files may be another copy's write under way.
        if (!file.isSymLink() && ours.match(file.fileName()).hasMatch() &&
            file.lastModified() < m_opened)
            QFile::remove(file.filePath());
    }
}

QString SettingsStore::parameter(const char *key) const
{
    return read(QString::fromLatin1(Settings::Parametres), QString::fromLatin1(key));
}

bool SettingsStore::setParameter(const char *key, const QString &value)
{
    return write(QString::fromLatin1(Settings::Parametres), QString::fromLatin1(key), value);
}

QString SettingsStore::setAsideUnreadable()
{
    if (!m_unreadable)
        return {};
    const QString base = m_path + QStringLiteral(".illisible");
    QString kept = base;
    for (int n = 2; QFileInfo::exists(kept); ++n)
        kept = base + QLatin1Char('-') + QString::number(n);
    if (!QFile::rename(m_path, kept))
        return {};
    m_unreadable = false;
    m_values.clear();
    return kept;
}
