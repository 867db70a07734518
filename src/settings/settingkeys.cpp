// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settingkeys.h"

#include "settings/settingvalues.h"

#include <array>
#include <cstring>

namespace Settings {

namespace {

constexpr std::array<Key, 17> Table{{
    {Parametres, DateDeDebut, Initial::Today, "", Format::AnyText,
     "date of the first run; missing means first run"},
    {Parametres, DossierApplication, Initial::AppFolder, "", Format::AnyText,
     "application folder (not read)"},
    {Parametres, Fond, Initial::Text, "32768", Format::Colour,
     "table colour, red + 256 green + 65536 blue"},
    {Parametres, ImageDeFond, Initial::InAppFolder, "bois.gif", Format::AnyText,
     "table picture; empty for none"},
    {Parametres, DosDesCartes, Initial::Text, "défaut", Format::Text,
     "\"défaut\" or a picture for card backs"},
    {Parametres, NomDuJoueur, Initial::Text, "INCONNU(E)", Format::AnyText,
     "player name, upper case"},
    {Parametres, NomParDefaut, Initial::Text, "1", Format::Number,
     "\"1\" when the name box is checked"},
    {Parametres, Melange, Initial::Text, "10", Format::Number, "shuffle rounds, 0 to 20"},
    {Parametres, CouleurFondEtat, Initial::Text, "14737632", Format::Colour,
     "status bar background colour"},
    {Parametres, CouleurTexteEtat, Initial::Text, "0", Format::Colour, "status bar text colour"},
    {Parametres, Demarrage, Initial::Text, "Aucune", Format::Text,
     "game opened at start, or \"Aucune\""},
    {Parametres, AnimerDeplacements, Initial::OptionsSet, "1", Format::Number,
     "\"1\" when cards glide, \"0\" not"},
    {Parametres, Langue, Initial::OptionsSet, "automatique", Format::Text,
     "\"automatique\", \"fr\" or \"en\": the language from the next start"},
    {CarnavalSection, CarnavalTemps, Initial::GameWindowSets, "2", Format::Number,
     "seconds a pair stays shown"},
    {AnnonceSection, AnnonceAnnonce, Initial::GameWindowSets, "0", Format::Number,
     "index of the announce"},
    {PousseSection, PousseFamille, Initial::GameWindowSets, "3", Format::Number,
     "index of the family shown"},
    {SolveurSection, SolveurIndicateur, Initial::GameWindowSets, "1", Format::Number,
     "\"1\" when the game windows say whether the deal can be won"},
}};

} // namespace

std::span<const Key> allKeys()
{
    return Table;
}

QString firstRunValue(const Key &key, const QDate &today, const QString &appFolder)
{
    switch (key.initial) {
    case Initial::Today:
        return today.toString(QStringLiteral("dd/MM/yyyy"));
    case Initial::AppFolder:
        return appFolder;
    case Initial::InAppFolder:
        return appFolder + QString::fromUtf8(key.value);
    case Initial::Text:
    case Initial::GameWindowSets:
    case Initial::OptionsSet:
        break;
    }
    return QString::fromUtf8(key.value);
}

const Key *findKey(const QString &section, const QString &name)
{
    for (const Key &key : Table) {
        if (section == QLatin1String(key.section) && name == QLatin1String(key.name))
            return &key;
    }
    return nullptr;
}

bool accepts(const Key &key, const QString &text)
{
    switch (key.format) {
    case Format::AnyText:
        return true;
    case Format::Text:
        return !text.isEmpty();
    case Format::Number:
        return numberAtStart(text).has_value();
    case Format::Colour:
        return colourValue(text).has_value();
    }
    return false;
}

QString defaultValue(const Key &key, const QString &appFolder)
{
    if (key.initial == Initial::Today ||
        (key.initial == Initial::InAppFolder && appFolder.isEmpty()))
        return {};
    return firstRunValue(key, QDate(), appFolder);
}

QString gameDefault(const char *section, const char *name)
{
    for (const Key &key : Table) {
        if (std::strcmp(key.section, section) == 0 && std::strcmp(key.name, name) == 0)
            return QString::fromUtf8(key.value);
    }
    return {};
}

} // namespace Settings
