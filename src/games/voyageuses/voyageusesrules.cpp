// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/voyageuses/voyageusesrules.h"

#include "games/gameinfo.h"
#include "games/picturenames.h"
#include "shared/cards.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

constexpr int PlaceTop = 120;
constexpr int ColumnStep = 1200;
constexpr int RowStep = 1560;
constexpr std::array<int, VoyageusesRules::Rows> CouleurTops{660, 2160, 3720, 5220};
constexpr QSize CouleurSize{315, 375};
constexpr std::array<int, 4> ButtonTops{4800, 5160, 5520, 5940};

// The rows of the grid, which is not the suit order of Deck32.
const std::array<QString, VoyageusesRules::Rows> RowSuits{
    QStringLiteral("PIQUE"), QStringLiteral("CARREAU"), QStringLiteral("TREFLE"),
    QStringLiteral("COEUR")};
const std::array<QString, VoyageusesRules::Columns> ColumnRanks{
    QStringLiteral("7"),     QStringLiteral("8"),    QStringLiteral("9"),   QStringLiteral("10"),
    QStringLiteral("VALET"), QStringLiteral("DAME"), QStringLiteral("ROI"), QStringLiteral("AS")};

} // namespace

VoyageusesRules::VoyageusesRules(const GameInfo &info, CoreContext context, GameHost &host,
                                 Lefts lefts, const QString &hand, int handCount)
    : GameRules(info, context, host), m_lefts(lefts), m_hand(hand)
{
    m_table.addGroup(QStringLiteral("Carte"), Places, QStringLiteral("Carte"));
    m_table.addGroup(QStringLiteral("Couleurs"), Rows, QStringLiteral("Pique"));
    m_table.addGroup(hand, handCount,
                     QCoreApplication::translate("VoyageusesRules", "Carte à piocher"));
    m_table.frames.append(Frame{});
    for (int place = 0; place < Places; ++place)
        carte(place).rect = {lefts.grid + ColumnStep * (place % Columns),
                             PlaceTop + RowStep * (place / Columns), CardWidth, CardHeight};
    for (int row = 0; row < Rows; ++row) {
        Picture &marker = m_table.at(FirstCouleur + row);
        marker.rect = QRect(QPoint(lefts.markers, CouleurTops[std::size_t(row)]), CouleurSize);
        marker.icon = RowSuits[std::size_t(row)];
    }
}

QString VoyageusesRules::ownCard(int place)
{
    return ColumnRanks[std::size_t(place % Columns)] + QStringLiteral("DE") +
           RowSuits[std::size_t(place / Columns)];
}

bool VoyageusesRules::isPlace(int picture)
{
    return picture >= FirstCarte && picture < FirstCarte + Places;
}

QString VoyageusesRules::gridPlaceName(int picture)
{
    if (picture >= FirstCouleur && picture < FirstCouleur + Rows)
        return QCoreApplication::translate("VoyageusesRules", "Grille, début de la rangée %1")
            .arg(picture - FirstCouleur + 1);
    if (!isPlace(picture))
        return {};
    const int place = picture - FirstCarte;
    const QString card = ownCard(place);
    // French joins the place and the card's name with the article of its rank.
    const int rank = Cards::CardValue(card);
    const char *const phrase = rank == 1 ? QT_TRANSLATE_NOOP("VoyageusesRules", "%1, place de l'%2")
                               : rank == 12
                                   ? QT_TRANSLATE_NOOP("VoyageusesRules", "%1, place de la %2")
                                   : QT_TRANSLATE_NOOP("VoyageusesRules", "%1, place du %2");
    return QCoreApplication::translate("VoyageusesRules", phrase)
        .arg(PictureNames::gridPlace(place, Columns), PictureNames::cardName(card).toLower());
}

FormLayout VoyageusesRules::sideColumn(QSize area, int infoTop, QSize infoSize) const
{
    FormLayout form;
    form.area = area;
    form.info = QRect(QPoint(m_lefts.side, infoTop), infoSize);
    form.stackButtons(m_lefts.side, ButtonTops);
    return form;
}

QStringList VoyageusesRules::cardCodes() const
{
    return cardsIn({QStringLiteral("Carte"), m_hand});
}

void VoyageusesRules::applyLook(bool cardsFileExists)
{
    for (int row = 0; row < Rows; ++row)
        m_table.at(FirstCouleur + row).face =
            cardsFileExists ? Picture::Face::Icon : Picture::Face::None;
}

void VoyageusesRules::dragOver(int source, int target)
{
    if (isPlace(target) && goesHome(source, target - FirstCarte))
        indicateur().surround(carte(target - FirstCarte));
}

void VoyageusesRules::layGrid()
{
    indicateur().visible = false;
    for (int place = 0; place < Places; ++place) {
        Picture &card = carte(place);
        card.deal(dealt(place));
        card.face = Picture::Face::Back;
        card.visible = true;
        card.hand = false;
        card.z = 0;
    }
}

bool VoyageusesRules::goesHome(int source, int place)
{
    indicateur().visible = false;
    return inProgress() && isHeld(source) && m_table.at(source).card == ownCard(place);
}

void VoyageusesRules::reveal(int place, PlaceStates &etat)
{
    Picture &card = carte(place);
    card.face = Picture::Face::Front;
    etat[std::size_t(place)] = card.card == ownCard(place) ? PlaceState::Right : PlaceState::Wrong;
}

bool VoyageusesRules::anyUnresolved(const PlaceStates &etat)
{
    return std::find(etat.begin(), etat.end(), PlaceState::Unresolved) != etat.end();
}

bool VoyageusesRules::endWhenResolved(const PlaceStates &etat)
{
    if (anyUnresolved(etat))
        return false;
    const bool won = std::all_of(etat.begin(), etat.end(),
                                 [](PlaceState place) { return place == PlaceState::Right; });
    endGame(won);
    return true;
}
