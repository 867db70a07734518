// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/line/linerules.h"

#include "games/gamehost.h"

#include <QCoreApplication>
#include <array>

namespace {

constexpr QSize DesignArea{13635, 9495};
constexpr int InfoLeft = 12060;
constexpr int InfoTop = 120;
constexpr QPoint StockPosition{LineRules::SideLeft, 3240};
constexpr QSize ButtonSize{1095, 315};
constexpr std::array<int, 4> ButtonTops{4800, 5160, 5520, 5940};

const QString QueenOfHearts = QStringLiteral("DAMEDECOEUR");
const QString KingOfHearts = QStringLiteral("ROIDECOEUR");

} // namespace

LineRules::LineRules(const GameInfo &info, CoreContext context, GameHost &host, const Setup &setup)
    : GameRules(info, context, host),
      m_line(m_table, m_table.addGroup(QStringLiteral("Carte"), setup.places), setup.places,
             setup.borders),
      m_setup(setup)
{
    keepState(m_line.variables());
    m_table.addGroup(QStringLiteral("Sabot"), 1);
    m_table.at(sabot()).rect.moveTopLeft(StockPosition);
    for (int i = 0; i < setup.frames; ++i)
        m_table.frames.append(Frame{});
}

FormLayout LineRules::layout() const
{
    FormLayout form;
    form.area = DesignArea;
    form.info = QRect(QPoint(InfoLeft, InfoTop), m_setup.infoSize);
    for (std::size_t i = 0; i < form.buttons.size(); ++i)
        form.buttons[i] = QRect(QPoint(SideLeft, ButtonTops[i]), ButtonSize);
    form.toolTips[0] = QCoreApplication::translate("LineRules", "Jouer à la vorelle");
    form.toolTips[2] = QCoreApplication::translate("LineRules", "Afficher les règles du jeu");
    form.maximiseMainWindow = true;
    return form;
}

QStringList LineRules::queenFirstKingLast(QStringList deal)
{
    const auto moveTo = [&deal](const QString &code, qsizetype position) {
        const qsizetype found = deal.indexOf(code);
        if (found >= 0 && position >= 0)
            deal.swapItemsAt(found, position);
    };
    moveTo(KingOfHearts, 0);
    moveTo(QueenOfHearts, deal.size() - 1);
    return deal;
}

void LineRules::Distribution()
{
    resetChoice();
    shuffle();
    QStringList deal;
    for (int k = 0; k < Cards::FullDeck; ++k)
        deal.append(dealt(k));
    if (m_setup.order == Order::QueenFirstKingLast)
        deal = queenFirstKingLast(std::move(deal));
    m_line.reset(m_setup.shownPlaces, std::move(deal));
    Picture &stock = m_table.at(sabot());
    stock.face = Picture::Face::Back;
    stock.visible = true;
    stock.hand = false;
    m_host.setPrompt(QCoreApplication::translate(
        "LineRules", "Appuyez sur le bouton JOUER pour commencer la partie."));
}

void LineRules::play()
{
    m_host.setPrompt(
        QCoreApplication::translate("LineRules", "Cliquez sur la carte ci-dessous pour jouer"));
    m_table.at(sabot()).hand = true;
}

void LineRules::resetChoice()
{
    for (Frame &frame : m_table.frames)
        frame.visible = false;
}

void LineRules::click(int picture)
{
    if (picture == sabot())
        Sabot_Click();
    else if (const int place = m_line.placeOf(picture); place != CardLine::NoPlace)
        cardClicked(place);
}

void LineRules::Sabot_Click()
{
    if (!inProgress())
        return;
    resetChoice();
    if (m_line.stockEmpty())
        return;
    m_host.setPrompt(m_setup.dealPrompt);
    m_line.dealNext();
    if (m_line.stockEmpty())
        m_table.at(sabot()).visible = false;
    FinDePartie();
}

QString LineRules::placeName(int picture) const
{
    if (picture == sabot())
        return QCoreApplication::translate("LineRules", "Pioche");
    const int place = m_line.placeOf(picture);
    return place == CardLine::NoPlace
               ? QString()
               : QCoreApplication::translate("LineRules", "Ligne, place %1").arg(place + 1);
}

QStringList LineRules::cardCodes() const
{
    return m_line.cards();
}

bool LineRules::won() const
{
    if (!m_line.stockEmpty() || !m_line.holds(0) || !m_line.holds(1) || m_line.holds(2))
        return false;
    return m_setup.order == Order::Shuffled ||
           (m_line.card(0) == QueenOfHearts && m_line.card(1) == KingOfHearts);
}

void LineRules::FinDePartie()
{
    const bool hasWon = won();
    if (!hasWon && (!m_line.stockEmpty() || canPlay()))
        return;
    m_host.setPrompt(hasWon
                         ? QCoreApplication::translate("LineRules", "BRAVO, vous avez gagné...")
                         : QCoreApplication::translate("LineRules", "DESOLE, vous avez perdu..."));
    // The window records the game and may deal again: nothing may follow.
    m_host.gameOver(hasWon);
}

SlideRules::SlideRules(const GameInfo &info, CoreContext context, GameHost &host,
                       const Setup &setup, Slide slide)
    : LineRules(info, context, host, setup), m_slide(std::move(slide))
{
}

// The hand and the drag mark a card that may move as the mouse passes; the drop decides anew.
void SlideRules::hover(int picture)
{
    const int place = m_line.placeOf(picture);
    if (place == CardLine::NoPlace)
        return;
    m_table.frames[Indicateur].visible = false;
    if (!inProgress())
        return;
    const bool movable = m_line.framed(place, 1);
    m_host.setPrompt(movable
                         ? m_slide.prompt
                         : QCoreApplication::translate(
                               "LineRules", "Cliquez sur la carte de la réserve afin de l'ajouter "
                                            "au jeu."));
    Picture &card = m_table.at(picture);
    card.hand = movable;
    card.draggable = movable;
}

bool SlideRules::allowed(int source, int target) const
{
    const int from = m_line.placeOf(source);
    return inProgress() && from != CardLine::NoPlace && m_line.framed(from, 1) &&
           target == m_line.picture(from + m_slide.target);
}

// The frame marks the only card the dragged one may be dropped on; it stays until the drop.
void SlideRules::dragOver(int source, int target)
{
    if (allowed(source, target))
        m_table.frames[Indicateur].surround(m_table.at(target));
}

void SlideRules::drop(int source, int target, QPoint)
{
    m_table.frames[Indicateur].visible = false;
    if (!allowed(source, target))
        return;
    const int from = m_line.placeOf(source);
    m_line.closeUp(m_slide.draggedLeaves ? from : from + m_slide.target, 1);
    FinDePartie();
}

bool SlideRules::canPlay() const
{
    return m_line.anyFramed(1);
}
