// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/storedkeys.h"

#include "settings/settingkeys.h"
#include "settings/settingsstore.h"

namespace Settings {

bool isFirstRun(const SettingsStore &store)
{
    return store.parameter(DateDeDebut).isEmpty();
}

bool writeFirstRunSettings(SettingsStore &store, const QDate &today, const QString &appFolder)
{
    bool ok = true;
    for (const Key &key : allKeys()) {
        if (key.initial == Initial::GameWindowSets || key.initial == Initial::OptionsSet)
            continue;
        ok = store.write(QString::fromLatin1(key.section), QString::fromLatin1(key.name),
                         firstRunValue(key, today, appFolder)) &&
             ok;
    }
    return ok;
}

bool animationWanted(const SettingsStore &store)
{
    return store.parameter(AnimerDeplacements).trimmed() != QLatin1String("0");
}

} // namespace Settings
