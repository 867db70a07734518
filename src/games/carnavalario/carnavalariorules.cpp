// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/carnavalario/carnavalariorules.h"

#include "games/gamehost.h"
#include "games/gameinfo.h"
#include "games/picturenames.h"
#include "settings/settingkeys.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

constexpr int GridLeft = 120;
constexpr int GridTop = 120;
constexpr int ColumnStep = 1200;
constexpr int RowStep = 1560;
constexpr int SideLeft = 9720; // the display time and the buttons
constexpr std::array<int, 4> ButtonTops{4800, 5160, 5520, 5940};

const QString CboSecondes = QStringLiteral("cboSecondes");

QStringList seconds()
{
    QStringList entries;
    for (int s = CarnavalaRioRules::ShortestDisplay; s <= CarnavalaRioRules::LongestDisplay; ++s)
        entries.append(QString::number(s));
    return entries;
}

} // namespace

CarnavalaRioRules::CarnavalaRioRules(const GameInfo &info, CoreContext context, GameHost &host)
    : GameRules(info, context, host)
{
    keepState(m_vars);
    m_table.addGroup(QStringLiteral("Carte"), Cards::SmallDeck, QStringLiteral("Carte"));
    m_table.frames.append(Frame{});
    for (int i = 0; i < Cards::SmallDeck; ++i)
        carte(i).rect.moveTopLeft(cardPosition(i));

    m_table.addControl(
        Control::label(QStringLiteral("Label1(0)"), QRect(SideLeft, 4140, 1050, 210),
                       QCoreApplication::translate("CarnavalaRioRules", "Affichage:")));
    m_table.addControl(
        Control::list(CboSecondes, QRect(SideLeft, 4380, 615, 0), seconds(),
                      QCoreApplication::translate("CarnavalaRioRules",
                                                  "Temps d'affichage des cartes sélectionnées")));
    m_table.addControl(Control::label(QStringLiteral("Label1(1)"), QRect(10380, 4500, 420, 210),
                                      QCoreApplication::translate("CarnavalaRioRules", "Sec.")));
}

QPoint CarnavalaRioRules::cardPosition(int i)
{
    return {GridLeft + ColumnStep * (i % Columns), GridTop + RowStep * (i / Columns)};
}

FormLayout CarnavalaRioRules::layout() const
{
    FormLayout form;
    form.area = QSize(10890, 6405);
    form.info = QRect(9660, 60, 1215, 2490);
    form.stackButtons(SideLeft, ButtonTops);
    form.toolTips[0] = QCoreApplication::translate("CarnavalaRioRules", "Jouer à la vorelle");
    form.dealtPrompt = QCoreApplication::translate(
        "CarnavalaRioRules", "Appuyez sur le bouton JOUER pour commencer la vorelle.");
    form.lostQuestion = QCoreApplication::translate(
        "CarnavalaRioRules",
        "Désolé, vous avez perdu la partie. Voulez-vous recommencer une nouvelle vorelle ?");
    return form;
}

Control &CarnavalaRioRules::cboSecondes()
{
    return *m_table.control(CboSecondes);
}

bool CarnavalaRioRules::isCarte(int index)
{
    return index >= FirstCarte && index < FirstCarte + Cards::SmallDeck;
}

void CarnavalaRioRules::Distribution()
{
    shuffle();
    m_vars = Variables{};
    m_table.frames[Indicateur].visible = false;
    for (int i = 0; i < Cards::SmallDeck; ++i) {
        Picture &card = carte(i);
        card.deal(dealt(i));
        card.face = Picture::Face::Back;
        card.hand = false;
        card.visible = true;
    }
    cboSecondes().enabled = true;
    stopTimer();
    m_host.setPrompt(QCoreApplication::translate(
        "CarnavalaRioRules", "Cliquez sur le bouton JOUER pour commencer la partie."));
}

void CarnavalaRioRules::load()
{
    // A stored time outside the list heals to the default, so a failed pair always turns back.
    select(CboSecondes, storedNumber(Settings::CarnavalTemps, ShortestDisplay, LongestDisplay) -
                            ShortestDisplay);
}

void CarnavalaRioRules::selected(const QString &)
{
    setGameSetting(Settings::CarnavalTemps, cboSecondes().text.trimmed());
}

void CarnavalaRioRules::play()
{
    m_host.setPrompt(QCoreApplication::translate(
        "CarnavalaRioRules", "Cliquez sur une des cartes du jeu pour commencer la vorelle."));
    cboSecondes().enabled = false;
}

bool CarnavalaRioRules::sameRank(int a, int b) const
{
    return m_table.at(FirstCarte + a).card.left(2) == m_table.at(FirstCarte + b).card.left(2);
}

void CarnavalaRioRules::click(int index)
{
    // A failed pair on show blocks every click until the timer turns it back.
    if (!inProgress() || !isCarte(index) || timerRunning())
        return;
    const int i = index - FirstCarte;
    if (m_vars.EtatCarte[std::size_t(i)] || i == m_vars.Premiere)
        return;
    if (m_vars.Premiere == NoCard) {
        m_vars.Premiere = qint16(i);
        turnUp(i);
        m_host.setPrompt(QCoreApplication::translate(
            "CarnavalaRioRules",
            "Cliquez sur une deuxième carte pour essayer d'obtenir une paire."));
        return;
    }
    m_vars.Seconde = qint16(i);
    turnUp(i);
    if (sameRank(m_vars.Premiere, i))
        keepPair(i);
    else
        showFailedPair();
}

void CarnavalaRioRules::turnUp(int i)
{
    carte(i).face = Picture::Face::Front;
    m_table.frames[Indicateur].surround(carte(i));
}

void CarnavalaRioRules::showFailedPair()
{
    m_host.setPrompt(QCoreApplication::translate(
        "CarnavalaRioRules", "La carte choisie ne forme pas de paire avec la carte précédente."));
    m_vars.Compteur = 0;
    startTimer(TickMs);
}

void CarnavalaRioRules::keepPair(int i)
{
    m_host.setPrompt(QCoreApplication::translate(
        "CarnavalaRioRules", "BRAVO, La carte choisie forme une paire avec la carte "
                             "précédente. Cliquez sur une carte"));
    for (int paired : {int(m_vars.Premiere), i}) {
        m_vars.EtatCarte[std::size_t(paired)] = true;
        carte(paired).hand = false;
    }
    m_vars.Premiere = m_vars.Seconde = NoCard;
    m_vars.Compteur = 0;
    m_table.frames[Indicateur].visible = false;
    stopTimer();
    FinDePartie();
}

void CarnavalaRioRules::timerTick()
{
    // The timer runs only while a failed pair shows.
    if (m_vars.Seconde == NoCard)
        return;
    ++m_vars.Compteur;
    if (m_vars.Compteur < cboSecondes().text.toInt())
        return;
    carte(m_vars.Seconde).face = Picture::Face::Back;
    carte(m_vars.Premiere).face = Picture::Face::Back;
    m_vars.Premiere = m_vars.Seconde = NoCard;
    m_vars.Compteur = 0;
    m_table.frames[Indicateur].visible = false;
    m_host.setPrompt(QCoreApplication::translate("CarnavalaRioRules", "Cliquez sur une carte."));
    stopTimer();
}

void CarnavalaRioRules::hover(int index)
{
    if (inProgress() && isCarte(index))
        m_table.at(index).hand = !m_vars.EtatCarte[std::size_t(index - FirstCarte)];
}

bool CarnavalaRioRules::allPaired() const
{
    return std::all_of(m_vars.EtatCarte.begin(), m_vars.EtatCarte.end(),
                       [](bool paired) { return paired; });
}

void CarnavalaRioRules::FinDePartie()
{
    if (!allPaired())
        return;
    endGame(true);
}

QString CarnavalaRioRules::placeName(int index) const
{
    return isCarte(index) ? PictureNames::gridPlace(index - FirstCarte, Columns) : QString();
}

std::unique_ptr<GameRules> MakeCarnavalaRioRules(const GameInfo &info, CoreContext context,
                                                 GameHost &host)
{
    return std::make_unique<CarnavalaRioRules>(info, context, host);
}
