// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/annonce/annoncerules.h"

#include "games/gamehost.h"
#include "games/gameinfo.h"
#include "settings/settingkeys.h"

#include <QCoreApplication>

namespace {

constexpr int SideLeft = 4380; // cboAnnonce and the buttons
constexpr std::array<int, 4> ButtonTops{2940, 3300, 3660, 4080};
constexpr int CallPoints = 12; // lblAnnonce stands out under its title

// A card turned without a match keeps no code in its tag.
const QString Turned = QStringLiteral("VRAI");
const QString NoCall = QStringLiteral(" - ");
const QString CourierNew = QStringLiteral("Courier New");
const QString CboAnnonce = QStringLiteral("cboAnnonce");
const QString LblAnnonce = QStringLiteral("lblAnnonce");
const QString LblNombreCarte = QStringLiteral("lblNombreCarte");

QStringList ranks()
{
    // Kept in French, as the record of the game names the starting call; the window shows them
    // in its language.
    QStringList ranks{QString::fromUtf8(QT_TRANSLATE_NOOP("ListEntries", "AS"))};
    for (int rank = 2; rank <= 10; ++rank)
        ranks.append(QString::number(rank));
    return ranks << QString::fromUtf8(QT_TRANSLATE_NOOP("ListEntries", "VALET"))
                 << QString::fromUtf8(QT_TRANSLATE_NOOP("ListEntries", "DAME"))
                 << QString::fromUtf8(QT_TRANSLATE_NOOP("ListEntries", "ROI"));
}

QString remaining(int count)
{
    return QCoreApplication::translate("AnnonceRules", "Reste: ") + QString::number(count);
}

} // namespace

AnnonceRules::AnnonceRules(const GameInfo &info, CoreContext context, GameHost &host)
    : GameRules(info, context, host)
{
    keepState(m_vars);
    m_table.addGroup(QStringLiteral("Carte"), Cards::FullDeck, QStringLiteral("Carte"));
    // The two labels the game writes are as wide as their longest text.
    const QList<Control> controls{
        Control::label(LblNombreCarte, QRect(PileLeft, 1980, CardWidth, 210),
                       QCoreApplication::translate("AnnonceRules", "Reste:")),
        Control::label(QStringLiteral("Label1(1)"), QRect(1200, 2520, 1785, 210),
                       QCoreApplication::translate("AnnonceRules", "Prochaine annonce")),
        Control::label(LblAnnonce, QRect(1920, 2760, 900, 345), QStringLiteral("AS")),
        Control::label(QStringLiteral("Label1(0)"), QRect(4320, 1980, 1275, 450),
                       QCoreApplication::translate("AnnonceRules", "Commencer l'annonce à:")),
    };
    for (Control label : controls) {
        label.fontFamily = CourierNew;
        m_table.addControl(label);
    }
    control(LblNombreCarte).toolTip =
        QCoreApplication::translate("AnnonceRules", "Nombre de carte restant à découvrir");
    control(LblAnnonce).toolTip =
        QCoreApplication::translate("AnnonceRules", "Valeur de la prochaine annonce");
    control(LblAnnonce).fontPoints = CallPoints;
    m_table.addControl(
        Control::list(CboAnnonce, QRect(SideLeft, 2460, 1095, 0), ranks(),
                      QCoreApplication::translate("AnnonceRules", "Valeur de l'annonce de début")));
}

FormLayout AnnonceRules::layout() const
{
    FormLayout form;
    form.area = QSize(5790, 4665);
    form.info = QRect(4320, 120, 1215, 1710);
    form.stackButtons(SideLeft, ButtonTops);
    form.toolTips[0] = QCoreApplication::translate("AnnonceRules", "Démarrer la partie");
    form.toolTips[2] = QCoreApplication::translate("AnnonceRules", "Afficher les règles du jeu");
    form.dealtPrompt = QCoreApplication::translate(
        "AnnonceRules", "Appuyez sur le bouton JOUER pour commencer la vorelle.");
    form.dealTitle = QCoreApplication::translate("AnnonceRules", "Nouvelle vorelle");
    return form;
}

bool AnnonceRules::isCarte(int index)
{
    return index >= FirstCarte && index < FirstCarte + Cards::FullDeck;
}

int AnnonceRules::pileTop() const
{
    // The pile is turned from its top, Carte(51), down to Carte(0).
    return m_vars.pileSize - 1; // NoCard once it is empty
}

void AnnonceRules::Distribution()
{
    shuffle();
    m_vars = Variables{};
    m_vars.pileSize = Cards::FullDeck;
    control(LblNombreCarte).text = remaining(Cards::FullDeck);
    for (int k = 0; k < Cards::FullDeck; ++k) {
        Picture &card = carte(k);
        card.deal(dealt(k));
        card.face = Picture::Face::Back;
        card.hand = false;
        card.rect.moveTopLeft({PileLeft, PileTop});
        card.visible = true;
        m_table.bringToFront(FirstCarte + k);
    }
    control(CboAnnonce).enabled = true;
    control(LblAnnonce).text = NoCall;
    m_host.setPrompt(QCoreApplication::translate(
        "AnnonceRules", "Appuyez sur le bouton JOUER pour commencer la partie."));
}

void AnnonceRules::load()
{
    // A stored index outside the list would call an empty rank, which every card matches.
    select(CboAnnonce,
           storedNumber(Settings::AnnonceAnnonce, 0, int(control(CboAnnonce).entries.size()) - 1));
}

void AnnonceRules::selected(const QString &)
{
    setGameSetting(Settings::AnnonceAnnonce, QString::number(control(CboAnnonce).current));
}

void AnnonceRules::play()
{
    m_host.setPrompt(QCoreApplication::translate(
        "AnnonceRules", "Cliquez sur la première carte du jeu pour commencer la vorelle."));
    Control &start = control(CboAnnonce);
    start.enabled = false;
    m_vars.IndexAnnonce = qint16(start.current);
    control(LblAnnonce).text = start.text.trimmed();
}

void AnnonceRules::click(int index)
{
    if (!inProgress() || !isCarte(index) || index - FirstCarte != pileTop())
        return;
    const int k = index - FirstCarte;
    const QString &call = control(LblAnnonce).text;
    const bool match = carte(k).card.startsWith(call);
    turn(k);
    if (match) {
        FinDePartie(false);
    } else if (k != 0) {
        m_host.setPrompt(
            QCoreApplication::translate("AnnonceRules", "Cliquez sur la prochaine carte"));
        callNext();
        carte(k).tag = Turned;
    } else {
        FinDePartie(true);
    }
}

void AnnonceRules::turn(int k)
{
    Picture &card = carte(k);
    card.face = Picture::Face::Front;
    card.hand = false;
    card.rect.moveLeft(TurnedLeft);
    m_vars.pileSize = qint8(k);
    m_table.bringToFront(FirstCarte + k);
    control(LblNombreCarte).text = remaining(k);
}

void AnnonceRules::callNext()
{
    const Control &ranks = control(CboAnnonce);
    m_vars.IndexAnnonce = qint16((m_vars.IndexAnnonce + 1) % ranks.entries.size());
    control(LblAnnonce).text = ranks.entries.at(m_vars.IndexAnnonce);
}

void AnnonceRules::hover(int index)
{
    if (inProgress() && isCarte(index))
        m_table.at(index).hand = m_table.at(index).tag != Turned;
}

void AnnonceRules::FinDePartie(bool won)
{
    endGame(won);
}

QString AnnonceRules::placeName(int index) const
{
    if (!isCarte(index))
        return {};
    return index - FirstCarte <= pileTop()
               ? QCoreApplication::translate("AnnonceRules", "Paquet")
               : QCoreApplication::translate("AnnonceRules", "Tas des cartes retournées");
}

std::unique_ptr<GameRules> MakeAnnonceRules(const GameInfo &info, CoreContext context,
                                            GameHost &host)
{
    return std::make_unique<AnnonceRules>(info, context, host);
}
