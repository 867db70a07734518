// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/montecarlo/montecarlorules.h"

#include "games/gamehost.h"
#include "games/gameinfo.h"
#include "games/picturenames.h"

#include <QCoreApplication>
#include <array>
#include <cstdlib>

namespace {

// The stock is Carte(25..51), turned up from the top: Carte(25) is the last to show.
constexpr int LastStockCard = MontecarloRules::GridSize;
// Passes of the close-up: each removal leaves two gaps.
constexpr int CloseUpPasses = 2;

QString rankKey(const QString &name)
{
    return name.left(2).toUpper();
}

QString suitKey(const QString &name)
{
    return name.right(5).toUpper();
}

} // namespace

MontecarloRules::MontecarloRules(const GameInfo &info, CoreContext context, GameHost &host)
    : GameRules(info, context, host)
{
    keepState(m_vars);
    m_table.addGroup(QStringLiteral("Carte"), Cards::FullDeck);
    m_table.addGroup(QStringLiteral("EspaceJeu"), GridSize);
    m_table.frames.append(Frame{});
}

FormLayout MontecarloRules::layout() const
{
    FormLayout form;
    form.area = QSize(8115, 7935);
    form.info = QRect(6660, 60, 1335, 1950);
    constexpr std::array<int, 4> buttonTops{6360, 6720, 7080, 7500};
    for (std::size_t i = 0; i < form.buttons.size(); ++i)
        form.buttons[i] = QRect(StockLeft, buttonTops[i], CardWidth, 315);
    form.toolTips[0] = QCoreApplication::translate("MontecarloRules", "Jouer à la vorelle");
    form.toolTips[2] = QCoreApplication::translate("MontecarloRules", "Afficher les règles du jeu");
    form.dealtPrompt = QCoreApplication::translate(
        "MontecarloRules", "Appuyez sur le bouton JOUER pour commencer la vorelle.");
    return form;
}

QPoint MontecarloRules::placePosition(int place)
{
    return {GridLeft + ColumnStep * (place % GridColumns),
            GridTop + RowStep * (place / GridColumns)};
}

int MontecarloRules::placeOf(int index)
{
    const int place = index - FirstPlace;
    return place >= 0 && place < GridSize ? place : NoPlace;
}

void MontecarloRules::Distribution()
{
    m_vars = Variables{};
    m_table.frames[Indicateur].visible = false;
    for (int k = 0; k < Cards::FullDeck; ++k) {
        Picture &card = carte(k);
        card.card.clear();
        card.border = true;
        card.hand = false;
        card.draggable = false;
        card.face = Picture::Face::Back;
        card.rect.moveTopLeft({StockLeft, PileTop});
        card.visible = true;
        m_table.bringToFront(FirstCarte + k);
        if (k < GridSize) {
            Picture &spot = place(k);
            spot.card.clear();
            spot.hand = false;
            spot.face = Picture::Face::Back;
            spot.rect.moveTopLeft(placePosition(k));
            spot.visible = true;
            spot.border = true;
        }
    }
    shuffle();
    for (int k = 0; k < Cards::FullDeck; ++k)
        carte(k).card = dealt(k);
    m_host.setPrompt(QCoreApplication::translate(
        "MontecarloRules", "Appuyez sur le bouton JOUER pour commencer la partie."));
}

void MontecarloRules::play()
{
    m_host.setPrompt(QCoreApplication::translate(
        "MontecarloRules", "Cliquez sur la carte ci-dessous pour commencer la vorelle."));
    // The grid shows the first 25 cards; their own images stay face down in the pile.
    for (int i = 0; i < GridSize; ++i) {
        place(i).card = carte(i).card;
        place(i).face = Picture::Face::Front;
    }
    turnUpStock();
    // A first grid without a pair is already lost.
    FinDePartie();
}

void MontecarloRules::hover(int index)
{
    const int at = placeOf(index);
    if (!inProgress() || at == NoPlace)
        return;
    place(at).hand = !place(at).card.isEmpty();
}

bool MontecarloRules::neighbours(int a, int b)
{
    return std::abs(a % GridColumns - b % GridColumns) <= 1 &&
           std::abs(a / GridColumns - b / GridColumns) <= 1;
}

MontecarloRules::StockPlace MontecarloRules::stockPlace(int k) const
{
    const int next = m_vars.prochaineCarte;
    if (k > next)
        return StockPlace::Parked;
    if (carte(k).face != Picture::Face::Front)
        return StockPlace::Pile;
    // The last card of the stock turns up alone, in the lower place.
    return k == next && next > LastStockCard ? StockPlace::Upper : StockPlace::Lower;
}

bool MontecarloRules::matching(int a, int b) const
{
    const QString &first = place(a).card;
    const QString &second = place(b).card;
    return rankKey(first) == rankKey(second) || suitKey(first) == suitKey(second);
}

void MontecarloRules::click(int index)
{
    const int at = placeOf(index);
    if (!inProgress() || at == NoPlace || !place(at).visible)
        return;
    Frame &frame = m_table.frames[Indicateur];
    if (m_vars.selection1 == NoPlace) {
        m_vars.selection1 = at;
        frame.surround(place(at));
        m_host.setPrompt(
            QCoreApplication::translate("MontecarloRules", "Selectionnez une deuxième carte."));
        return;
    }
    // A second click on the first card keeps it selected.
    if (at == m_vars.selection1) {
        m_vars.selection2 = NoPlace;
        return;
    }
    m_vars.selection2 = at;
    frame.surround(place(at));
    if (!neighbours(m_vars.selection1, at)) {
        frame.visible = false;
        m_vars.selection1 = m_vars.selection2 = NoPlace;
        m_host.setPrompt(QCoreApplication::translate(
            "MontecarloRules",
            "Selectionnez 2 cartes adjacentes de même valeur ou de même famille."));
        return;
    }
    // Neighbours that do not match keep both selections: the next click replaces the second.
    if (matching(m_vars.selection1, at))
        removePair(m_vars.selection1, at);
}

void MontecarloRules::removePair(int a, int b)
{
    const QString first = place(a).card;
    const QString second = place(b).card;
    for (int i : {a, b}) {
        place(i).face = Picture::Face::None;
        place(i).border = false;
        place(i).card.clear();
    }
    m_table.frames[Indicateur].visible = false;
    for (int k = 0; k < Cards::FullDeck; ++k) {
        if (carte(k).card == first || carte(k).card == second)
            carte(k).visible = false;
    }
    closeUp();
    m_vars.selection1 = m_vars.selection2 = NoPlace;
    refill();
    turnUpStock();
    for (int i = 0; i < GridSize; ++i) {
        if (place(i).card.isEmpty()) {
            place(i).border = false;
            place(i).visible = false;
        }
    }
    m_host.setPrompt(QCoreApplication::translate(
        "MontecarloRules", "BRAVO, Les cartes choisies forment une paire. Cliquez sur une carte"));
    FinDePartie();
}

void MontecarloRules::closeUp()
{
    for (int pass = 0; pass < CloseUpPasses; ++pass) {
        for (int i = 0; i + 1 < GridSize; ++i) {
            Picture &gap = place(i);
            Picture &next = place(i + 1);
            if (!gap.card.isEmpty())
                continue;
            gap.card = next.card;
            gap.face = next.face;
            gap.border = next.border;
            next.card.clear();
            next.face = Picture::Face::None;
            next.border = false;
        }
    }
}

void MontecarloRules::refill()
{
    // From the highest index down, so the upper face-up card fills the first gap.
    for (int k = Cards::FullDeck - 1; k >= 0; --k) {
        const StockPlace at = stockPlace(k);
        if (at != StockPlace::Upper && at != StockPlace::Lower)
            continue;
        Picture &card = carte(k);
        for (int i = 0; i < GridSize; ++i) {
            Picture &gap = place(i);
            if (!gap.card.isEmpty() || !gap.visible)
                continue;
            gap.border = true;
            gap.card = card.card;
            gap.face = Picture::Face::Front;
            card.rect.moveTopLeft(Parked);
            --m_vars.prochaineCarte;
            break;
        }
    }
}

void MontecarloRules::turnUpStock()
{
    const int next = m_vars.prochaineCarte;
    const auto turnUp = [this](int k, int top) {
        carte(k).face = Picture::Face::Front;
        carte(k).rect.moveTop(top);
        m_table.bringToFront(FirstCarte + k);
    };
    if (next > LastStockCard) {
        turnUp(next, UpperStockTop);
        turnUp(next - 1, LowerStockTop);
    } else if (next == LastStockCard) {
        turnUp(next, LowerStockTop);
        // Nothing is left to draw: the face-down pile goes.
        for (int k = 0; k < Cards::FullDeck; ++k) {
            if (stockPlace(k) == StockPlace::Pile)
                carte(k).visible = false;
        }
    }
}

void MontecarloRules::FinDePartie()
{
    bool won = true;
    for (const Picture &picture : m_table.pictures)
        won = won && !picture.visible;
    if (!won) {
        for (int i = 0; i < GridSize; ++i) {
            if (!place(i).visible || place(i).card.isEmpty())
                continue;
            for (int j = 0; j < GridSize; ++j) {
                if (j != i && place(j).visible && neighbours(i, j) && matching(i, j))
                    return;
            }
        }
    }
    m_host.setPrompt(
        won ? QCoreApplication::translate("MontecarloRules", "BRAVO, vous avez gagné...")
            : QCoreApplication::translate("MontecarloRules", "DESOLE, vous avez perdu..."));
    // The window records the game and may deal again: nothing may follow.
    m_host.gameOver(won);
}

// The stock's cards by where they lie: its two face-up cards, then its face-down pile.
QString MontecarloRules::placeName(int index) const
{
    if (const int at = placeOf(index); at != NoPlace)
        return PictureNames::gridPlace(at, GridColumns);
    if (index < FirstCarte || index >= FirstPlace)
        return {};
    switch (stockPlace(index - FirstCarte)) {
    case StockPlace::Upper:
        return QCoreApplication::translate("MontecarloRules", "Pioche, première carte visible");
    case StockPlace::Lower:
        return QCoreApplication::translate("MontecarloRules", "Pioche, seconde carte visible");
    case StockPlace::Pile:
        return QCoreApplication::translate("MontecarloRules", "Pioche, cartes cachées");
    case StockPlace::Parked:
        return {}; // out of sight
    }
    return {};
}

std::unique_ptr<GameRules> MakeMontecarloRules(const GameInfo &info, CoreContext context,
                                               GameHost &host)
{
    return std::make_unique<MontecarloRules>(info, context, host);
}
