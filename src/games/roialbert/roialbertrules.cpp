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
    keepState(m_vars);
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

QPoint RoialbertRules::topLeft(const Place &place)
{
    if (place.area == Place::Area::Reserve)
        return {ReserveLeft, ReserveTop + ReserveStep * place.index};
    return {columnLeft(place.index), ColumnTop + RunStep * place.depth};
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
    const auto lay = [this](int k, const Place &place) {
        m_vars.places[std::size_t(k)] = place;
        Picture &card = carte(k);
        card.deal(dealt(k));
        card.border = true;
        card.draggable = false;
        card.hand = false;
        card.face = Picture::Face::Back;
        card.rect.moveTopLeft(topLeft(place));
        card.visible = true;
        m_table.bringToFront(FirstCarte + k);
    };
    for (int row = 0; row < Columns; ++row) {
        for (int column = row; column < Columns; ++column, ++i) {
            if (row == 0) {
                m_table.at(FirstEspaceJeu + column).visible = true;
                m_table.bringToFront(FirstEspaceJeu + column);
            }
            lay(i, {Place::Area::Column, column, row});
        }
    }
    for (int k = 0; k < ReserveSize; ++k, ++i)
        lay(i, {Place::Area::Reserve, k, 0});
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
           (inColumn(picture) || inReserve(picture));
}

bool RoialbertRules::inReserve(int card) const
{
    return placeOf(card).area == Place::Area::Reserve;
}

bool RoialbertRules::inColumn(int card) const
{
    return placeOf(card).area == Place::Area::Column;
}

int RoialbertRules::columnHeight(int column) const
{
    return int(std::count_if(m_vars.places.begin(), m_vars.places.end(), [column](const Place &p) {
        return p.area == Place::Area::Column && p.index == column;
    }));
}

bool RoialbertRules::exposed(int card) const
{
    return inColumn(card) && below(card).isEmpty();
}

QList<int> RoialbertRules::below(int card) const
{
    const Place &at = placeOf(card);
    QList<int> run;
    for (int k = FirstCarte; k < FirstCarte + Cards::FullDeck; ++k) {
        const Place &other = placeOf(k);
        if (other.area == Place::Area::Column && other.index == at.index && other.depth > at.depth)
            run.append(k);
    }
    std::sort(run.begin(), run.end(),
              [this](int a, int b) { return placeOf(a).depth < placeOf(b).depth; });
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

RoialbertRules::Landing RoialbertRules::landing(int source, int target) const
{
    if (!inProgress() || !isCarte(source) || target == source)
        return Landing::None;
    // A reserve card always moves alone; a column card takes its run, which must hold.
    const bool movable = inReserve(source) || validRun(source);
    if (isCarte(target)) {
        if (!exposed(target) || !buildsOn(source, target) || !movable)
            return Landing::None;
        return Landing::OnCard;
    }
    if (target >= FirstEspaceJeu && target < FirstEspaceJeu + Columns)
        return movable && columnHeight(target - FirstEspaceJeu) == 0 ? Landing::EmptyColumn
                                                                     : Landing::None;
    if (target >= FirstSabot && target < FirstSabot + Foundations) {
        const bool single = inReserve(source) || exposed(source);
        return single && fitsFoundation(source, target) ? Landing::Foundation : Landing::None;
    }
    return Landing::None;
}

QList<int> RoialbertRules::dragged(int source) const
{
    if (!isCarte(source) || inReserve(source))
        return {source};
    return QList<int>{source} + below(source);
}

void RoialbertRules::dragOver(int source, int target)
{
    if (landing(source, target) != Landing::None)
        indicateur().surround(picture(target));
}

void RoialbertRules::drop(int source, int target, QPoint)
{
    // The frame goes wherever the card is let go, the bare table included.
    indicateur().visible = false;
    switch (landing(source, target)) {
    case Landing::OnCard:
        moveRun(source, placeOf(target).index);
        break;
    case Landing::EmptyColumn:
        moveRun(source, target - FirstEspaceJeu);
        break;
    case Landing::Foundation:
        toFoundation(source, target);
        break;
    case Landing::None:
        break;
    }
}

void RoialbertRules::moveRun(int card, int column)
{
    const QList<int> run = dragged(card);
    const int height = columnHeight(column);
    for (int i = 0; i < run.size(); ++i) {
        Place &place = m_vars.places[std::size_t(run.at(i) - FirstCarte)];
        place = {Place::Area::Column, column, height + i};
        m_table.at(run.at(i)).rect.moveTopLeft(topLeft(place));
        m_table.bringToFront(run.at(i));
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
    m_vars.places[std::size_t(card - FirstCarte)] = {Place::Area::Foundation,
                                                     foundation - FirstSabot, 0};
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
    if (!std::all_of(m_vars.places.begin(), m_vars.places.end(),
                     [](const Place &p) { return p.area == Place::Area::Foundation; }))
        return;
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
    const Place &at = placeOf(picture);
    if (inReserve(picture))
        return QCoreApplication::translate("RoialbertRules", "Réserve, carte %1").arg(at.index + 1);
    return QCoreApplication::translate("RoialbertRules", "Colonne %1, carte %2")
        .arg(at.index + 1)
        .arg(at.depth + 1);
}

std::unique_ptr<GameRules> MakeRoialbertRules(const GameInfo &info, CoreContext context,
                                              GameHost &host)
{
    return std::make_unique<RoialbertRules>(info, context, host);
}
