#include "games/frmVoyageuses1/voyageuses1rules.h"

#include "games/gamecatalog.h"
#include "games/gamehost.h"
#include "shared/cards.h"

#include <algorithm>

namespace {

constexpr int PlaceLeft = 420;
constexpr int PlaceTop = 120;
constexpr int ColumnStep = 1200;
constexpr int RowStep = 1560;
constexpr int SideLeft = 10020; // lblInfo, the hand, the stock and the buttons
constexpr QPoint HandPosition{SideLeft, 1680};
constexpr QPoint StockPosition{SideLeft, 3240};
constexpr int ButtonWidth = 1095;
constexpr int ButtonHeight = 315;
constexpr std::array<int, 4> ButtonTops{4800, 5160, 5520, 5940};
constexpr int CouleurLeft = 60;
constexpr std::array<int, Voyageuses1Rules::Rows> CouleurTops{660, 2160, 3720, 5220};
constexpr QSize CouleurSize{315, 375};

// The rows of the grid, which is not the suit order of Deck32.
const std::array<QString, Voyageuses1Rules::Rows> RowSuits{
    QStringLiteral("PIQUE"), QStringLiteral("CARREAU"), QStringLiteral("TREFLE"),
    QStringLiteral("COEUR")};
const std::array<QString, Voyageuses1Rules::Columns> ColumnRanks{
    QStringLiteral("7"),     QStringLiteral("8"),    QStringLiteral("9"),   QStringLiteral("10"),
    QStringLiteral("VALET"), QStringLiteral("DAME"), QStringLiteral("ROI"), QStringLiteral("AS")};

bool isAce(const QString &card)
{
    return Cards::CardValue(card) == 1;
}

} // namespace

Voyageuses1Rules::Voyageuses1Rules(CoreContext context, GameHost &host)
    : GameRules(*GameCatalog::byMenuName(QStringLiteral("Les voyageuses (1)")), context, host)
{
    m_table.addGroup(QStringLiteral("Carte"), Places, QStringLiteral("Carte"));
    m_table.addGroup(QStringLiteral("picSabot"), StockSize, QStringLiteral("Carte à piocher"));
    m_table.addGroup(QStringLiteral("Couleurs"), Rows, QStringLiteral("Pique"));
    m_table.frames.append(Frame{});
    for (int place = 0; place < Places; ++place)
        carte(place).rect = placeRect(place);
    for (int row = 0; row < Rows; ++row) {
        Picture &marker = m_table.at(FirstCouleur + row);
        marker.rect = QRect(QPoint(CouleurLeft, CouleurTops[std::size_t(row)]), CouleurSize);
        marker.icon = RowSuits[std::size_t(row)];
    }
}

QString Voyageuses1Rules::ownCard(int place)
{
    return ColumnRanks[std::size_t(place % Columns)] + QStringLiteral("DE") +
           RowSuits[std::size_t(place / Columns)];
}

QRect Voyageuses1Rules::placeRect(int place)
{
    return {PlaceLeft + ColumnStep * (place % Columns), PlaceTop + RowStep * (place / Columns),
            CardWidth, CardHeight};
}

bool Voyageuses1Rules::isAcePlace(int place)
{
    return place % Columns == Columns - 1;
}

int Voyageuses1Rules::stockSource(int k)
{
    return k * Columns + Columns - 1;
}

bool Voyageuses1Rules::isPlace(int picture)
{
    return picture >= FirstCarte && picture < FirstCarte + Places;
}

bool Voyageuses1Rules::isStock(int picture)
{
    return picture >= FirstSabot && picture < FirstSabot + StockSize;
}

// Only a turned stock card can be dragged; the others wait face down.
bool Voyageuses1Rules::isHeld(int picture) const
{
    if (!isStock(picture))
        return false;
    const Picture &card = m_table.at(picture);
    return card.visible && card.draggable;
}

FormLayout Voyageuses1Rules::layout() const
{
    FormLayout form;
    form.area = QSize(11310, 6585);
    form.info = QRect(SideLeft, 120, 1155, 1470);
    for (std::size_t i = 0; i < form.buttons.size(); ++i)
        form.buttons[i] = QRect(SideLeft, ButtonTops[i], ButtonWidth, ButtonHeight);
    form.toolTips[3] = QStringLiteral("Quitter la partie");
    return form;
}

void Voyageuses1Rules::applyLook(bool cardsFileExists)
{
    for (int row = 0; row < Rows; ++row)
        m_table.at(FirstCouleur + row).face =
            cardsFileExists ? Picture::Face::Icon : Picture::Face::None;
}

void Voyageuses1Rules::Distribution()
{
    shuffle();
    dealFromDeck();
}

void Voyageuses1Rules::dealFromDeck()
{
    m_state = State{};
    indicateur().visible = false;
    for (int place = 0; place < Places; ++place) {
        Picture &card = carte(place);
        card.card = isAcePlace(place) ? QString() : dealt(place);
        card.face = isAcePlace(place) ? Picture::Face::None : Picture::Face::Back;
        card.visible = true;
        card.hand = false;
        card.z = 0;
    }
    for (int k = 0; k < StockSize; ++k) {
        Picture &stock = sabot(k);
        stock.card = dealt(stockSource(k));
        stock.face = Picture::Face::Back;
        stock.rect.moveTopLeft(StockPosition);
        stock.visible = true;
        stock.hand = false;
        stock.draggable = false;
        stock.z = 0;
    }
    m_host.setPrompt(QStringLiteral("Cliquez sur le bouton JOUER pour commencer la partie."));
}

void Voyageuses1Rules::play()
{
    m_host.setPrompt(QStringLiteral("Cliquez sur la carte ci-dessous pour jouer"));
}

void Voyageuses1Rules::click(int picture)
{
    if (!inProgress())
        return;
    if (isStock(picture) && m_state.IndexSabot != NoStock)
        turnStockCard();
    else if (isPlace(picture) && m_state.IndexSabot == NoStock &&
             m_state.EtatPlace[std::size_t(picture - FirstCarte)] == PlaceState::Unresolved)
        revealPlace(picture - FirstCarte);
}

// The stock images lie on one spot, so whichever is clicked, the one in play is taken; a second
// click brings the card in hand back to the hand position.
void Voyageuses1Rules::turnStockCard()
{
    const int index = FirstSabot + m_state.IndexSabot;
    Picture &card = m_table.at(index);
    card.rect.moveTopLeft(HandPosition);
    card.face = Picture::Face::Front;
    card.hand = true;
    card.draggable = true;
    m_table.bringToFront(index);
    m_host.setPrompt(QStringLiteral("Glissez la carte à l'endroit voulu."));
}

void Voyageuses1Rules::hover(int picture)
{
    if (inProgress() && m_state.IndexSabot == NoStock && isPlace(picture) &&
        m_state.EtatPlace[std::size_t(picture - FirstCarte)] == PlaceState::Unresolved)
        m_table.at(picture).hand = true;
}

// Only a place re-evaluates the frame: moving on to the bare table leaves it as it was.
void Voyageuses1Rules::dragOver(int source, int target)
{
    if (!isPlace(target))
        return;
    indicateur().visible = false;
    if (inProgress() && isHeld(source) && m_table.at(source).card == ownCard(target - FirstCarte))
        indicateur().surround(m_table.at(target));
}

void Voyageuses1Rules::drop(int source, int target, QPoint topLeft)
{
    if (!isHeld(source))
        return;
    if (target < 0) {
        // The card may be laid anywhere on the table, even when no game is in progress.
        m_table.at(source).rect.moveTopLeft(topLeft);
        return;
    }
    if (!isPlace(target))
        return;
    indicateur().visible = false;
    if (inProgress() && m_table.at(source).card == ownCard(target - FirstCarte))
        dropOnPlace(source, target - FirstCarte);
}

void Voyageuses1Rules::dropOnPlace(int source, int place)
{
    Picture &hand = m_table.at(source);
    Picture &home = carte(place);
    const QString arrived = hand.card;
    hand.card = home.card;
    home.card = arrived;
    home.face = Picture::Face::Front;
    m_state.EtatPlace[std::size_t(place)] = PlaceState::Right;
    if (!isAce(arrived)) {
        hand.rect.moveTopLeft(HandPosition);
        m_host.setPrompt(QStringLiteral("Glissez la carte à l'endroit désiré."));
        return;
    }
    // An ace place is empty, so the chain ends with an empty hand.
    hand.visible = false;
    --m_state.IndexSabot;
    if (m_state.IndexSabot != NoStock) {
        m_host.setPrompt(QStringLiteral("Cliquez sur la carte ci-dessous."));
        return;
    }
    if (anyUnresolved())
        m_host.setPrompt(QStringLiteral("Cliquez sur les cartes restantes."));
    FinDePartie();
}

void Voyageuses1Rules::revealPlace(int place)
{
    Picture &card = carte(place);
    card.face = Picture::Face::Front;
    m_state.EtatPlace[std::size_t(place)] =
        card.card == ownCard(place) ? PlaceState::Right : PlaceState::Wrong;
    FinDePartie();
}

QStringList Voyageuses1Rules::cardCodes() const
{
    QStringList codes;
    for (int i = FirstCarte; i < FirstSabot + StockSize; ++i) {
        if (!m_table.at(i).card.isEmpty())
            codes.append(m_table.at(i).card);
    }
    return codes;
}

bool Voyageuses1Rules::anyUnresolved() const
{
    return std::find(m_state.EtatPlace.begin(), m_state.EtatPlace.end(), PlaceState::Unresolved) !=
           m_state.EtatPlace.end();
}

void Voyageuses1Rules::FinDePartie()
{
    if (anyUnresolved())
        return;
    const bool won = std::all_of(m_state.EtatPlace.begin(), m_state.EtatPlace.end(),
                                 [](PlaceState place) { return place == PlaceState::Right; });
    m_host.setPrompt(won ? QStringLiteral("BRAVO, vous avez gagné...")
                         : QStringLiteral("DESOLE, vous avez perdu..."));
    m_host.gameOver(won);
}

std::unique_ptr<GameRules> MakeVoyageuses1Rules(CoreContext context, GameHost &host)
{
    return std::make_unique<Voyageuses1Rules>(context, host);
}
