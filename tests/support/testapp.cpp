// SPDX-License-Identifier: GPL-3.0-or-later
#include "testapp.h"

#include "settings/settingkeys.h"
#include "settings/storedkeys.h"
#include "shared/cards.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>

TestApp::TestApp(bool withCardsFile)
    : settings(dir.filePath(QStringLiteral("config/test.ini")),
               dir.filePath(QStringLiteral("app/")))
{
    state.appFolder = dir.filePath(QStringLiteral("app/"));
    state.logFolder = state.appFolder;
    QDir().mkpath(state.appFolder);
    Settings::writeFirstRunSettings(settings, QDate::currentDate(), state.appFolder);
    state.cardsFilePath = state.appFolder + QStringLiteral("cartes.res");
    if (withCardsFile)
        createFile(QStringLiteral("cartes.res"));
    BuildCardTables(state);
}

void TestApp::set(const char *key, const QString &value)
{
    settings.setParameter(key, value);
}

QString TestApp::get(const char *key) const
{
    return settings.parameter(key);
}

QString TestApp::createFile(const QString &relativePath, const QByteArray &content)
{
    const QString path = state.appFolder + relativePath;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
    return path;
}
