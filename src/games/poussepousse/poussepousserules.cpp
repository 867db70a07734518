// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/poussepousse/poussepousserules.h"

#include "games/gamehost.h"
#include "games/gameinfo.h"
#include "games/picturenames.h"
#include "settings/settingkeys.h"
#include "shared/appstate.h"
#include "shared/randomsource.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace {

constexpr int GridLeft = 120;
constexpr int GridTop = 120;
constexpr int ColumnStep = 1200;
constexpr int RowStep = 1560;
constexpr int SideLeft = 6120; // lblInfo, the list and the buttons
constexpr QPoint DeckPosition{SideLeft, 1680};
constexpr int ButtonWidth = 1095;
constexpr int ButtonHeight = 315;
constexpr std::array<int, 4> ButtonTops{3240, 3600, 3960, 4380};

// The places the deal fills with the suit, in the order of the shuffled deck, and the jokers'.
constexpr int DealtPlaces = 14;
constexpr std::array<int, 2> DealtJokers{13, 14};
// The mixing exchanges a place among the first 15 with any of the 16.
constexpr int MixedPlaces = 15;

const QString Joker = QStringLiteral("JEU");
const QString Famille = QStringLiteral("cboFamille");

} // namespace

PoussePousseRules::PoussePousseRules(const GameInfo &info, CoreContext context, GameHost &host)
    : GameRules(info, context, host)
{
    m_table.addGroup(QStringLiteral("Carte"), Cards::FullDeck);
    m_table.addGroup(QStringLiteral("EspaceJeu"), Places);
    m_table.frames.append(Frame{});

    // As wide as the list: the fonts that stand in for MS Sans Serif are wider than it.
    Control &caption = m_table.addControl(
        Control::label(QStringLiteral("Label1"), QRect(SideLeft, 2580, ButtonWidth, 195),
                       QCoreApplication::translate("PoussePousseRules", "Famille:")));
    caption.colour = 0xFFFFFF;
    caption.fontFamily = QStringLiteral("MS Sans Serif");
    caption.fontPoints = 8;
    caption.bold = true;

    // Hearts until load() reads the stored suit, so that no deal ever runs without one.
    Control &list = m_table.addControl(
        Control::list(Famille, QRect(SideLeft, 2820, ButtonWidth, ButtonHeight),
                      // French, as the record names the suit; the window shows it in its
                      // language.
                      {QString::fromUtf8(QT_TRANSLATE_NOOP("ListEntries", "PIQUE")),
                       QString::fromUtf8(QT_TRANSLATE_NOOP("ListEntries", "CARREAU")),
                       QString::fromUtf8(QT_TRANSLATE_NOOP("ListEntries", "TREFLE")),
                       QString::fromUtf8(QT_TRANSLATE_NOOP("ListEntries", "COEUR"))},
                      QCoreApplication::translate("PoussePousseRules", "Famille")));
    list.current = int(list.entries.size()) - 1;
    list.text = list.entries.constLast();
}

FormLayout PoussePousseRules::layout() const
{
    FormLayout form;
    form.area = QSize(7575, 6375);
    form.info = QRect(SideLeft, 60, 1335, 1950);
    for (std::size_t i = 0; i < form.buttons.size(); ++i)
        form.buttons[i] = QRect(SideLeft, ButtonTops[i], ButtonWidth, ButtonHeight);
    form.dealtPrompt = QCoreApplication::translate(
        "PoussePousseRules", "Appuyez sur le bouton JOUER pour commencer la vorelle.");
    return form;
}

QPoint PoussePousseRules::placePosition(int place)
{
    return {GridLeft + ColumnStep * (place % Columns), GridTop + RowStep * (place / Columns)};
}

int PoussePousseRules::placeOf(int index)
{
    const int place = index - FirstPlace;
    return place >= 0 && place < Places ? place : NoPlace;
}

QString PoussePousseRules::familleText() const
{
    return m_table.control(Famille)->text;
}

void PoussePousseRules::load()
{
    select(Famille, storedNumber(Settings::PousseFamille, 0, int(famille().entries.size()) - 1));
}

// A suit chosen, by the player or by load(): it is kept for the next opening and dealt at once.
void PoussePousseRules::selected(const QString &name)
{
    if (name != Famille)
        return;
    // A settings file that cannot be written only loses the choice for the next opening.
    setGameSetting(Settings::PousseFamille, QString::number(famille().current));
    Distribution();
}

void PoussePousseRules::Distribution()
{
    shuffle();
    m_table.frames[Indicateur].visible = false;
    for (int k = 0; k < Cards::FullDeck; ++k) {
        Picture &card = carte(k);
        card.border = true;
        card.visible = false;
        card.face = Picture::Face::Back;
        card.rect.moveTopLeft(DeckPosition);
        card.deal(dealt(k));
    }
    for (int i = 0; i < Places; ++i) {
        Picture &spot = place(i);
        spot.deal(QString());
        spot.hand = false;
        spot.border = true;
        spot.face = Picture::Face::Back;
        spot.rect.moveTopLeft(placePosition(i));
        spot.visible = true;
        m_table.bringToFront(FirstPlace + i);
    }
    const QString suit = familleText();
    int next = 0;
    for (int k = 0; k < Cards::FullDeck && next < DealtPlaces; ++k) {
        if (carte(k).tag.right(suit.size()) == suit)
            place(next++).deal(carte(k).tag);
    }
    for (int i : DealtJokers)
        place(i).tag = Joker;
    mix();
    famille().enabled = true;
    m_host.setPrompt(QCoreApplication::translate(
        "PoussePousseRules", "Appuyez sur le bouton JOUER pour commencer la partie."));
}

// The grid's own mixing, after the deck's: with the jokers alike, every result can be solved.
void PoussePousseRules::mix()
{
    RandomSource &random = m_context.random;
    random.reseed();
    const int exchanges = MixedPlaces * m_context.state.shuffleRounds + 1;
    for (int k = 0; k < exchanges; ++k) {
        const int a = k % MixedPlaces;
        const float drawn = float(MixedPlaces) * random.next();
        exchange(a, std::clamp(int(std::nearbyint(drawn)), 0, Places - 1));
    }
}

void PoussePousseRules::exchange(int a, int b)
{
    std::swap(place(a).tag, place(b).tag);
    std::swap(place(a).card, place(b).card);
}

void PoussePousseRules::play()
{
    m_host.setPrompt(
        QCoreApplication::translate("PoussePousseRules", "Glissez les cartes à la bonne place."));
    for (int i = 0; i < Places; ++i) {
        Picture &spot = place(i);
        if (spot.tag == Joker) {
            spot.face = Picture::Face::Icon;
            spot.icon = Joker;
        } else if (spot.tag.isEmpty()) {
            spot.face = Picture::Face::None;
        } else {
            spot.face = Picture::Face::Front;
            spot.tag = QString::number(Cards::CardValue(spot.card));
        }
    }
    famille().enabled = false;
}

int PoussePousseRules::hole() const
{
    for (int i = 0; i < Places; ++i) {
        if (place(i).tag.isEmpty())
            return i;
    }
    return NoPlace;
}

// Beside the hole in its row, or just above or below it.
bool PoussePousseRules::touchesHole(int p) const
{
    const int h = hole();
    if (h == NoPlace || h == p)
        return false;
    const int rows = std::abs(p / Columns - h / Columns);
    const int columns = std::abs(p % Columns - h % Columns);
    return rows + columns == 1;
}

void PoussePousseRules::hover(int index)
{
    if (index < 0) {
        m_host.setPrompt(inProgress()
                             ? QCoreApplication::translate("PoussePousseRules",
                                                           "Glissez les cartes à la bonne place")
                             : QCoreApplication::translate(
                                   "PoussePousseRules",
                                   "Appuyez sur le bouton JOUER pour commencer la vorelle."));
        return;
    }
    const int p = placeOf(index);
    if (!inProgress() || p == NoPlace)
        return;
    m_table.frames[Indicateur].visible = false;
    for (int i = 0; i < Places; ++i)
        place(i).hand = false;
    if (place(p).tag.isEmpty()) {
        m_host.setPrompt(QCoreApplication::translate(
            "PoussePousseRules", "Servez-vous de cette carte vierge pour glisser les "
                                 "cartes à leurs emplacements."));
        return;
    }
    // On the places of the suit, the prompt names the card that belongs there.
    if (p >= Ace && p <= King)
        m_host.setPrompt(QCoreApplication::translate("PoussePousseRules", "Vous devez mettre le ") +
                         Cards::RankWord(p) +
                         QCoreApplication::translate("PoussePousseRules", " DE ") + familleText() +
                         QCoreApplication::translate("PoussePousseRules", " à cet emplacement"));
    else if (place(p).tag == Joker)
        m_host.setPrompt(QCoreApplication::translate(
            "PoussePousseRules", "Glissez cette carte au début ou à la fin du jeu"));
    if (touchesHole(p)) {
        m_table.frames[Indicateur].surround(place(p));
        place(p).hand = true;
    }
}

void PoussePousseRules::click(int index)
{
    const int p = placeOf(index);
    if (!inProgress() || p == NoPlace || !touchesHole(p))
        return;
    Picture &from = place(p);
    Picture &to = place(hole());
    to.tag = from.tag;
    to.card = from.card;
    to.face = from.face;
    to.icon = from.icon;
    from.deal(QString());
    from.face = Picture::Face::None;
    from.hand = false;
    m_table.frames[Indicateur].visible = false;
    FinDePartie();
}

void PoussePousseRules::FinDePartie()
{
    if (place(FirstJoker).tag != Joker || place(LastJoker).tag != Joker ||
        !place(GoalHole).tag.isEmpty())
        return;
    for (int value = Ace; value <= King; ++value) {
        if (place(value).tag != QString::number(value))
            return;
    }
    m_host.setPrompt(QCoreApplication::translate("PoussePousseRules", "BRAVO, vous avez gagné..."));
    // The window records the game and may deal again: nothing may follow.
    m_host.gameOver(true);
}

QString PoussePousseRules::placeName(int index) const
{
    const int p = placeOf(index);
    return p == NoPlace ? QString() : PictureNames::gridPlace(p, Columns);
}

std::unique_ptr<GameRules> MakePoussePousseRules(const GameInfo &info, CoreContext context,
                                                 GameHost &host)
{
    return std::make_unique<PoussePousseRules>(info, context, host);
}
