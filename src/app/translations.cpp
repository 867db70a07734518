// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// Loads a catalogue and installs it; false when it is not there.
bool install(QCoreApplication &app, const QString &name, const QString &folder)
{
    auto *translator = new QTranslator(&app);
    if (translator->load(name, folder)) {
        QCoreApplication::installTranslator(translator);
        return true;
    }
    delete translator;
    return false;
}

} // namespace

Language ChooseLanguage(const QString &setting, const QLocale &system)
{
    if (setting == QLatin1String("fr"))
        return Language::French;
    if (setting == QLatin1String("en"))
        return Language::English;
    // The C locale names no language: the program keeps its own.
    const QLocale::Language desktop = system.language();
    return desktop == QLocale::French || desktop == QLocale::C ? Language::French
                                                               : Language::English;
}

void InstallTranslations(QCoreApplication &app, Language language)
{
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (language == Language::French) {
        for (const char *catalogue : {"qtbase_fr", "qt_fr"})
            install(app, QString::fromLatin1(catalogue), qtFolder);
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        return;
    }
    // Qt's own texts are English already. An English desktop keeps its own way of writing
    // numbers and dates; any other gets the American one.
    install(app, QStringLiteral("vorelles_en"), QStringLiteral(":/i18n"));
    const QLocale system = QLocale::system();
    QLocale::setDefault(system.language() == QLocale::English
                            ? system
                            : QLocale(QLocale::English, QLocale::UnitedStates));
}
