// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/roialbert/roialbertrules.h"

#include "games/gamehost.h"
#include "games/gameinfo.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>

namespace {

constexpr std::array<int, RoialbertRules::Foundations> FoundationTops{720, 2280, 3840, 5400};
constexpr int ButtonLeft = 10920;
constexpr std::array<int, 4> ButtonTops{5400, 5760, 6120, 6540};
const QString EmptyFoundation = QStringLiteral("00");

int value(const Picture &card)
{
    return card.tag.left(2).toInt();
}

QString suitKey(const Picture &card)
{
    return card.tag.right(5);
}

bool red(const Picture &card)
{
    const QString suit = suitKey(card);
    return suit == QLatin1String("COEUR") || suit == QLatin1String("RREAU");
}

QString suitWord(const QString &key)
{
    if (key == QLatin1String("REFLE"))
        return QCoreApplication::translate("RoialbertRules", "TREFLE");
    if (key == QLatin1String("RREAU"))
        return QCoreApplication::translate("RoialbertRules", "CARREAU");
    if (key == QLatin1String("COEUR"))
        return QCoreApplication::translate("RoialbertRules", "COEUR");
    if (key == QLatin1String("PIQUE"))
        return QCoreApplication::translate("RoialbertRules", "PIQUE");
    return key;
}

// What a foundation asks for next, from the value on top of it.
QString foundationPrompt(const Picture &foundation)
{
    const int top = value(foundation);
    if (top == 0)
        return QCoreApplication::translate("RoialbertRules", "Mettez un AS à cet emplacement.");
    if (top == Cards::CardValue(QStringLiteral("ROIDEPIQUE")))
        return QCoreApplication::translate("RoialbertRules", "Famille reconstituée");
    static const std::array<QString, 3> Courts{
        QCoreApplication::translate("RoialbertRules", "Mettez un VALET DE "),
        QCoreApplication::translate("RoialbertRules", "Mettez une DAME DE "),
        QCoreApplication::translate("RoialbertRules", "Mettez un ROI DE ")};
    constexpr int FirstCourt = 10;
    const QString start =
        top < FirstCourt
            ? QCoreApplication::translate("RoialbertRules", "Mettez un %1 DE ").arg(top + 1)
            : Courts[std::size_t(top - FirstCourt)];
    return start + suitWord(suitKey(foundation)) +
           QCoreApplication::translate("RoialbertRules", "  à cet emplacement.");
}

} // namespace

RoialbertRules::RoialbertRules(const GameInfo &info, CoreContext context, GameHost &host)
    : GameRules(info, context, host)
{
    m_table.addGroup(QStringLiteral("Carte"), Cards::FullDeck);
    m_table.addGroup(QStringLiteral("EspaceJeu"), Columns);
    m_table.addGroup(QStringLiteral("Sabot"), Foundations);
    m_table.frames.append(Frame{});
    for (int c = 0; c < Columns; ++c) {
        Picture &head = m_table.at(FirstEspaceJeu + c);
        head.rect.moveTopLeft({columnLeft(c), ColumnTop});
        head.border = true;
    }
    for (int f = 0; f < Foundations; ++f) {
        Picture &foundation = m_table.at(FirstSabot + f);
        foundation.rect.moveTopLeft({FoundationLeft, FoundationTops[std::size_t(f)]});
        foundation.border = true;
    }
}

FormLayout RoialbertRules::layout() const
{
    FormLayout form;
    form.area = QSize(13395, 8400);
    form.info = QRect(10860, 0, 2415, 690);
    form.infoFont = QStringLiteral("Arial");
    for (std::size_t i = 0; i < form.buttons.size(); ++i)
        form.buttons[i] = QRect(ButtonLeft, ButtonTops[i], CardWidth, 315);
    form.dealtPrompt = QCoreApplication::translate(
        "RoialbertRules", "Appuyez sur le bouton JOUER pour commencer la vorelle.");
    form.maximiseMainWindow = true;
    return form;
}

QString RoialbertRules::ConversionEtiquette(const QString &code)
{
    return QStringLiteral("%1").arg(Cards::CardValue(code), 2, 10, QLatin1Char('0')) +
           Cards::SuitKey(code);
}

void RoialbertRules::Distribution()
{
    indicateur().visible = false;
    for (int f = 0; f < Foundations; ++f) {
        Picture &foundation = m_table.at(FirstSabot + f);
        foundation.face = Picture::Face::None;
        foundation.tag = EmptyFoundation;
        foundation.card.clear();
    }
    shuffle();
    int i = 0;
    const auto lay = [this](int k, QPoint at) {
        Picture &card = carte(k);
        card.deal(dealt(k));
        card.border = true;
        card.draggable = false;
        card.hand = false;
        card.face = Picture::Face::Back;
        card.rect.moveTopLeft(at);
        card.visible = true;
        m_table.bringToFront(FirstCarte + k);
    };
    for (int row = 0; row < Columns; ++row) {
        for (int column = row; column < Columns; ++column, ++i) {
            if (row == 0) {
                m_table.at(FirstEspaceJeu + column).visible = true;
                m_table.bringToFront(FirstEspaceJeu + column);
            }
            lay(i, {columnLeft(column), ColumnTop + RunStep * row});
        }
    }
    for (int k = 0; k < ReserveSize; ++k, ++i)
        lay(i, {ReserveLeft, ReserveTop + ReserveStep * k});
    m_host.setPrompt(QCoreApplication::translate(
        "RoialbertRules", "Appuyez sur le bouton JOUER pour commencer la partie."));
}

void RoialbertRules::play()
{
    m_host.setPrompt(QCoreApplication::translate(
        "RoialbertRules", "Cliquez sur une des cartes du jeu pour commencer la vorelle."));
    for (int k = 0; k < Cards::FullDeck; ++k) {
        Picture &card = carte(k);
        card.face = Picture::Face::Front;
        card.draggable = true;
        card.hand = true;
        card.tag = ConversionEtiquette(card.card);
    }
}

bool RoialbertRules::isCarte(int picture) const
{
    return picture >= FirstCarte && picture < FirstCarte + Cards::FullDeck &&
           m_table.at(picture).visible;
}

bool RoialbertRules::inReserve(int card) const
{
    return picture(card).rect.left() == ReserveLeft;
}

bool RoialbertRules::inColumn(int card) const
{
    return picture(card).rect.left() < RightOfColumns;
}

bool RoialbertRules::exposed(int card) const
{
    return inColumn(card) && below(card).isEmpty();
}

QList<int> RoialbertRules::below(int card) const
{
    const QRect &at = picture(card).rect;
    QList<int> run;
    for (int k = FirstCarte; k < FirstCarte + Cards::FullDeck; ++k) {
        const Picture &other = picture(k);
        if (other.visible && other.rect.left() == at.left() && other.rect.top() > at.top())
            run.append(k);
    }
    std::sort(run.begin(), run.end(),
              [this](int a, int b) { return picture(a).rect.top() < picture(b).rect.top(); });
    return run;
}

bool RoialbertRules::validRun(int card) const
{
    int above = card;
    for (int next : below(card)) {
        if (value(picture(next)) + 1 != value(picture(above)) ||
            red(picture(next)) == red(picture(above)))
            return false;
        above = next;
    }
    return true;
}

bool RoialbertRules::buildsOn(int card, int target) const
{
    return value(picture(card)) + 1 == value(picture(target)) &&
           red(picture(card)) != red(picture(target));
}

bool RoialbertRules::fitsFoundation(int card, int foundation) const
{
    const Picture &top = picture(foundation);
    if (value(picture(card)) != value(top) + 1)
        return false;
    return top.tag == EmptyFoundation || suitKey(top) == suitKey(picture(card));
}

int RoialbertRules::foundationFor(int card) const
{
    for (int f = FirstSabot; f < FirstSabot + Foundations; ++f) {
        if (fitsFoundation(card, f))
            return f;
    }
    return -1;
}

RoialbertRules::Place RoialbertRules::dropPlace(int source, int target) const
{
    if (!inProgress() || !isCarte(source) || target == source)
        return Place::None;
    // A reserve card always moves alone; a column card takes its run, which must hold.
    const bool movable = inReserve(source) || validRun(source);
    if (isCarte(target)) {
        if (!exposed(target) || !buildsOn(source, target) || !movable)
            return Place::None;
        return Place::OnCard;
    }
    if (target >= FirstEspaceJeu && target < FirstEspaceJeu + Columns) {
        const int left = picture(target).rect.left();
        for (int k = FirstCarte; k < FirstCarte + Cards::FullDeck; ++k) {
            if (picture(k).visible && picture(k).rect.left() == left)
                return Place::None;
        }
        return movable ? Place::EmptyColumn : Place::None;
    }
    if (target >= FirstSabot && target < FirstSabot + Foundations) {
        const bool single = inReserve(source) || exposed(source);
        return single && fitsFoundation(source, target) ? Place::Foundation : Place::None;
    }
    return Place::None;
}

QList<int> RoialbertRules::dragged(int source) const
{
    if (!isCarte(source) || inReserve(source))
        return {source};
    return QList<int>{source} + below(source);
}

void RoialbertRules::dragOver(int source, int target)
{
    if (dropPlace(source, target) != Place::None)
        indicateur().surround(picture(target));
}

void RoialbertRules::drop(int source, int target, QPoint)
{
    // The frame goes wherever the card is let go, the bare table included.
    indicateur().visible = false;
    switch (dropPlace(source, target)) {
    case Place::OnCard:
        moveRun(source, picture(target).rect.topLeft() + QPoint(0, RunStep));
        break;
    case Place::EmptyColumn:
        moveRun(source, picture(target).rect.topLeft());
        break;
    case Place::Foundation:
        toFoundation(source, target);
        break;
    case Place::None:
        break;
    }
}

void RoialbertRules::moveRun(int card, QPoint to)
{
    const QList<int> run = dragged(card);
    for (int depth = 0; depth < run.size(); ++depth) {
        m_table.at(run.at(depth)).rect.moveTopLeft(to + QPoint(0, RunStep * depth));
        m_table.bringToFront(run.at(depth));
    }
}

void RoialbertRules::doubleClick(int picture)
{
    if (!inProgress() || !isCarte(picture) || !(inReserve(picture) || exposed(picture)))
        return;
    const int foundation = foundationFor(picture);
    if (foundation >= 0)
        toFoundation(picture, foundation);
}

void RoialbertRules::toFoundation(int card, int foundation)
{
    Picture &top = m_table.at(foundation);
    Picture &moved = m_table.at(card);
    top.tag = moved.tag;
    top.card = moved.card;
    top.face = Picture::Face::Front;
    moved.rect.moveLeft(AwayLeft);
    moved.visible = false;
    indicateur().visible = false;
    FinDePartie();
}

void RoialbertRules::hover(int picture)
{
    if (!inProgress())
        return;
    if (picture >= FirstSabot && picture < FirstSabot + Foundations)
        m_host.setPrompt(foundationPrompt(this->picture(picture)));
    else if (picture >= FirstEspaceJeu && picture < FirstEspaceJeu + Columns)
        m_host.setPrompt(QCoreApplication::translate(
            "RoialbertRules", "Vous pouvez mettre une carte ou un groupe de cartes ici"));
    else
        m_host.setPrompt(QCoreApplication::translate(
            "RoialbertRules",
            "Pour savoir comment jouer à ce jeu, appuyez sur le bouton REGLES..."));
}

void RoialbertRules::FinDePartie()
{
    for (int k = 0; k < Cards::FullDeck; ++k) {
        if (carte(k).visible)
            return;
    }
    m_host.setPrompt(QCoreApplication::translate("RoialbertRules", "BRAVO, vous avez gagné..."));
    m_host.gameOver(true);
}

QString RoialbertRules::placeName(int picture) const
{
    if (picture >= FirstSabot && picture < FirstSabot + Foundations)
        return QCoreApplication::translate("RoialbertRules", "Fondation %1")
            .arg(picture - FirstSabot + 1);
    if (picture >= FirstEspaceJeu && picture < FirstEspaceJeu + Columns)
        return QCoreApplication::translate("RoialbertRules", "Colonne %1")
            .arg(picture - FirstEspaceJeu + 1);
    if (!isCarte(picture))
        return {};
    const QRect &at = this->picture(picture).rect;
    if (inReserve(picture))
        return QCoreApplication::translate("RoialbertRules", "Réserve, carte %1")
            .arg((at.top() - ReserveTop) / ReserveStep + 1);
    return QCoreApplication::translate("RoialbertRules", "Colonne %1, carte %2")
        .arg((at.left() - ColumnLeft) / ColumnStep + 1)
        .arg((at.top() - ColumnTop) / RunStep + 1);
}

std::unique_ptr<GameRules> MakeRoialbertRules(const GameInfo &info, CoreContext context,
                                              GameHost &host)
{
    return std::make_unique<RoialbertRules>(info, context, host);
}
