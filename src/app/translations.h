#pragma once

class QCoreApplication;

// Loads Qt's own French texts ("Oui", "Non", "Annuler", ...) whatever the system language.
void InstallFrenchTranslations(QCoreApplication &app);
