// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/mariage/mariagerules.h"

#include "games/gamehost.h"
#include "games/gameinfo.h"

#include <QCoreApplication>
#include <cstdlib>

namespace {

constexpr QRect SupprimerRect{LineRules::SideLeft, 2820, 1095, 315};

QString OneSelected()
{
    return QCoreApplication::translate(
        "MariageRules", "Cliquez sur le bouton SUPPRIMER pour enlever la carte du jeu.");
}
QString TwoSelected()
{
    return QCoreApplication::translate(
        "MariageRules", "Cliquez sur le bouton SUPPRIMER pour enlever les cartes du jeu.");
}
QString SelectAgain()
{
    return QCoreApplication::translate("MariageRules",
                                       "Cliquez sur la/les cartes qui peuvent être sélectionnées.");
}
QString SelectNeighbour()
{
    return QCoreApplication::translate(
        "MariageRules", "Selectionnez une carte adjacente à la première carte selectionnée.");
}

} // namespace

MariageRules::MariageRules(const GameInfo &info, CoreContext context, GameHost &host)
    : LineRules(
          info, context, host,
          {.places = Places,
           .shownPlaces = Places,
           .borders = true,
           .order = Order::QueenFirstKingLast,
           .frames = 2,
           .infoSize = {1455, 2670},
           .dealPrompt = QCoreApplication::translate(
               "MariageRules", "Cliquez sur la carte de la réserve afin de l'ajouter au jeu.")})
{
    keepState(m_vars);
    Control button;
    button.name = QString::fromLatin1(Supprimer);
    button.kind = Control::Kind::Button;
    button.rect = SupprimerRect;
    button.text = QCoreApplication::translate("MariageRules", "&Supprimer");
    button.toolTip =
        QCoreApplication::translate("MariageRules", "Supprimer la/les cartes sélectionnées");
    button.enabled = false;
    m_table.addControl(button);
}

bool MariageRules::removable(int place) const
{
    return m_line.framed(place, 1) || m_line.framed(place, 2) || m_line.framed(place - 1, 2);
}

bool MariageRules::canPlay() const
{
    return m_line.anyFramed(1) || m_line.anyFramed(2);
}

void MariageRules::resetChoice()
{
    LineRules::resetChoice();
    m_vars = Variables{};
    supprimer().enabled = false;
}

// The hand marks a card that may be selected as the mouse passes; the click decides anew.
void MariageRules::hover(int picture)
{
    const int place = m_line.placeOf(picture);
    if (place == CardLine::NoPlace || !inProgress())
        return;
    const bool canGo = removable(place);
    QString prompt;
    if (canGo)
        prompt = QCoreApplication::translate(
            "MariageRules",
            "Cliquez sur cette carte puis sur le bouton SUPPRIMER pour l'enlever du jeu.");
    else if (m_vars.Selection2 != NoSelection)
        prompt = TwoSelected();
    else if (m_vars.Selection1 != NoSelection)
        prompt = aloneRemovable() ? OneSelected() : SelectNeighbour();
    else if (m_line.stockEmpty())
        prompt = SelectAgain();
    else
        prompt = QCoreApplication::translate(
            "MariageRules", "Cliquez sur la carte de la réserve afin de l'ajouter au jeu.");
    m_host.setPrompt(prompt);
    m_table.at(picture).hand = canGo;
}

void MariageRules::cardClicked(int place)
{
    if (m_vars.Selection1 == NoSelection)
        resetChoice();
    if (!inProgress() || !removable(place) || m_vars.Selection2 != NoSelection)
        return;
    if (m_vars.Selection1 == NoSelection) {
        m_vars.Selection1 = place;
        choose(place, Indicateur0, aloneRemovable() ? OneSelected() : SelectNeighbour());
    } else if (place == m_vars.Selection1) {
        m_host.setPrompt(QCoreApplication::translate(
            "MariageRules",
            "Selectionnez une autre carte différent de la première carte selectionnée."));
    } else if (std::abs(place - m_vars.Selection1) != 1) {
        m_host.setPrompt(SelectNeighbour());
    } else {
        m_vars.Selection2 = place;
        choose(place, Indicateur1, TwoSelected());
    }
}

void MariageRules::choose(int place, FrameIndex frame, const QString &prompt)
{
    m_table.frames[frame].surround(m_table.at(m_line.picture(place)));
    m_host.setPrompt(prompt);
    // A card that can only go with its neighbour leaves SUPPRIMER off until the neighbour is
    // chosen; a pair is tried when pressed and, refused, starts the selection again.
    supprimer().enabled = m_vars.Selection2 != NoSelection || aloneRemovable();
}

bool MariageRules::aloneRemovable() const
{
    return m_line.framed(m_vars.Selection1, 1);
}

// One card goes when its two neighbours are alike, two when the cards around the pair are.
void MariageRules::press(const QString &name)
{
    if (name != QLatin1String(Supprimer) || !inProgress() || m_vars.Selection1 == NoSelection)
        return;
    const bool pair = m_vars.Selection2 != NoSelection;
    const int first = pair ? std::min(m_vars.Selection1, m_vars.Selection2) : m_vars.Selection1;
    const int count = pair ? 2 : 1;
    if (!m_line.framed(first, count)) {
        // A pair refused starts the selection again; a card refused waits for its neighbour.
        if (pair)
            resetChoice();
        m_host.setPrompt(pair ? SelectAgain() : SelectNeighbour());
        return;
    }
    SupprimerCartes(first, count);
    FinDePartie();
}

void MariageRules::SupprimerCartes(int first, int count)
{
    m_line.closeUp(first, count);
    resetChoice();
}

std::unique_ptr<GameRules> MakeMariageRules(const GameInfo &info, CoreContext context,
                                            GameHost &host)
{
    return std::make_unique<MariageRules>(info, context, host);
}
