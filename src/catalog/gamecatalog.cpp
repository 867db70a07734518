#include "games/gamecatalog.h"

#include <array>

namespace GameCatalog {

namespace {

// In the order of the game menu; Stephanie, offered as well, comes last.
constexpr std::array<GameInfo, 16> Games{{
    {"Carnaval à Rio", "frmCarnavalaRio", "CARNAVAL A RIO", "carnavalario", "carnavalario.htm", 32},
    {"Carré", "frmMaisoncarree", "CARRE", "maison carrée", "maisoncarree.htm", 52},
    {"Duo", "frmPaquetsEscamotables", "DUO", "paquets escamotables", "duo.htm", 52},
    {"Duo de rêve", "frmDuodereve", "DUO DE REVE", "Duo de reve", "duodereve.htm", 52},
    {"Joséphine", "frmJosephine", "JOSEPHINE", "josephine", "josephine.htm", 52},
    {"La clé des songes", "frmCleSonges", "LA CLE DES SONGES", "lacledessonges",
     "lacledessonges.htm", 32},
    {"Les voyageuses (1)", "frmVoyageuses1", "LES VOYAGEUSES (1)", "voyageuses1", "voyageuses1.htm",
     32},
    {"Les voyageuses (2)", "frmVoyageuses2", "LES VOYAGEUSES (2)", "voyageuses2", "voyageuses2.htm",
     32},
    {"L'annonce", "frmAnnonce", "L'ANNONCE", "l'annonce", "lannonce.htm", 52},
    {"L'horloge", "frmHorloge", "L'HORLOGE", "l'horloge", "lhorloge.htm", 52},
    {"Mariage", "frmMariage", "MARIAGE", "le mariage", "lemariage.htm", 52},
    {"Monte-Carlo", "frmMontecarlo", "MONTE-CARLO", "monte-carlo", "montecarlo.htm", 52},
    {"Pousse-pousse", "frmPoussePousse", "POUSSE-POUSSE", "pousse-pousse", "poussepousse.htm", 52},
    {"Pyramide", "frmPyramide", "PYRAMIDE", "pyramide", "pyramide.htm", 52},
    {"Roi Albert", "frmRoialbert", "ROI ALBERT", "roi albert", "roialbert.htm", 52},
    {"Stéphanie", "frmStephanie", "STEPHANIE", "stephanie", "stephanie.htm", 52},
}};

} // namespace

std::span<const GameInfo> all()
{
    return Games;
}

const QStringList &GameNames()
{
    static const QStringList names = [] {
        QStringList list;
        for (const GameInfo &game : Games)
            list.append(QString::fromUtf8(game.menuName));
        return list;
    }();
    return names;
}

const GameInfo *byMenuName(const QString &menuName)
{
    for (const GameInfo &game : Games) {
        if (menuName == QString::fromUtf8(game.menuName))
            return &game;
    }
    return nullptr;
}

const GameInfo *byCaption(const QString &caption)
{
    for (const GameInfo &game : Games) {
        if (caption == QString::fromUtf8(game.caption))
            return &game;
    }
    return nullptr;
}

QString menuCaption(int index)
{
    const int number = index + 1;
    const QString gap(number < 10 ? 6 : 4, QLatin1Char(' '));
    return QString::number(number) + gap + GameNames().at(index);
}

QString nameFromCaption(const QString &caption)
{
    return caption.mid(2).trimmed();
}

} // namespace GameCatalog
