// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/clesonges/clesongesrules.h"

#include "games/gamehost.h"
#include "games/gameinfo.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

constexpr int PileLeft = 120;
constexpr int PileStep = 1200;
constexpr int SideLeft = 9780; // the buttons
constexpr int ButtonWidth = 1095;
constexpr int ButtonHeight = 315;
constexpr std::array<int, 4> ButtonTops{2700, 3060, 3420, 3840};

const QString FaceDown = QStringLiteral("[R]");
const QString Paired = QStringLiteral("VRAI");

// The rank keys of the columns, left to right.
const std::array<QString, CleSongesRules::Piles> ColumnKeys{
    QStringLiteral("7D"), QStringLiteral("8D"), QStringLiteral("9D"), QStringLiteral("10"),
    QStringLiteral("VA"), QStringLiteral("DA"), QStringLiteral("RO"), QStringLiteral("AS")};

// The ranks of the columns, in words.
const std::array<const char *, CleSongesRules::Piles> ColumnRanks{
    QT_TRANSLATE_NOOP("CleSongesRules", "sept"),   QT_TRANSLATE_NOOP("CleSongesRules", "huit"),
    QT_TRANSLATE_NOOP("CleSongesRules", "neuf"),   QT_TRANSLATE_NOOP("CleSongesRules", "dix"),
    QT_TRANSLATE_NOOP("CleSongesRules", "valets"), QT_TRANSLATE_NOOP("CleSongesRules", "dames"),
    QT_TRANSLATE_NOOP("CleSongesRules", "rois"),   QT_TRANSLATE_NOOP("CleSongesRules", "as")};

QString rankKey(const QString &code)
{
    return code.left(2).toUpper();
}

bool isFaceDown(const QString &tag)
{
    return tag.endsWith(FaceDown);
}

} // namespace

CleSongesRules::CleSongesRules(const GameInfo &info, CoreContext context, GameHost &host)
    : GameRules(info, context, host)
{
    keepState(m_vars);
    m_table.addGroup(QStringLiteral("Carte"), Cards::SmallDeck, QStringLiteral("Carte"));
    m_table.frames.append(Frame{});
}

FormLayout CleSongesRules::layout() const
{
    FormLayout form;
    form.area = QSize(11055, 4290);
    form.info = QRect(9720, 120, 1215, 2490);
    for (std::size_t i = 0; i < form.buttons.size(); ++i)
        form.buttons[i] = QRect(SideLeft, ButtonTops[i], ButtonWidth, ButtonHeight);
    form.dealtPrompt = QCoreApplication::translate(
        "CleSongesRules", "Appuyez sur le bouton JOUER pour commencer la vorelle.");
    return form;
}

int CleSongesRules::pileLeft(int pile)
{
    return PileLeft + PileStep * pile;
}

int CleSongesRules::columnOf(const QString &code)
{
    const auto found = std::find(ColumnKeys.begin(), ColumnKeys.end(), rankKey(code));
    return found == ColumnKeys.end() ? NoCard : int(found - ColumnKeys.begin());
}

bool CleSongesRules::isCarte(int index)
{
    return index >= FirstCarte && index < FirstCarte + Cards::SmallDeck;
}

// Only the top of a pile can be reached: every card above it has gone to the columns.
bool CleSongesRules::isPileTop(int k) const
{
    for (int above = k + 1; above % PileSize != 0; ++above) {
        if (carte(above).tag != Paired)
            return false;
    }
    return true;
}

void CleSongesRules::Distribution()
{
    m_table.frames[Indicateur].visible = false;
    m_vars = Variables{};
    for (int k = 0; k < Cards::SmallDeck; ++k) {
        Picture &card = carte(k);
        card.hand = false;
        card.face = Picture::Face::Back;
        card.rect.moveTopLeft({pileLeft(k / PileSize), PileTop});
        card.visible = true;
        m_table.bringToFront(FirstCarte + k);
    }
    shuffle();
    for (int k = 0; k < Cards::SmallDeck; ++k) {
        carte(k).deal(dealt(k));
        carte(k).tag += FaceDown;
    }
    EnregistrerPosition(NoCard, NoCard);
    m_host.setPrompt(QCoreApplication::translate(
        "CleSongesRules", "Cliquez sur le bouton JOUER pour commencer la partie."));
}

void CleSongesRules::play()
{
    m_host.setPrompt(QCoreApplication::translate(
        "CleSongesRules", "Cliquez sur une des cartes du jeu pour commencer la vorelle."));
}

void CleSongesRules::hover(int index)
{
    if (inProgress() && isCarte(index))
        m_table.at(index).hand = m_table.at(index).tag != Paired;
}

void CleSongesRules::click(int index)
{
    if (!inProgress() || !isCarte(index))
        return;
    const int k = index - FirstCarte;
    if (carte(k).tag == Paired || !isPileTop(k))
        return;
    if (isFaceDown(carte(k).tag))
        turnUp(k);
    else
        choose(k);
}

// A selection made before stays as it was.
void CleSongesRules::turnUp(int k)
{
    carte(k).tag.chop(FaceDown.size());
    carte(k).face = Picture::Face::Front;
    EnregistrerPosition(k, NoCard);
    FinDePartie();
}

void CleSongesRules::choose(int k)
{
    Frame &frame = m_table.frames[Indicateur];
    if (m_vars.Premiere == NoCard) {
        m_vars.Premiere = k;
        frame.surround(carte(k));
        m_host.setPrompt(QCoreApplication::translate(
            "CleSongesRules", "Cliquez sur une deuxième carte pour essayer d'obtenir une paire."));
        return;
    }
    if (k == m_vars.Premiere)
        return;
    const int first = m_vars.Premiere;
    const bool pair = rankKey(carte(first).tag) == rankKey(carte(k).tag);
    m_vars.Premiere = NoCard;
    frame.visible = false;
    if (!pair) {
        m_host.setPrompt(QCoreApplication::translate(
            "CleSongesRules", "La carte choisie ne forme pas de paire avec la carte "
                              "précédente. Cliquez sur une carte."));
        return;
    }
    m_host.setPrompt(QCoreApplication::translate(
        "CleSongesRules", "BRAVO, La carte choisie forme une paire avec la carte "
                          "précédente. Cliquez sur une carte"));
    toColumn(first);
    toColumn(k);
    EnregistrerPosition(first, k);
    for (int paired : {first, k}) {
        carte(paired).tag = Paired;
        carte(paired).hand = false;
    }
    FinDePartie();
}

// The card goes to the foot of its rank column, in front of the cards already there.
void CleSongesRules::toColumn(int k)
{
    const int column = columnOf(carte(k).tag);
    if (column == NoCard)
        return;
    int below = 0;
    for (int other = 0; other < Cards::SmallDeck; ++other) {
        if (m_vars.columnPlace[std::size_t(other)] > 0 && columnOf(carte(other).card) == column)
            ++below;
    }
    m_vars.columnPlace[std::size_t(k)] = below + 1;
    carte(k).rect.moveTopLeft({pileLeft(column), ColumnTop + ColumnStep * below});
    m_table.bringToFront(FirstCarte + k);
}

// Keeps SommetPile in step: after the deal (first = NoCard), after a card turned up (second =
// NoCard) or after a pair left its piles, whose tops are then the cards below.
void CleSongesRules::EnregistrerPosition(int first, int second)
{
    if (first == NoCard) {
        for (int pile = 0; pile < Piles; ++pile)
            m_vars.SommetPile[std::size_t(pile)] = carte(PileSize * pile + PileSize - 1).tag;
        return;
    }
    if (second == NoCard) {
        m_vars.SommetPile[std::size_t(first / PileSize)] = carte(first).tag;
        return;
    }
    for (int k : {first, second})
        m_vars.SommetPile[std::size_t(k / PileSize)] =
            k % PileSize == 0 ? QString() : carte(k - 1).tag;
}

void CleSongesRules::FinDePartie()
{
    const bool won = std::all_of(m_table.pictures.cbegin(), m_table.pictures.cend(),
                                 [](const Picture &card) { return card.tag == Paired; });
    if (!won) {
        const auto &tops = m_vars.SommetPile;
        if (std::any_of(tops.cbegin(), tops.cend(), isFaceDown))
            return;
        for (std::size_t a = 0; a < tops.size(); ++a) {
            for (std::size_t b = a + 1; b < tops.size(); ++b) {
                if (!tops[a].isEmpty() && rankKey(tops[a]) == rankKey(tops[b]))
                    return;
            }
        }
    }
    m_host.setPrompt(
        won ? QCoreApplication::translate("CleSongesRules", "BRAVO, vous avez gagné...")
            : QCoreApplication::translate("CleSongesRules", "DESOLE, vous avez perdu..."));
    // The window records the game and may deal again: nothing may follow.
    m_host.gameOver(won);
}

// A card lies on its pile until it is paired, then in the column of its rank.
QString CleSongesRules::placeName(int index) const
{
    if (!isCarte(index))
        return {};
    const int k = index - FirstCarte;
    const int place = m_vars.columnPlace[std::size_t(k)];
    if (place == 0)
        return QCoreApplication::translate("CleSongesRules", "Pile %1").arg(k / PileSize + 1);
    const int column = columnOf(carte(k).card);
    return QCoreApplication::translate("CleSongesRules", "Colonne des %1, carte %2")
        .arg(QCoreApplication::translate("CleSongesRules", ColumnRanks[std::size_t(column)]))
        .arg(place);
}

std::unique_ptr<GameRules> MakeCleSongesRules(const GameInfo &info, CoreContext context,
                                              GameHost &host)
{
    return std::make_unique<CleSongesRules>(info, context, host);
}
