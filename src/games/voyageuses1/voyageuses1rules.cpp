// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/voyageuses1/voyageuses1rules.h"

#include "games/gamehost.h"
#include "shared/cards.h"

#include <QCoreApplication>

namespace {

constexpr int PlaceLeft = 420;
constexpr int SideLeft = 10020; // lblInfo, the hand, the stock and the buttons
constexpr int CouleurLeft = 60;
constexpr QPoint HandPosition{SideLeft, 1680};
constexpr QPoint StockPosition{SideLeft, 3240};

bool isAce(const QString &card)
{
    return Cards::CardValue(card) == 1;
}

} // namespace

Voyageuses1Rules::Voyageuses1Rules(const GameInfo &info, CoreContext context, GameHost &host)
    : VoyageusesRules(info, context, host, {PlaceLeft, CouleurLeft, SideLeft},
                      QStringLiteral("picSabot"), StockSize)
{
    keepState(m_vars);
}

bool Voyageuses1Rules::isAcePlace(int place)
{
    return place % Columns == Columns - 1;
}

int Voyageuses1Rules::stockSource(int k)
{
    return k * Columns + Columns - 1;
}

bool Voyageuses1Rules::isStock(int picture)
{
    return picture >= FirstSabot && picture < FirstSabot + StockSize;
}

// Only a turned stock card can be dragged; the others wait face down.
bool Voyageuses1Rules::isHeld(int picture) const
{
    if (!isStock(picture))
        return false;
    const Picture &card = m_table.at(picture);
    return card.visible && card.draggable;
}

FormLayout Voyageuses1Rules::layout() const
{
    FormLayout form = sideColumn(QSize(11310, 6585), 120, QSize(1155, 1470));
    form.toolTips[3] = QCoreApplication::translate("Voyageuses1Rules", "Quitter la partie");
    return form;
}

void Voyageuses1Rules::Distribution()
{
    shuffle();
    dealFromDeck();
}

void Voyageuses1Rules::dealFromDeck()
{
    m_vars = Variables{};
    layGrid();
    // The ace places show empty: their cards make the stock.
    for (int k = 0; k < StockSize; ++k) {
        Picture &place = carte(stockSource(k));
        place.deal(QString());
        place.face = Picture::Face::None;
        Picture &stock = sabot(k);
        stock.deal(dealt(stockSource(k)));
        stock.face = Picture::Face::Back;
        stock.rect.moveTopLeft(StockPosition);
        stock.visible = true;
        stock.hand = false;
        stock.draggable = false;
        stock.z = 0;
    }
    m_host.setPrompt(QCoreApplication::translate(
        "Voyageuses1Rules", "Cliquez sur le bouton JOUER pour commencer la partie."));
}

void Voyageuses1Rules::play()
{
    m_host.setPrompt(QCoreApplication::translate("Voyageuses1Rules",
                                                 "Cliquez sur la carte ci-dessous pour jouer"));
}

void Voyageuses1Rules::click(int picture)
{
    if (!inProgress())
        return;
    if (isStock(picture) && m_vars.IndexSabot != NoStock) {
        turnStockCard();
    } else if (isPlace(picture) && m_vars.IndexSabot == NoStock &&
               m_vars.EtatPlace[std::size_t(picture - FirstCarte)] == PlaceState::Unresolved) {
        reveal(picture - FirstCarte, m_vars.EtatPlace);
        FinDePartie();
    }
}

// The stock images lie on one spot, so whichever is clicked, the one in play is taken; a second
// click brings the card in hand back to the hand position.
void Voyageuses1Rules::turnStockCard()
{
    const int index = FirstSabot + m_vars.IndexSabot;
    Picture &card = m_table.at(index);
    card.rect.moveTopLeft(HandPosition);
    card.face = Picture::Face::Front;
    card.hand = true;
    card.draggable = true;
    m_table.bringToFront(index);
    m_host.setPrompt(
        QCoreApplication::translate("Voyageuses1Rules", "Glissez la carte à l'endroit voulu."));
}

void Voyageuses1Rules::hover(int picture)
{
    if (inProgress() && m_vars.IndexSabot == NoStock && isPlace(picture) &&
        m_vars.EtatPlace[std::size_t(picture - FirstCarte)] == PlaceState::Unresolved)
        m_table.at(picture).hand = true;
}

void Voyageuses1Rules::drop(int source, int target, QPoint topLeft)
{
    if (!isHeld(source))
        return;
    if (target < 0) {
        // The card may be laid anywhere on the table, even when no game is in progress.
        m_table.at(source).rect.moveTopLeft(topLeft);
        return;
    }
    if (isPlace(target) && goesHome(source, target - FirstCarte))
        dropOnPlace(source, target - FirstCarte);
}

void Voyageuses1Rules::dropOnPlace(int source, int place)
{
    Picture &hand = m_table.at(source);
    Picture &home = carte(place);
    const QString arrived = hand.card;
    hand.deal(home.card);
    home.deal(arrived);
    home.face = Picture::Face::Front;
    m_vars.EtatPlace[std::size_t(place)] = PlaceState::Right;
    if (!isAce(arrived)) {
        hand.rect.moveTopLeft(HandPosition);
        m_host.setPrompt(QCoreApplication::translate("Voyageuses1Rules",
                                                     "Glissez la carte à l'endroit désiré."));
        return;
    }
    // An ace place is empty, so the chain ends with an empty hand.
    hand.visible = false;
    --m_vars.IndexSabot;
    if (m_vars.IndexSabot != NoStock) {
        m_host.setPrompt(
            QCoreApplication::translate("Voyageuses1Rules", "Cliquez sur la carte ci-dessous."));
        return;
    }
    if (anyUnresolved(m_vars.EtatPlace))
        m_host.setPrompt(
            QCoreApplication::translate("Voyageuses1Rules", "Cliquez sur les cartes restantes."));
    FinDePartie();
}

void Voyageuses1Rules::FinDePartie()
{
    endWhenResolved(m_vars.EtatPlace);
}

QString Voyageuses1Rules::placeName(int picture) const
{
    if (isStock(picture))
        return isHeld(picture) ? QCoreApplication::translate("Voyageuses1Rules", "Carte en main")
                               : QCoreApplication::translate("Voyageuses1Rules", "Pioche");
    return gridPlaceName(picture);
}

std::unique_ptr<GameRules> MakeVoyageuses1Rules(const GameInfo &info, CoreContext context,
                                                GameHost &host)
{
    return std::make_unique<Voyageuses1Rules>(info, context, host);
}
