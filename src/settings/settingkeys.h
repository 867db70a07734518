// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>
#include <span>

// Every key the program reads or writes, with its section and first-run value.
namespace Settings {

inline constexpr char Parametres[] = "parametres";

inline constexpr char DateDeDebut[] = "date de debut";
inline constexpr char DossierApplication[] = "dossier application";
inline constexpr char Fond[] = "fond";
inline constexpr char ImageDeFond[] = "image de fond";
inline constexpr char DosDesCartes[] = "dos des cartes";
inline constexpr char NomDuJoueur[] = "nom du joueur";
// The longest name the boxes take: every record of the log holds the name.
inline constexpr int NomDuJoueurLongueurMax = 64;
inline constexpr char NomParDefaut[] = "nom par defaut";
inline constexpr char Melange[] = "melange";
inline constexpr char CouleurFondEtat[] = "couleur fond etat";
inline constexpr char CouleurTexteEtat[] = "couleur texte etat";
inline constexpr char Demarrage[] = "demarrage";
inline constexpr char AnimerDeplacements[] = "animer les deplacements";
// "automatique" (the desktop's language), "fr" or "en"; read once, at start.
inline constexpr char Langue[] = "langue";

inline constexpr char CarnavalSection[] = "CARNAVAL A RIO";
inline constexpr char CarnavalTemps[] = "temps";
inline constexpr char AnnonceSection[] = "L'ANNONCE";
inline constexpr char AnnonceAnnonce[] = "annonce";
inline constexpr char PousseSection[] = "POUSSE-POUSSE";
inline constexpr char PousseFamille[] = "famille";
inline constexpr char SolveurSection[] = "SOLVEUR";
inline constexpr char SolveurIndicateur[] = "indicateur";

// Where a key's first value comes from.
enum class Initial {
    Today,          // today's date, dd/mm/yyyy
    AppFolder,      // the application folder
    InAppFolder,    // a file of the application folder (value = file name)
    Text,           // the value as written
    GameWindowSets, // written by its game window when missing (value = that default)
    OptionsSet,     // written only by the options dialog; missing reads as value
};

// What a stored text must be for its key to use it. Any other text, like a missing key, reads as
// the key's default.
enum class Format {
    AnyText, // every text, the empty one included
    Text,    // every text but the empty one
    Number,  // a text that starts with a number, as numberAtStart() reads it
    Colour,  // a colour, as colourValue() reads it
};

struct Key {
    const char *section;
    const char *name;
    Initial initial;
    const char *value;
    Format format;
    const char *meaning;
};

// The table, section "parametres" first, in the order the first run writes it.
std::span<const Key> allKeys();

// The first-run value of a "parametres" key.
QString firstRunValue(const Key &key, const QDate &today, const QString &appFolder);

// The key of the table, or nullptr for one it does not hold.
const Key *findKey(const QString &section, const QString &name);

// Whether the key uses the stored text as it stands.
bool accepts(const Key &key, const QString &text);

// What the key reads as when it is missing or its text is not accepted: its first-run value,
// but "" for "date de debut", whose absence means the first run, and for a file of the
// application folder when that folder is not known.
QString defaultValue(const Key &key, const QString &appFolder);

// The default a game window writes for its own key when it is missing or empty.
QString gameDefault(const char *section, const char *name);

} // namespace Settings
