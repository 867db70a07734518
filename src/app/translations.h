// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QCoreApplication;

// Loads Qt's own French texts ("Oui", "Non", "Annuler", ...) whatever the system language.
void InstallFrenchTranslations(QCoreApplication &app);
