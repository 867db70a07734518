// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/pyramide/pyramiderules.h"

#include "games/gamehost.h"
#include "games/gameinfo.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

constexpr int ApexLeft = 4320;
constexpr int PyramidTop = 120;
constexpr int HalfStep = 600; // each row starts half a card further left than the row above
constexpr int ColumnStep = 1200;
constexpr int RowStep = 720; // a row covers the lower half of the row above
constexpr int ButtonLeft = 9720;
constexpr std::array<int, 4> ButtonTops{5160, 5520, 5880, 6300};

int rowOf(int place)
{
    int row = 0;
    while ((row + 1) * (row + 2) / 2 <= place)
        ++row;
    return row;
}

int firstOfRow(int row)
{
    return row * (row + 1) / 2;
}

} // namespace

PyramideRules::PyramideRules(const GameInfo &info, CoreContext context, GameHost &host)
    : GameRules(info, context, host)
{
    keepState(m_vars);
    m_table.addGroup(QStringLiteral("Carte"), Cards::FullDeck);
    m_table.addGroup(QStringLiteral("EspaceJeu"), Places);
    m_table.frames.append(Frame{});
    m_table.frames.append(Frame{.colour = Frame::Colour::Blue});
    Control label = Control::label(
        QStringLiteral("Label1"), QRect(120, 7200, 9540, 675),
        QCoreApplication::translate(
            "PyramideRules",
            "Pour selectionner la/les cartes dans la pyramide, appuyez sur le bouton "
            "gauche de votre souris. Pour déplacer les cartes dans la pyramide, appuyez "
            "sur le bouton droit de votre curseur puis, maintenez le bouton gauche "
            "pressé et déplacez la carte."));
    label.colour = 0xFFFFFF;
    m_table.addControl(label);
}

FormLayout PyramideRules::layout() const
{
    FormLayout form;
    form.area = QSize(11115, 7995);
    form.info = QRect(9660, 120, 1335, 3450);
    form.stackButtons(ButtonLeft, ButtonTops);
    form.toolTips[0] = QCoreApplication::translate("PyramideRules", "Jouer à la vorelle");
    form.toolTips[2] = QCoreApplication::translate("PyramideRules", "Afficher les règles du jeu");
    form.dealtPrompt = QCoreApplication::translate(
        "PyramideRules", "Appuyez sur le bouton JOUER pour commencer la vorelle.");
    return form;
}

QPoint PyramideRules::placePosition(int place)
{
    const int row = rowOf(place);
    const int k = place - firstOfRow(row);
    return {ApexLeft - HalfStep * row + ColumnStep * k, PyramidTop + RowStep * row};
}

QList<int> PyramideRules::coverers(int place)
{
    const int row = rowOf(place);
    if (row == Rows - 1)
        return {};
    return {place + row + 1, place + row + 2};
}

QList<int> PyramideRules::parents(int place)
{
    const int row = rowOf(place);
    const int k = place - firstOfRow(row);
    QList<int> found;
    if (k >= 1)
        found.append(place - row - 1);
    if (k <= row - 1)
        found.append(place - row);
    return found;
}

int PyramideRules::placeOf(int index)
{
    const int at = index - FirstPlace;
    return at >= 0 && at < Places ? at : NoPlace;
}

bool PyramideRules::isCarte(int index)
{
    return index >= FirstCarte && index < FirstCarte + Cards::FullDeck;
}

bool PyramideRules::isFree(int at) const
{
    const QList<int> over = coverers(at);
    return occupied(at) &&
           std::none_of(over.begin(), over.end(), [this](int p) { return occupied(p); });
}

// The stock card in front of the others, or -1 when the stock is empty.
int PyramideRules::stockTop() const
{
    int top = -1;
    for (int k = 0; k < Cards::FullDeck; ++k) {
        if (carte(k).visible && (top < 0 || carte(k).z > carte(top).z))
            top = k;
    }
    return top;
}

// An armed card that is still free, or the turned stock card.
bool PyramideRules::canDrag(int source) const
{
    if (const int at = placeOf(source); at != NoPlace)
        return place(at).draggable && isFree(at);
    return isCarte(source) && source - FirstCarte == stockTop() &&
           m_table.at(source).face == Picture::Face::Front;
}

// An empty place whose parents all hold a card other than the one dragged.
bool PyramideRules::canDropOn(int source, int target) const
{
    const int at = placeOf(target);
    if (at == NoPlace || occupied(at))
        return false;
    const QList<int> above = parents(at);
    return std::all_of(above.begin(), above.end(),
                       [this, source](int p) { return occupied(p) && FirstPlace + p != source; });
}

// A free king, or two free cards worth 13.
bool PyramideRules::removalPossible() const
{
    QList<int> values;
    for (int at = 0; at < Places; ++at) {
        if (isFree(at))
            values.append(value(at));
    }
    if (values.contains(King))
        return true;
    // 13 is odd: a card never pairs with another of its own value.
    return std::any_of(values.begin(), values.end(),
                       [&values](int v) { return values.contains(Pair - v); });
}

void PyramideRules::Distribution()
{
    m_vars = Variables{};
    hideFrames();
    for (int k = Cards::FullDeck - 1; k >= 0; --k) {
        carte(k).layFaceDown(StockPosition);
        m_table.bringToFront(FirstCarte + k);
        if (k < Places) {
            // Each place is sent behind the higher ones, which overlap it.
            place(k).layFaceDown(placePosition(k));
            m_table.sendToBack(FirstPlace + k);
        }
    }
    shuffle();
    for (int k = 0; k < Cards::FullDeck; ++k)
        carte(k).deal(dealt(k));
    m_host.setPrompt(QCoreApplication::translate(
        "PyramideRules", "Appuyez sur le bouton JOUER pour commencer la partie."));
}

void PyramideRules::play()
{
    m_host.setPrompt(QCoreApplication::translate(
        "PyramideRules", "Supprimer les paires de 13 points ou cliquez sur la carte "
                         "ci-dessous pour commencer la vorelle."));
    for (int at = 0; at < Places; ++at) {
        place(at).card = carte(at).card;
        place(at).face = Picture::Face::Front;
        place(at).hand = at >= FirstBasePlace;
        carte(at).visible = false;
    }
    ConversionValeurs(0, Places - 1);
}

// A place's tag holds its card's value while the game is played.
void PyramideRules::ConversionValeurs(int first, int last)
{
    for (int at = first; at <= last; ++at)
        place(at).tag = QString::number(Cards::CardValue(place(at).card));
}

void PyramideRules::hover(int index)
{
    const int at = placeOf(index);
    if (inProgress() && at != NoPlace)
        place(at).hand = isFree(at);
}

void PyramideRules::click(int index)
{
    if (!inProgress())
        return;
    if (isCarte(index)) {
        turnStockCard(index - FirstCarte);
        return;
    }
    // A press on an armed card starts dragging it instead.
    const int at = placeOf(index);
    if (at != NoPlace && isFree(at) && !place(at).draggable)
        selectCard(at);
}

void PyramideRules::turnStockCard(int k)
{
    Picture &card = carte(k);
    // The turned card stays in front until it leaves the stock.
    if (k != stockTop() || card.face == Picture::Face::Front)
        return;
    card.hand = true;
    card.draggable = true;
    card.face = Picture::Face::Front;
    card.tag = QString::number(Cards::CardValue(card.card));
    if (card.tag.toInt() != King)
        return;
    card.visible = false;
    m_host.setPrompt(QCoreApplication::translate(
        "PyramideRules", "La carte était un ROI. Cliquez sur la nouvelle carte."));
    FinDePartie();
}

void PyramideRules::selectCard(int at)
{
    Frame &frame = m_table.frames[SelectionFrame];
    if (m_vars.Selection1 == NoPlace) {
        if (value(at) != King) {
            m_vars.Selection1 = qint16(at);
            m_vars.ValeurSelection1 = qint16(value(at));
            frame.surround(place(at));
            m_host.setPrompt(QCoreApplication::translate(
                "PyramideRules",
                "Cliquez sur une deuxième carte pour essayer d'obtenir une paire de 13 points."));
            return;
        }
        emptyPlace(at);
        hideFrames();
        m_host.setPrompt(QCoreApplication::translate(
            "PyramideRules", "Vous avez cliqué sur un ROI qui vaut 13 points. "
                             "Selectionnez un autre roi ou une autre paire de cartes "
                             "totalisant 13 points..."));
        FinDePartie();
        return;
    }
    if (at == m_vars.Selection1)
        return;
    // A king selected second never pairs: the sum exceeds 13.
    const int first = m_vars.Selection1;
    const bool pair = value(at) + m_vars.ValeurSelection1 == Pair;
    m_vars = Variables{};
    hideFrames();
    if (!pair) {
        m_host.setPrompt(QCoreApplication::translate(
            "PyramideRules", "La carte choisie ne forme pas 13 points avec la carte "
                             "choisie précédemment. Cliquez sur une carte."));
        return;
    }
    emptyPlace(first);
    emptyPlace(at);
    m_host.setPrompt(QCoreApplication::translate(
        "PyramideRules", "BRAVO, La carte choisie forme une paire de 13 points avec la "
                         "carte précédente. Cliquez sur une carte"));
    FinDePartie();
}

void PyramideRules::rightPress(int index)
{
    const int at = placeOf(index);
    if (!inProgress() || at == NoPlace || !isFree(at))
        return;
    Picture &card = place(at);
    Frame &frame = m_table.frames[ArmedFrame];
    card.draggable = !card.draggable;
    if (card.draggable)
        frame.surround(card);
    else
        frame.visible = false;
}

// A hint only: the drop decides again.
void PyramideRules::dragOver(int source, int target)
{
    if (inProgress() && canDrag(source) && canDropOn(source, target))
        m_table.frames[SelectionFrame].surround(m_table.at(target));
}

void PyramideRules::drop(int source, int target, QPoint)
{
    if (!inProgress() || !canDrag(source) || !canDropOn(source, target))
        return;
    hideFrames();
    Picture &from = m_table.at(source);
    Picture &to = m_table.at(target);
    to.card = from.card;
    to.tag = from.tag;
    to.face = Picture::Face::Front;
    to.border = true;
    to.draggable = false;
    if (const int at = placeOf(source); at != NoPlace) {
        emptyPlace(at);
    } else {
        // The stock card's image leaves the stock and uncovers the next one.
        from.tag.clear();
        from.face = Picture::Face::None;
        from.border = false;
        from.draggable = false;
        from.visible = false;
    }
    m_vars = Variables{};
    // A card armed while free cannot be moved once the new card covers it.
    for (int at = 0; at < Places; ++at) {
        if (place(at).draggable && !isFree(at))
            place(at).draggable = false;
    }
    FinDePartie();
}

void PyramideRules::emptyPlace(int at)
{
    Picture &spot = place(at);
    Frame &armed = m_table.frames[ArmedFrame];
    if (spot.draggable &&
        armed.rect.topLeft() + QPoint(FrameMargin, FrameMargin) == spot.rect.topLeft())
        armed.visible = false;
    spot.tag.clear();
    spot.card.clear();
    spot.face = Picture::Face::None;
    spot.border = false;
    spot.draggable = false;
    spot.hand = false;
}

void PyramideRules::hideFrames()
{
    for (Frame &frame : m_table.frames)
        frame.visible = false;
}

void PyramideRules::FinDePartie()
{
    int stock = 0;
    for (int k = 0; k < Cards::FullDeck; ++k)
        stock += carte(k).visible ? 1 : 0;
    int left = 0;
    for (int at = 0; at < Places; ++at)
        left += occupied(at) ? 1 : 0;

    bool won = left == 0;
    if (!won) {
        if (left > 2 || stock > 0 || (left == 2 && removalPossible()))
            return;
        // What is left is the apex, alone or under the card covering it, which can never become
        // free: a lone king, or the two worth 13, leave together.
        int sum = 0;
        for (int at = 0; at < Places; ++at)
            sum += occupied(at) ? value(at) : 0;
        won = sum == Pair;
        for (int at = 0; won && at < Places; ++at)
            emptyPlace(at);
    }
    endGame(won);
}

QString PyramideRules::placeName(int picture) const
{
    const int at = picture - FirstPlace;
    if (at >= 0 && at < Places) {
        int row = 1;
        while (at >= row * (row + 1) / 2)
            ++row;
        return QCoreApplication::translate("PyramideRules", "Pyramide, rangée %1, carte %2")
            .arg(row)
            .arg(at - row * (row - 1) / 2 + 1);
    }
    return picture >= FirstCarte && picture < FirstPlace
               ? QCoreApplication::translate("PyramideRules", "Pioche")
               : QString();
}

std::unique_ptr<GameRules> MakePyramideRules(const GameInfo &info, CoreContext context,
                                             GameHost &host)
{
    return std::make_unique<PyramideRules>(info, context, host);
}
