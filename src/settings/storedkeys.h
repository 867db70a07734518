// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>

class SettingsStore;

// The keys of the table read or written through the store as a whole.
namespace Settings {

// True when "date de debut" is missing: the program has never run under this name.
bool isFirstRun(const SettingsStore &store);

// Writes the eleven "parametres" keys in table order; false if the file could not be written.
bool writeFirstRunSettings(SettingsStore &store, const QDate &today, const QString &appFolder);

// Whether cards glide to their places: on unless "animer les deplacements" is "0".
bool animationWanted(const SettingsStore &store);

} // namespace Settings
