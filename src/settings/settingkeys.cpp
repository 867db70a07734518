#include "settings/settingkeys.h"

#include <array>
#include <cstring>

namespace Settings {

namespace {

constexpr std::array<Key, 16> Table{{
    {Parametres, DateDeDebut, Initial::Today, "", "date of the first run; missing means first run"},
    {Parametres, DossierApplication, Initial::AppFolder, "", "application folder (not read)"},
    {Parametres, Fond, Initial::Text, "32768", "table colour, red + 256 green + 65536 blue"},
    {Parametres, ImageDeFond, Initial::InAppFolder, "bois.gif", "table picture; empty for none"},
    {Parametres, DosDesCartes, Initial::Text, "défaut", "\"défaut\" or a picture for card backs"},
    {Parametres, NomDuJoueur, Initial::Text, "INCONNU(E)", "player name, upper case"},
    {Parametres, NomParDefaut, Initial::Text, "1", "\"1\" when the name box is checked"},
    {Parametres, Melange, Initial::Text, "10", "shuffle rounds, 0 to 20"},
    {Parametres, CouleurFondEtat, Initial::Text, "14737632", "status bar background colour"},
    {Parametres, CouleurTexteEtat, Initial::Text, "0", "status bar text colour"},
    {Parametres, Demarrage, Initial::Text, "Aucune", "game opened at start, or \"Aucune\""},
    {Parametres, AnimerDeplacements, Initial::OptionsSet, "1", "\"1\" when cards glide, \"0\" not"},
    {CarnavalSection, CarnavalTemps, Initial::GameWindowSets, "2", "seconds a pair stays shown"},
    {AnnonceSection, AnnonceAnnonce, Initial::GameWindowSets, "0", "index of the announce"},
    {PousseSection, PousseFamille, Initial::GameWindowSets, "3", "index of the family shown"},
    {SolveurSection, SolveurIndicateur, Initial::GameWindowSets, "1",
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

QString gameDefault(const char *section, const char *name)
{
    for (const Key &key : Table) {
        if (std::strcmp(key.section, section) == 0 && std::strcmp(key.name, name) == 0)
            return QString::fromUtf8(key.value);
    }
    return {};
}

} // namespace Settings
