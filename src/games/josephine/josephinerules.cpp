// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/josephine/josephinerules.h"

#include "games/gamehost.h"
#include "games/gameinfo.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

constexpr int SideLeft = JosephineRules::ReservePosition.x(); // lblInfo, the reserve, the buttons
constexpr std::array<int, 4> ButtonTops{4440, 4800, 5160, 5640};

// A reserve card keeps this after its code while it lies face down.
const QString FaceDownMark = QStringLiteral("[R]");
// The tag of a card paired and out of the game.
const QString Paired = QStringLiteral("VRAI");

} // namespace

JosephineRules::JosephineRules(const GameInfo &info, CoreContext context, GameHost &host)
    : GameRules(info, context, host)
{
    keepState(m_vars);
    m_table.addGroup(QStringLiteral("Carte"), Cards::FullDeck);
    m_table.frames.append(Frame{});
}

FormLayout JosephineRules::layout() const
{
    FormLayout form;
    form.area = QSize(10995, 6495);
    form.info = QRect(SideLeft, 120, 1155, 2310);
    form.stackButtons(SideLeft, ButtonTops);
    form.toolTips[0] = QCoreApplication::translate("JosephineRules", "Jouer à la vorelle");
    form.toolTips[2] = QCoreApplication::translate("JosephineRules", "Afficher les règles du jeu");
    return form;
}

QPoint JosephineRules::cardPosition(int k)
{
    if (k >= FirstReserve)
        return ReservePosition;
    return {ColumnLeft + ColumnStep * (k % Columns), RowTop + RowStep * (k / Columns)};
}

bool JosephineRules::isCarte(int index)
{
    return index >= FirstCarte && index < FirstCarte + Cards::FullDeck;
}

bool JosephineRules::isFree(int k) const
{
    return std::find(m_vars.Jouables.begin(), m_vars.Jouables.end(), k) != m_vars.Jouables.end();
}

bool JosephineRules::faceDown(int k) const
{
    return carte(k).tag.endsWith(FaceDownMark);
}

// A face-down reserve card counts with its rank too.
int JosephineRules::rank(int k) const
{
    return Cards::CardValue(carte(k).card);
}

void JosephineRules::Distribution()
{
    m_vars = Variables{};
    indicateur().visible = false;
    // In index order, so that each row covers the lower part of the one above and Carte(51)
    // lies on top of the reserve.
    for (int k = 0; k < Cards::FullDeck; ++k) {
        Picture &card = carte(k);
        card.hand = false;
        card.face = Picture::Face::Back;
        card.rect.moveTopLeft(cardPosition(k));
        card.visible = true;
        m_table.bringToFront(FirstCarte + k);
    }
    shuffle();
    for (int k = 0; k < Cards::FullDeck; ++k) {
        carte(k).deal(dealt(k));
        if (k >= FirstReserve)
            carte(k).tag += FaceDownMark;
    }
    m_host.setPrompt(QCoreApplication::translate(
        "JosephineRules", "Appuyez sur le bouton JOUER pour commencer la partie."));
}

void JosephineRules::play()
{
    m_host.setPrompt(QCoreApplication::translate("JosephineRules",
                                                 "Cliquez sur la carte ci-dessous pour jouer"));
    for (int k = 0; k < TableCards; ++k)
        carte(k).face = Picture::Face::Front;
    for (int column = 0; column < Columns; ++column)
        m_vars.Jouables[std::size_t(column)] = TableCards - Columns + column;
    m_vars.Jouables[ReserveSlot] = TopReserve;
}

void JosephineRules::hover(int index)
{
    if (inProgress() && isCarte(index) && isFree(index - FirstCarte))
        m_table.at(index).hand = true;
}

void JosephineRules::click(int index)
{
    if (!inProgress() || !isCarte(index))
        return;
    // Every click takes the frame away; a first card chosen stays chosen without it.
    indicateur().visible = false;
    const int k = index - FirstCarte;
    // A paired card is never free.
    if (!isFree(k))
        return;
    if (k == m_vars.Jouables[ReserveSlot] && faceDown(k)) {
        turnUpReserve(k);
        return;
    }
    if (m_vars.Selection1 == NoCard) {
        selectFirst(k);
        return;
    }
    if (k == m_vars.Selection1) {
        m_host.setPrompt(QCoreApplication::translate(
            "JosephineRules", "Cliquez sur une deuxième carte pour essayer d'obtenir une paire."));
        return;
    }
    if (rank(k) != rank(m_vars.Selection1)) {
        m_vars.Selection1 = NoCard;
        m_host.setPrompt(QCoreApplication::translate(
            "JosephineRules", "La carte choisie ne forme pas de paire avec la carte "
                              "précédente. Cliquez sur une carte."));
        return;
    }
    removePair(m_vars.Selection1, k);
}

void JosephineRules::turnUpReserve(int k)
{
    Picture &card = carte(k);
    card.tag.chop(FaceDownMark.size());
    card.face = Picture::Face::Front;
    card.rect.translate(0, -TurnedRise);
    FinDePartie();
}

void JosephineRules::selectFirst(int k)
{
    m_vars.Selection1 = k;
    indicateur().surround(carte(k));
    m_host.setPrompt(QCoreApplication::translate(
        "JosephineRules", "Cliquez sur une deuxième carte pour essayer d'obtenir une paire."));
}

void JosephineRules::removePair(int first, int second)
{
    m_host.setPrompt(QCoreApplication::translate(
        "JosephineRules",
        "BRAVO, La carte choisie forme une paire avec la carte précédente. Cliquez sur une carte"));
    for (int k : {first, second}) {
        carte(k).tag = Paired;
        carte(k).visible = false;
        freeCardAbove(k);
    }
    m_vars.Selection1 = NoCard;
    FinDePartie();
}

// The card's entry of Jouables passes to the card it covered: the one above in its column, the
// next reserve card, or none.
void JosephineRules::freeCardAbove(int k)
{
    if (k >= FirstReserve) {
        m_vars.Jouables[ReserveSlot] = k > FirstReserve ? k - 1 : NoCard;
        return;
    }
    m_vars.Jouables[std::size_t(k % Columns)] = k >= Columns ? k - Columns : NoCard;
}

bool JosephineRules::pairAmongFree() const
{
    const auto &free = m_vars.Jouables;
    for (std::size_t i = 0; i < free.size(); ++i) {
        for (std::size_t j = i + 1; j < free.size(); ++j) {
            if (free[i] != NoCard && free[j] != NoCard && rank(free[i]) == rank(free[j]))
                return true;
        }
    }
    return false;
}

void JosephineRules::FinDePartie()
{
    const bool won = std::all_of(m_table.pictures.begin(), m_table.pictures.end(),
                                 [](const Picture &card) { return card.tag == Paired; });
    if (!won) {
        const int reserve = m_vars.Jouables[ReserveSlot];
        // A face-down reserve card can still be turned up: the game goes on.
        if (pairAmongFree() || (reserve != NoCard && faceDown(reserve)))
            return;
    }
    endGame(won);
}

QString JosephineRules::placeName(int index) const
{
    if (!isCarte(index))
        return {};
    const int k = index - FirstCarte;
    if (k >= FirstReserve)
        return QCoreApplication::translate("JosephineRules", "Réserve");
    return QCoreApplication::translate("JosephineRules", "Colonne %1, carte %2")
        .arg(k % Columns + 1)
        .arg(k / Columns + 1);
}

std::unique_ptr<GameRules> MakeJosephineRules(const GameInfo &info, CoreContext context,
                                              GameHost &host)
{
    return std::make_unique<JosephineRules>(info, context, host);
}
