// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/voyageuses2/voyageuses2rules.h"

#include "games/gamehost.h"

#include <QCoreApplication>

namespace {

constexpr int PlaceLeft = 480;
constexpr int SideLeft = 10080; // lblInfo, the hand and the buttons
constexpr int CouleurLeft = 120;
constexpr QPoint HandPosition{SideLeft, 3240};

// The Tag of the hole left by the first card, and of the hand while it is empty.
const QString Faux = QStringLiteral("FAUX");

} // namespace

Voyageuses2Rules::Voyageuses2Rules(const GameInfo &info, CoreContext context, GameHost &host)
    : VoyageusesRules(info, context, host, {PlaceLeft, CouleurLeft, SideLeft},
                      QStringLiteral("imgSabot"), 1)
{
    keepState(m_vars);
    imgSabot().rect.moveTopLeft(HandPosition);
}

FormLayout Voyageuses2Rules::layout() const
{
    FormLayout form = sideColumn(QSize(11460, 6345), 60, QSize(1275, 1470));
    form.dealtPrompt = QCoreApplication::translate(
        "Voyageuses2Rules", "Appuyez sur le bouton JOUER pour commencer la vorelle.");
    return form;
}

bool Voyageuses2Rules::isHeld(int picture) const
{
    return picture == ImgSabot && chainGoesOn();
}

// The hand holds a card from the first click until a card fills the hole.
bool Voyageuses2Rules::chainGoesOn() const
{
    return m_table.at(ImgSabot).tag != Faux;
}

void Voyageuses2Rules::Distribution()
{
    shuffle();
    m_vars = Variables{};
    layGrid();
    Picture &hand = imgSabot();
    hand.tag = Faux;
    hand.card.clear();
    hand.face = Picture::Face::None;
    hand.rect.moveTopLeft(HandPosition);
    hand.hand = false;
    hand.draggable = false;
    m_host.setPrompt(QCoreApplication::translate(
        "Voyageuses2Rules", "Cliquez sur le bouton JOUER pour commencer la partie."));
}

void Voyageuses2Rules::play()
{
    m_vars.PremierClic = true;
    m_host.setPrompt(QCoreApplication::translate(
        "Voyageuses2Rules", "Cliquez sur une des cartes du jeu pour commencer la vorelle."));
}

void Voyageuses2Rules::click(int picture)
{
    if (!inProgress() || !isPlace(picture) || chainGoesOn())
        return;
    const int place = picture - FirstCarte;
    if (m_vars.PremierClic) {
        pickUp(place);
    } else if (m_vars.EtatPlace[std::size_t(place)] != PlaceState::Right) {
        reveal(place, m_vars.EtatPlace);
        FinDePartie();
    }
}

void Voyageuses2Rules::pickUp(int place)
{
    Picture &hand = imgSabot();
    Picture &hole = carte(place);
    hand.deal(hole.card);
    hand.face = Picture::Face::Front;
    hand.hand = true;
    hand.draggable = true;
    hand.visible = true;
    hole.tag = Faux;
    hole.card.clear();
    hole.face = Picture::Face::None;
    m_vars.EtatPlace[std::size_t(place)] = PlaceState::Wrong;
    m_vars.PremierClic = false;
    m_host.setPrompt(
        QCoreApplication::translate("Voyageuses2Rules", "Glissez la carte à l'endroit voulu."));
}

// The hand pointer shows over the places the player may click: none during the chain.
void Voyageuses2Rules::hover(int picture)
{
    if (inProgress() && isPlace(picture))
        carte(picture - FirstCarte).hand =
            !chainGoesOn() &&
            m_vars.EtatPlace[std::size_t(picture - FirstCarte)] != PlaceState::Right;
}

// A drag that ends anywhere takes the frame away; only the card's own place accepts it.
void Voyageuses2Rules::drop(int source, int target, QPoint)
{
    indicateur().visible = false;
    if (isPlace(target) && goesHome(source, target - FirstCarte))
        dropOnPlace(target - FirstCarte);
}

void Voyageuses2Rules::dropOnPlace(int place)
{
    Picture &hand = imgSabot();
    Picture &home = carte(place);
    const QString arrived = hand.card;
    hand.tag = home.tag;
    hand.card = home.card;
    home.deal(arrived);
    home.face = Picture::Face::Front;
    m_vars.EtatPlace[std::size_t(place)] = PlaceState::Right;
    if (!chainGoesOn()) { // the card has filled the hole
        hand.face = Picture::Face::None;
        hand.draggable = false;
        hand.hand = false;
        FinDePartie();
        return;
    }
    hand.face = Picture::Face::Front;
    hand.rect.moveTopLeft(HandPosition);
    m_host.setPrompt(
        QCoreApplication::translate("Voyageuses2Rules", "Glissez la carte à l'endroit voulu."));
}

void Voyageuses2Rules::FinDePartie()
{
    if (!endWhenResolved(m_vars.EtatPlace))
        m_host.setPrompt(QCoreApplication::translate(
            "Voyageuses2Rules", "Cliquez maintenant sur le(s) carte(s) non découverte(s)."));
}

QString Voyageuses2Rules::placeName(int picture) const
{
    return picture == ImgSabot ? QCoreApplication::translate("Voyageuses2Rules", "Carte en main")
                               : gridPlaceName(picture);
}

std::unique_ptr<GameRules> MakeVoyageuses2Rules(const GameInfo &info, CoreContext context,
                                                GameHost &host)
{
    return std::make_unique<Voyageuses2Rules>(info, context, host);
}
