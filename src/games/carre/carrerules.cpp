// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/carre/carrerules.h"

#include "games/gamehost.h"
#include "games/gameinfo.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

constexpr int SquareColumns = 3;
constexpr std::array<int, SquareColumns> SquareLefts{420, 1620, 2820};
constexpr std::array<int, SquareColumns> SquareTops{480, 2040, 3600};
constexpr int ButtonLeft = 4440;
constexpr std::array<int, 4> ButtonTops{3600, 3960, 4320, 4740};
constexpr int Ranks = 13;

// What the player must lay on a card of the square, by the value of that card.
const std::array<const char *, Ranks> Wanted{QT_TRANSLATE_NOOP("MaisoncarreeRules", "un 2"),
                                             QT_TRANSLATE_NOOP("MaisoncarreeRules", "un 3"),
                                             QT_TRANSLATE_NOOP("MaisoncarreeRules", "un 4"),
                                             QT_TRANSLATE_NOOP("MaisoncarreeRules", "un 5"),
                                             QT_TRANSLATE_NOOP("MaisoncarreeRules", "un 6"),
                                             QT_TRANSLATE_NOOP("MaisoncarreeRules", "un 7"),
                                             QT_TRANSLATE_NOOP("MaisoncarreeRules", "un 8"),
                                             QT_TRANSLATE_NOOP("MaisoncarreeRules", "un 9"),
                                             QT_TRANSLATE_NOOP("MaisoncarreeRules", "un 10"),
                                             QT_TRANSLATE_NOOP("MaisoncarreeRules", "un VALET"),
                                             QT_TRANSLATE_NOOP("MaisoncarreeRules", "une DAME"),
                                             QT_TRANSLATE_NOOP("MaisoncarreeRules", "un ROI"),
                                             QT_TRANSLATE_NOOP("MaisoncarreeRules", "un AS")};

// Whether two places are in the same pile.
bool samePile(const MaisoncarreeRules::Place &a, const MaisoncarreeRules::Place &b)
{
    using Pile = MaisoncarreeRules::Place::Pile;
    return a.pile == b.pile && (a.pile != Pile::Square || a.square == b.square);
}

const QString &reservePrompt()
{
    static const QString text = QCoreApplication::translate(
        "MaisoncarreeRules", "Glissez la carte de la réserve sur le jeu.");
    return text;
}

} // namespace

MaisoncarreeRules::MaisoncarreeRules(const GameInfo &info, CoreContext context, GameHost &host)
    : GameRules(info, context, host)
{
    keepState(m_vars);
    m_table.addGroup(QStringLiteral("Carte"), Cards::FullDeck);
    m_table.addGroup(QStringLiteral("Reserve"), 1);
    Picture &reserve = m_table.at(ReservePlace);
    reserve.caption = QCoreApplication::translate("MaisoncarreeRules", "RESERVE");
    reserve.rect.moveTopLeft(ReservePosition);
    m_table.frames.append(Frame{});
}

FormLayout MaisoncarreeRules::layout() const
{
    FormLayout form;
    form.area = QSize(6975, 5415);
    form.info = QRect(4320, 60, 1335, 1950);
    form.stackButtons(ButtonLeft, ButtonTops);
    form.dealtPrompt = QCoreApplication::translate(
        "MaisoncarreeRules", "Appuyez sur le bouton JOUER pour commencer la vorelle.");
    return form;
}

QPoint MaisoncarreeRules::squarePosition(int k)
{
    return {SquareLefts[std::size_t(k % SquareColumns)],
            SquareTops[std::size_t(k / SquareColumns)]};
}

QPoint MaisoncarreeRules::topLeft(const Place &place)
{
    switch (place.pile) {
    case Place::Pile::Square:
        return squarePosition(place.square);
    case Place::Pile::Reserve:
        return ReservePosition;
    case Place::Pile::Stock:
    case Place::Pile::None:
        break;
    }
    return StockPosition;
}

bool MaisoncarreeRules::isCarte(int index)
{
    return index >= FirstCarte && index < FirstCarte + Cards::FullDeck;
}

// A covered card of the square is hidden and plays no part.
MaisoncarreeRules::Role MaisoncarreeRules::roleOf(int index) const
{
    if (index == ReservePlace)
        return Role::Reserve;
    if (!isCarte(index))
        return Role::None;
    switch (placeOf(index).pile) {
    case Place::Pile::Square:
        return isFrontmost(index) ? Role::Square : Role::None;
    case Place::Pile::Stock:
        return Role::Stock;
    case Place::Pile::Reserve:
        return Role::Reserve;
    case Place::Pile::None:
        break;
    }
    return Role::None;
}

bool MaisoncarreeRules::isFrontmost(int index) const
{
    const Place &at = placeOf(index);
    return at.pile != Place::Pile::None &&
           std::none_of(m_vars.places.begin(), m_vars.places.end(), [&at](const Place &other) {
               return samePile(other, at) && other.order > at.order;
           });
}

int MaisoncarreeRules::pileSize(const Place &pile) const
{
    return int(std::count_if(m_vars.places.begin(), m_vars.places.end(),
                             [&pile](const Place &other) { return samePile(other, pile); }));
}

// Only the top card of the stock or of the reserve can be moved.
bool MaisoncarreeRules::canTake(int source) const
{
    const Role role = roleOf(source);
    return isCarte(source) && (role == Role::Stock || role == Role::Reserve) &&
           m_table.at(source).draggable && isFrontmost(source);
}

// Whether card may lie on below: the next rank, the king followed by the ace.
bool MaisoncarreeRules::follows(const QString &card, const QString &below)
{
    const int value = Cards::CardValue(below);
    return value > 0 && Cards::CardValue(card) == value % Ranks + 1;
}

QString MaisoncarreeRules::reserveTop() const
{
    for (auto it = m_vars.PileReserve.rbegin(); it != m_vars.PileReserve.rend(); ++it) {
        if (!it->isEmpty())
            return *it;
    }
    return {};
}

void MaisoncarreeRules::Distribution()
{
    m_vars = Variables{};
    m_table.frames[Indicateur].visible = false;
    m_table.at(ReservePlace).visible = true;
    for (int k = 0; k < Cards::FullDeck; ++k) {
        Place &place = m_vars.places[std::size_t(k)];
        place = k < SquareSize ? Place{Place::Pile::Square, k, 0}
                               : Place{Place::Pile::Stock, 0, k - SquareSize};
        carte(k).layFaceDown(topLeft(place));
        m_table.bringToFront(FirstCarte + k);
    }
    shuffle();
    for (int k = 0; k < Cards::FullDeck; ++k)
        carte(k).deal(dealt(k));
    m_host.setPrompt(QCoreApplication::translate(
        "MaisoncarreeRules", "Appuyez sur le bouton JOUER pour commencer la partie."));
}

void MaisoncarreeRules::play()
{
    m_host.setPrompt(QCoreApplication::translate(
        "MaisoncarreeRules", "Cliquez sur la carte ci-dessous pour commencer la vorelle."));
    for (int k = 0; k < Cards::FullDeck; ++k) {
        Picture &card = carte(k);
        card.face = Picture::Face::Front;
        card.draggable = card.hand = k >= SquareSize;
    }
}

void MaisoncarreeRules::hover(int index)
{
    if (!inProgress() || !isCarte(index))
        return;
    m_table.frames[Indicateur].visible = false;
    switch (roleOf(index)) {
    case Role::Stock:
        m_host.setPrompt(QCoreApplication::translate(
            "MaisoncarreeRules", "Glissez cette carte sur le jeu ou sur la réserve."));
        break;
    case Role::Reserve:
        m_host.setPrompt(
            QCoreApplication::translate("MaisoncarreeRules", "Glissez cette carte sur le jeu."));
        break;
    case Role::Square:
        if (const int value = Cards::CardValue(m_table.at(index).card); value > 0)
            m_host.setPrompt(
                QCoreApplication::translate("MaisoncarreeRules", "Vous devez poser ") +
                QCoreApplication::translate("MaisoncarreeRules", Wanted[std::size_t(value - 1)]) +
                QCoreApplication::translate("MaisoncarreeRules", " sur cette carte."));
        break;
    case Role::None:
        break;
    }
}

// A hint only: the frame shows where the card may go; the drop decides again.
void MaisoncarreeRules::dragOver(int source, int target)
{
    if (!inProgress() || !canTake(source))
        return;
    Frame &frame = m_table.frames[Indicateur];
    const Role role = roleOf(target);
    if (role == Role::Reserve && roleOf(source) != Role::Reserve)
        frame.surround(m_table.at(ReservePlace));
    else if (role == Role::Square && follows(m_table.at(source).card, m_table.at(target).card))
        frame.surround(m_table.at(target));
}

void MaisoncarreeRules::drop(int source, int target, QPoint)
{
    if (!inProgress() || !canTake(source))
        return;
    // The frame marks a place only while the card is dragged, wherever it is let go.
    m_table.frames[Indicateur].visible = false;
    switch (roleOf(target)) {
    case Role::Square:
        if (follows(m_table.at(source).card, m_table.at(target).card))
            dropOnSquare(source, target);
        break;
    case Role::Reserve:
        // A reserve card let go on the reserve stays where it was.
        if (roleOf(source) != Role::Reserve)
            dropOnReserve(source, target != ReservePlace);
        break;
    case Role::Stock:
    case Role::None:
        break;
    }
}

void MaisoncarreeRules::moveTo(int source, const Place &place)
{
    m_vars.places[std::size_t(source - FirstCarte)] = place;
    m_table.at(source).rect.moveTopLeft(topLeft(place));
    m_table.bringToFront(source);
}

void MaisoncarreeRules::dropOnSquare(int source, int target)
{
    Picture &card = m_table.at(source);
    if (roleOf(source) == Role::Reserve) {
        auto slot = std::find(m_vars.PileReserve.begin(), m_vars.PileReserve.end(), card.tag);
        if (slot != m_vars.PileReserve.end())
            slot->clear();
    }
    const int square = placeOf(target).square;
    moveTo(source, {Place::Pile::Square, square, pileSize(placeOf(target))});
    card.draggable = false;
    card.hand = false;
    // A square pile shows only its top card.
    m_table.at(target).visible = false;
    FinDePartie();
}

void MaisoncarreeRules::dropOnReserve(int source, bool onCard)
{
    const Place reserve{Place::Pile::Reserve, 0, 0};
    moveTo(source, {Place::Pile::Reserve, 0, pileSize(reserve)});
    *std::find(m_vars.PileReserve.begin(), m_vars.PileReserve.end(), QString()) =
        m_table.at(source).tag;
    // Set before the end check, which may replace it with the end of the game.
    if (onCard)
        m_host.setPrompt(reservePrompt());
    FinDePartie();
}

void MaisoncarreeRules::FinDePartie()
{
    m_table.frames[Indicateur].visible = false;
    const auto in = [this](Place::Pile pile) {
        return std::any_of(m_vars.places.begin(), m_vars.places.end(),
                           [pile](const Place &p) { return p.pile == pile; });
    };
    const bool stockLeft = in(Place::Pile::Stock);
    const bool won = !stockLeft && !in(Place::Pile::Reserve);
    if (!won) {
        if (stockLeft)
            return;
        const QString top = reserveTop();
        for (int k = 0; k < Cards::FullDeck; ++k) {
            if (roleOf(FirstCarte + k) == Role::Square && follows(top, carte(k).card)) {
                m_host.setPrompt(reservePrompt());
                return;
            }
        }
    }
    endGame(won);
}

QString MaisoncarreeRules::placeName(int index) const
{
    switch (roleOf(index)) {
    case Role::Square: {
        const int square = placeOf(index).square;
        return QCoreApplication::translate("MaisoncarreeRules", "Carré, rangée %1, pile %2")
            .arg(square / SquareColumns + 1)
            .arg(square % SquareColumns + 1);
    }
    case Role::Stock:
        return QCoreApplication::translate("MaisoncarreeRules", "Pioche");
    case Role::Reserve:
        return QCoreApplication::translate("MaisoncarreeRules", "Réserve");
    case Role::None:
        break;
    }
    return {};
}

std::unique_ptr<GameRules> MakeMaisoncarreeRules(const GameInfo &info, CoreContext context,
                                                 GameHost &host)
{
    return std::make_unique<MaisoncarreeRules>(info, context, host);
}
