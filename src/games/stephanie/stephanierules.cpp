// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/stephanie/stephanierules.h"

#include "games/gamehost.h"
#include "games/gameinfo.h"
#include "shared/appstate.h"

#include <QCoreApplication>
#include <QSet>
#include <algorithm>

namespace {

constexpr int SideLeft = StephanieRules::StockPosition.x(); // lblInfo, the stock, the buttons
constexpr std::array<int, 4> ButtonTops{4080, 4440, 4800, 5220};
// The finished ranks run from the 2 to the ace: rank value 2 takes the first stack.
constexpr int FirstFinishedValue = 2;
constexpr int RankCount = 13;

} // namespace

StephanieRules::StephanieRules(const GameInfo &info, CoreContext context, GameHost &host)
    : GameRules(info, context, host)
{
    keepState(m_vars);
    m_table.addGroup(QStringLiteral("Carte"), Cards::FullDeck);
    m_table.addGroup(QStringLiteral("EspaceJeu"), RowSize);
    m_table.frames.append(Frame{});
    // Empty frames under the cards, where the columns start.
    for (int i = 0; i < RowSize; ++i) {
        place(i).rect.moveTopLeft(placePosition(i));
        place(i).border = true;
    }
}

FormLayout StephanieRules::layout() const
{
    FormLayout form;
    form.area = QSize(12375, 5655);
    form.info = QRect(SideLeft, 120, 1335, 1950);
    form.stackButtons(SideLeft, ButtonTops);
    form.toolTips[0] = QCoreApplication::translate("StephanieRules", "Jouer à la vorelle");
    form.toolTips[2] = QCoreApplication::translate("StephanieRules", "Afficher les règles du jeu");
    form.dealtPrompt = QCoreApplication::translate(
        "StephanieRules", "Appuyez sur le bouton JOUER pour commencer la vorelle.");
    return form;
}

QPoint StephanieRules::placePosition(int place)
{
    return {PlaceLeft + PlaceStep * place, PlaceTop};
}

QPoint StephanieRules::topLeft(const Place &place)
{
    switch (place.area) {
    case Place::Area::Column:
        return placePosition(place.index) + QPoint(0, FanStep * place.depth);
    case Place::Area::Finished:
        return {PlaceLeft + FanStep * place.index, FinishedTop};
    case Place::Area::Stock:
        break;
    }
    return StockPosition;
}

bool StephanieRules::isCarte(int index)
{
    return index >= FirstCarte && index < FirstCarte + Cards::FullDeck;
}

bool StephanieRules::isPlace(int index)
{
    return index >= FirstPlace && index < FirstPlace + RowSize;
}

bool StephanieRules::onTable(int k) const
{
    return placeOf(k).area == Place::Area::Column;
}

bool StephanieRules::onStock(int k) const
{
    return placeOf(k).area == Place::Area::Stock;
}

bool StephanieRules::finished(int k) const
{
    return placeOf(k).area == Place::Area::Finished;
}

int StephanieRules::columnHeight(int i) const
{
    return int(std::count_if(m_vars.places.begin(), m_vars.places.end(), [i](const Place &p) {
        return p.area == Place::Area::Column && p.index == i;
    }));
}

int StephanieRules::rank(int k) const
{
    return Cards::CardValue(carte(k).card);
}

bool StephanieRules::rankOnTable(int value) const
{
    for (int k = 0; k < Cards::FullDeck; ++k) {
        if (onTable(k) && rank(k) == value)
            return true;
    }
    return false;
}

// A place is free once its column has gone down to the finished row.
bool StephanieRules::placeFree(int i) const
{
    return columnHeight(i) == 0;
}

// Only the stock's top card, once turned up, may be laid on the table.
bool StephanieRules::isTurnedTop(int index) const
{
    return isCarte(index) && index - FirstCarte == m_vars.ProchaineCarte &&
           carte(m_vars.ProchaineCarte).face == Picture::Face::Front;
}

bool StephanieRules::fitsColumn(int k, int target) const
{
    return onTable(target) && rank(target) == rank(k);
}

bool StephanieRules::fitsPlace(int k, int i) const
{
    return placeFree(i) && !rankOnTable(rank(k));
}

void StephanieRules::Distribution()
{
    // With no shuffle rounds a deal moves only the first card, so a rank repeated in places 1 to 8
    // would come back at every deal: after many repeats each deal gets one round more.
    for (int tried = 0;; ++tried) {
        deal(tried >= PlainDeals);
        if (VerifierTirage())
            break;
    }
    m_host.setPrompt(QCoreApplication::translate(
        "StephanieRules", "Appuyez sur le bouton JOUER pour commencer la partie."));
}

void StephanieRules::deal(bool extraRound)
{
    m_vars = Variables{};
    indicateur().visible = false;
    for (int k = 0; k < Cards::FullDeck; ++k) {
        Picture &card = carte(k);
        card.border = true;
        card.hand = false;
        card.draggable = false;
        card.face = Picture::Face::Back;
        card.visible = true;
        if (k < RowSize)
            m_vars.places[std::size_t(k)] = {Place::Area::Column, k, 0};
        card.rect.moveTopLeft(topLeft(placeOf(k)));
        m_table.bringToFront(FirstCarte + k);
    }
    shuffle();
    if (extraRound) {
        m_context.state.shuffleRounds = 1;
        ShuffleDeck(m_context.state, Cards::FullDeck, m_context.random);
    }
    for (int k = 0; k < Cards::FullDeck; ++k)
        carte(k).deal(dealt(k));
}

bool StephanieRules::VerifierTirage() const
{
    QSet<int> ranks;
    for (int k = 0; k < RowSize; ++k)
        ranks.insert(rank(k));
    return ranks.size() == RowSize;
}

void StephanieRules::play()
{
    m_host.setPrompt(QCoreApplication::translate(
        "StephanieRules", "Cliquez sur une des cartes du jeu pour commencer la vorelle."));
    for (int k = 0; k < RowSize; ++k)
        carte(k).face = Picture::Face::Front;
    carte(m_vars.ProchaineCarte).hand = true;
}

void StephanieRules::hover(int index)
{
    if (!inProgress() || !isCarte(index))
        return;
    indicateur().visible = false;
    if (onStock(index - FirstCarte)) {
        m_table.at(index).hand = true;
        m_host.setPrompt(QCoreApplication::translate("StephanieRules",
                                                     "Cliquez et glissez cette carte sur le jeu."));
    }
}

void StephanieRules::click(int index)
{
    if (!inProgress() || !isCarte(index) || index - FirstCarte != m_vars.ProchaineCarte)
        return;
    Picture &card = m_table.at(index);
    card.face = Picture::Face::Front;
    card.draggable = true;
    card.hand = true;
    FinDePartie();
}

// The frame is a hint only: the drop decides again.
void StephanieRules::dragOver(int source, int target)
{
    if (!inProgress() || !isTurnedTop(source))
        return;
    const int k = source - FirstCarte;
    if (isPlace(target)) {
        const int i = target - FirstPlace;
        indicateur().visible = false;
        if (fitsPlace(k, i))
            indicateur().surround(place(i));
        return;
    }
    if (!isCarte(target))
        return;
    const int over = target - FirstCarte;
    if (fitsColumn(k, over))
        indicateur().surround(carte(over));
    else if (onStock(over) || finished(over))
        indicateur().visible = false;
}

void StephanieRules::drop(int source, int target, QPoint)
{
    // Anything refused stays on the stock, ready to be dragged again.
    if (!inProgress() || !isTurnedTop(source))
        return;
    const int k = source - FirstCarte;
    if (isCarte(target) && fitsColumn(k, target - FirstCarte))
        dropOnColumn(k, target - FirstCarte);
    else if (isPlace(target) && fitsPlace(k, target - FirstPlace))
        dropOnPlace(k, target - FirstPlace);
}

void StephanieRules::dropOnColumn(int k, int target)
{
    const int i = placeOf(target).index;
    lay(k, {Place::Area::Column, i, columnHeight(i)});
    if (columnHeight(i) < SuitCount)
        return;
    // The full column goes onto its rank's stack, the 2 first and the ace last.
    const int stack = (rank(k) - FirstFinishedValue + RankCount) % RankCount;
    for (int other = 0; other < Cards::FullDeck; ++other) {
        if (onTable(other) && placeOf(other).index == i) {
            m_vars.places[std::size_t(other)] = {Place::Area::Finished, stack, 0};
            carte(other).rect.moveTopLeft(topLeft(placeOf(other)));
        }
    }
    FinDePartie();
}

void StephanieRules::dropOnPlace(int k, int i)
{
    lay(k, {Place::Area::Column, i, 0});
}

// The stock's top card goes onto the table for good, and the stock turns to the next one.
void StephanieRules::lay(int k, const Place &place)
{
    Picture &card = carte(k);
    m_vars.places[std::size_t(k)] = place;
    card.rect.moveTopLeft(topLeft(place));
    card.draggable = false;
    card.hand = false;
    m_table.bringToFront(FirstCarte + k);
    --m_vars.ProchaineCarte;
    if (m_vars.ProchaineCarte < RowSize)
        m_vars.ProchaineCarte = NoCard;
}

void StephanieRules::FinDePartie()
{
    indicateur().visible = false;
    int done = 0;
    for (int k = 0; k < Cards::FullDeck; ++k)
        done += finished(k) ? 1 : 0;
    const bool won = done == Cards::FullDeck;
    if (!won) {
        // Every free place can take a new rank, however many columns were finished.
        for (int i = 0; i < RowSize; ++i) {
            if (placeFree(i))
                return;
        }
        const int top = m_vars.ProchaineCarte;
        if (top != NoCard && rankOnTable(rank(top)))
            return;
        for (int k = 0; k < Cards::FullDeck; ++k) {
            carte(k).draggable = false;
            carte(k).hand = false;
        }
    }
    endGame(won);
}

QString StephanieRules::placeName(int index) const
{
    if (isPlace(index))
        return QCoreApplication::translate("StephanieRules", "Colonne %1")
            .arg(index - FirstPlace + 1);
    if (!isCarte(index))
        return {};
    const Place &at = placeOf(index - FirstCarte);
    switch (at.area) {
    case Place::Area::Column:
        return QCoreApplication::translate("StephanieRules", "Colonne %1, carte %2")
            .arg(at.index + 1)
            .arg(at.depth + 1);
    case Place::Area::Finished:
        return QCoreApplication::translate("StephanieRules", "Familles complètes, pile %1")
            .arg(at.index + 1);
    case Place::Area::Stock:
        break;
    }
    return QCoreApplication::translate("StephanieRules", "Pioche");
}

std::unique_ptr<GameRules> MakeStephanieRules(const GameInfo &info, CoreContext context,
                                              GameHost &host)
{
    return std::make_unique<StephanieRules>(info, context, host);
}
