// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>

class QCoreApplication;

// The languages the program speaks; French is the one its texts are written in.
enum class Language { French, English };

// The language of the setting "langue": "fr" and "en" choose, anything else ("automatique")
// follows the desktop: French for French and for the C locale, which names no language,
// English for every other language.
Language ChooseLanguage(const QString &setting, const QLocale &system = QLocale::system());

// Installs Qt's own texts ("Oui", "Annuler"...) and the program's in that language, and its
// numbers and dates. The program's source texts are French: French needs no catalogue of its
// own. Call it once, before any window is made.
void InstallTranslations(QCoreApplication &app, Language language);
