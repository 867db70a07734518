// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/horloge/horlogerules.h"

#include "games/gamehost.h"
#include "games/gameinfo.h"

#include <QCoreApplication>
#include <array>

namespace {

// The piles of hours 1 to 12, clockwise from one o'clock.
constexpr std::array<QPoint, HorlogeRules::Hours> PilePositions{{
    {4560, 780},
    {5760, 1440},
    {6300, 3000},
    {5760, 4560},
    {4560, 5220},
    {3360, 5820},
    {2160, 5220},
    {960, 4560},
    {420, 3000},
    {960, 1440},
    {2160, 780},
    {3360, 120},
}};
constexpr QPoint CentrePosition{3360, 3000};
constexpr int KingsLeft = 8520; // the column of kings, and the buttons below it
constexpr int KingsTop = 2100;
constexpr int KingStep = 300; // each king overlaps the one before
constexpr std::array<int, 4> ButtonTops{4560, 4920, 5280, 5640};

// Tags of the cards once turned up: on their own hour, elsewhere, and of a laid king.
const QString Vrai = QStringLiteral("VRAI");
const QString Faux = QStringLiteral("FAUX");

bool isKing(const QString &card)
{
    return Cards::CardValue(card) == 13;
}

} // namespace

HorlogeRules::HorlogeRules(const GameInfo &info, CoreContext context, GameHost &host)
    : GameRules(info, context, host)
{
    keepState(m_vars);
    m_table.addGroup(QStringLiteral("Carte"), Cards::FullDeck, QStringLiteral("Carte"));
    m_table.addGroup(QStringLiteral("Sabot"), Kings, QStringLiteral("Carte"));
    m_table.frames.append(Frame{});
}

int HorlogeRules::hourOf(int picture)
{
    return (picture - FirstCarte) / PileSize;
}

bool HorlogeRules::belongsTo(const QString &card, int hour)
{
    return hour >= 1 && hour <= Hours && Cards::CardValue(card) == hour;
}

QPoint HorlogeRules::pilePosition(int hour)
{
    return PilePositions[std::size_t(hour - 1)];
}

bool HorlogeRules::isHourCard(int picture)
{
    return picture >= FirstHourCard && picture < FirstSabot;
}

bool HorlogeRules::isFaceDown(int picture) const
{
    const QString &tag = m_table.at(picture).tag;
    return !tag.isEmpty() && tag != Vrai && tag != Faux;
}

// Only the turned centre card is carried; the others wait face down.
bool HorlogeRules::isHeld(int picture) const
{
    if (picture < FirstSabot || picture >= FirstSabot + Kings)
        return false;
    const Picture &card = m_table.at(picture);
    return card.visible && card.draggable;
}

bool HorlogeRules::accepts(int source, int target) const
{
    return inProgress() && isHeld(source) && isHourCard(target) && isFaceDown(target) &&
           belongsTo(m_table.at(source).card, hourOf(target));
}

FormLayout HorlogeRules::layout() const
{
    FormLayout form;
    form.area = QSize(10995, 7770);
    form.info = QRect(8340, 60, 1515, 1890);
    form.stackButtons(KingsLeft, ButtonTops);
    form.toolTips[0] = QCoreApplication::translate("HorlogeRules", "Jouer à la vorelle");
    form.toolTips[2] = QCoreApplication::translate("HorlogeRules", "Afficher les règles du jeu");
    form.dealtPrompt = QCoreApplication::translate(
        "HorlogeRules", "Appuyez sur le bouton JOUER pour commencer la vorelle.");
    return form;
}

void HorlogeRules::Distribution()
{
    shuffle();
    m_vars = Variables{};
    indicateur().visible = false;
    m_table.topZ = m_table.bottomZ = 0;
    for (int i = 0; i < Cards::FullDeck; ++i) {
        Picture &card = carte(i);
        card.deal(dealt(i));
        card.face = Picture::Face::Back;
        card.rect.moveTopLeft(isHourCard(FirstCarte + i)
                                  ? pilePosition(hourOf(FirstCarte + i))
                                  : QPoint(KingsLeft, KingsTop + KingStep * i));
        card.visible = isHourCard(FirstCarte + i);
        card.hand = false;
        m_table.bringToFront(FirstCarte + i);
    }
    // The cards dealt to the column of kings make the centre, the last one on top.
    for (int k = 0; k < Kings; ++k) {
        Picture &centre = sabot(k);
        centre.deal(carte(k).card);
        centre.face = Picture::Face::Back;
        centre.rect.moveTopLeft(CentrePosition);
        centre.visible = true;
        centre.hand = false;
        centre.draggable = false;
        m_table.bringToFront(FirstSabot + k);
        carte(k).deal(QString());
    }
    m_host.setPrompt(QCoreApplication::translate(
        "HorlogeRules", "Appuyez sur le bouton JOUER pour commencer la partie."));
}

void HorlogeRules::play()
{
    sabot(m_vars.IndexSabot).hand = true;
    m_host.setPrompt(QCoreApplication::translate(
        "HorlogeRules",
        "Cliquez sur la première carte au milieu du jeu pour commencer la vorelle."));
}

void HorlogeRules::click(int picture)
{
    if (!inProgress())
        return;
    if (m_vars.IndexSabot != NoCentre && picture == FirstSabot + m_vars.IndexSabot)
        turnCentreCard();
    else if (m_vars.IndexSabot == NoCentre && isHourCard(picture) && isFaceDown(picture))
        turnHourCard(picture);
}

void HorlogeRules::turnCentreCard()
{
    const int index = FirstSabot + m_vars.IndexSabot;
    Picture &card = m_table.at(index);
    card.draggable = true;
    card.hand = true;
    card.rect.moveTopLeft(HandPosition);
    card.face = Picture::Face::Front;
    m_host.setPrompt(
        QCoreApplication::translate("HorlogeRules", "Glissez la carte à l'endroit voulu."));
    if (isKing(card.card))
        layKing(index, QCoreApplication::translate(
                           "HorlogeRules", "Cliquez sur la carte au milieu du jeu pour continuer "
                                           "celui-ci."));
    FinDePartie();
}

// Only a card of the clock re-evaluates the frame: moving on to anything else leaves it as it
// was.
void HorlogeRules::dragOver(int source, int target)
{
    if (target < FirstCarte || target >= FirstSabot)
        return;
    indicateur().visible = false;
    if (accepts(source, target))
        indicateur().surround(m_table.at(target));
}

// A drag that ends anywhere takes the frame away; only a face-down card of the carried card's
// hour takes it.
void HorlogeRules::drop(int source, int target, QPoint)
{
    indicateur().visible = false;
    if (accepts(source, target))
        placeCard(source, target);
}

// The carried card lies down face up on its pile, behind the cards still face down there and
// peeking out on their right; the face-down card it lands on is taken in exchange.
void HorlogeRules::placeCard(int source, int target)
{
    Picture &hand = m_table.at(source);
    Picture &placed = m_table.at(target);
    const QString dropped = hand.card;
    hand.rect.moveTopLeft(HandPosition);
    m_table.sendToBack(source);
    hand.deal(placed.card);
    m_table.sendToBack(target);
    placed.card = dropped;
    placed.tag = Vrai;
    placed.face = Picture::Face::Front;
    placed.rect.translate(TurnedShift, 0);
    if (isKing(hand.card))
        layKing(source,
                QCoreApplication::translate(
                    "HorlogeRules", "Cliquez sur la carte au milieu du jeu pour continuer la "
                                    "vorelle."));
    FinDePartie();
}

// A king goes to the column of kings and ends the chain; the next centre card waits for a click.
void HorlogeRules::layKing(int source, const QString &goOn)
{
    Picture &hand = m_table.at(source);
    Picture &place = carte(m_vars.NbRois);
    place.card = hand.card;
    place.tag = Faux;
    place.face = Picture::Face::Front;
    place.visible = true;
    hand.deal(QString());
    hand.visible = false;
    hand.draggable = false;
    ++m_vars.NbRois;
    --m_vars.IndexSabot;
    if (m_vars.IndexSabot == NoCentre) {
        m_host.setPrompt(QCoreApplication::translate(
            "HorlogeRules", "Cliquez sur les cartes restantes à découvrir."));
        return;
    }
    sabot(m_vars.IndexSabot).hand = true;
    m_host.setPrompt(goOn);
}

// A card turned in the end lies like a placed one, behind the pile's cards still face down, so
// that the next of them is the one on top.
void HorlogeRules::turnHourCard(int picture)
{
    Picture &card = m_table.at(picture);
    card.face = Picture::Face::Front;
    card.rect.translate(TurnedShift, 0);
    card.tag = belongsTo(card.card, hourOf(picture)) ? Vrai : Faux;
    m_table.sendToBack(picture);
    FinDePartie();
}

QStringList HorlogeRules::cardCodes() const
{
    return cardsIn({QStringLiteral("Carte"), QStringLiteral("Sabot")});
}

// Every hour card is placed but kings are left in the centre: the player turns them.
bool HorlogeRules::onlyKingsInCentre() const
{
    if (m_vars.IndexSabot == NoCentre)
        return false;
    for (int k = 0; k <= m_vars.IndexSabot; ++k) {
        if (!isKing(m_table.at(FirstSabot + k).card))
            return false;
    }
    return true;
}

void HorlogeRules::FinDePartie()
{
    bool allPlaced = true;
    bool anyFaceDown = false;
    for (int i = FirstHourCard; i < FirstSabot; ++i) {
        allPlaced = allPlaced && m_table.at(i).tag == Vrai;
        anyFaceDown = anyFaceDown || isFaceDown(i);
    }
    bool kingsLaid = true;
    for (int k = 0; k < Kings; ++k)
        kingsLaid = kingsLaid && carte(k).tag == Faux;
    const bool won = allPlaced && kingsLaid;
    if (!won && (anyFaceDown || onlyKingsInCentre()))
        return;
    endGame(won);
}

QString HorlogeRules::placeName(int picture) const
{
    if (isHourCard(picture))
        return QCoreApplication::translate("HorlogeRules", "Heure %1").arg(hourOf(picture));
    if (picture >= FirstCarte && picture < FirstHourCard)
        return QCoreApplication::translate("HorlogeRules", "Colonne des rois, carte %1")
            .arg(picture - FirstCarte + 1);
    if (picture < FirstSabot || picture >= FirstSabot + Kings)
        return {};
    // The centre cards wait face down; the one turned is carried.
    return m_table.at(picture).face == Picture::Face::Back
               ? QCoreApplication::translate("HorlogeRules", "Centre")
               : QCoreApplication::translate("HorlogeRules", "Carte en main");
}

std::unique_ptr<GameRules> MakeHorlogeRules(const GameInfo &info, CoreContext context,
                                            GameHost &host)
{
    return std::make_unique<HorlogeRules>(info, context, host);
}
