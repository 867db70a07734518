// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "games/dealnumber.h"
#include "games/rulessnapshot.h"
#include "games/tablemodel.h"
#include "shared/corecontext.h"

#include <QCoreApplication>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>

struct GameInfo;
class GameHost;

// Where the window's own controls stand, in twips of the design client area.
struct FormLayout {
    QSize area; // design client area
    QRect info; // lblInfo
    QString infoFont = QStringLiteral("Courier New");
    std::array<QRect, 4> buttons; // Boutons(0..3)
    std::array<QString, 4> toolTips{
        QCoreApplication::translate("GameRules", "Démarrer le jeu"),
        QCoreApplication::translate("GameRules", "Faire une nouvelle partie"),
        QCoreApplication::translate("GameRules", "Afficher les règles de jeu"),
        QCoreApplication::translate("GameRules", "Quitter le jeu")};
    // The prompt after DISTRIBUER (some games end it with a full stop).
    QString dealtPrompt = QCoreApplication::translate(
        "GameRules", "Appuyez sur le bouton JOUER pour commencer la vorelle");
    // The title of DISTRIBUER's question while a game is in progress.
    QString dealTitle = QStringLiteral("VORELLES");
    QString lostQuestion = QCoreApplication::translate(
        "GameRules",
        "DESOLE, vous avez perdu la partie. Voulez-vous recommencer une nouvelle vorelle ?");
    // The game wants the whole screen: the main window is maximised before its window opens.
    bool maximiseMainWindow = false;

    // Boutons(0..3) in one column at left, each of the usual 1095 x 315 twips.
    void stackButtons(int left, const std::array<int, 4> &tops)
    {
        for (std::size_t i = 0; i < buttons.size(); ++i)
            buttons[i] = QRect(left, tops[i], 1095, 315);
    }
};

// The rules of one game, without any widget: the deal, the handlers of the player's actions on
// the table and the end check. They change the table model and talk to their window through the
// host. Handlers act only while a game is in progress unless a game says otherwise.
class GameRules {
    // First, so that m_context can hand it out as the game's random source.
    DealRandom m_dealRandom;

public:
    GameRules(const GameInfo &info, CoreContext context, GameHost &host);
    virtual ~GameRules() = default;
    GameRules(const GameRules &) = delete;
    GameRules &operator=(const GameRules &) = delete;

    const GameInfo &info() const { return m_info; }
    const TableModel &table() const { return m_table; }
    virtual FormLayout layout() const = 0;

    // The deal: shuffles and lays the cards out, face down, waiting for JOUER.
    virtual void Distribution() = 0;
    // A deal through Distribution: the numbered deal for a number from 1 (see DealNumber), an
    // ordinary shuffle for 0.
    void deal(quint32 number);
    // The number of the last deal, 0 for an ordinary one (also when the game dealt again by
    // itself).
    quint32 dealNumber() const { return m_dealNumber; }

    // The whole state of the game, for undo and replay; restore() puts one back as it was.
    RulesSnapshot snapshot() const;
    void restore(const RulesSnapshot &snapshot);

    // Once, after the first deal of a new window: the game's own settings and controls.
    virtual void load() {}
    // JOUER, once the window has started the clock: the first playing prompt and what turns up.
    virtual void play() = 0;

    // The game's own part of the window look (suit markers, say), given whether the cards file
    // is present.
    virtual void applyLook(bool) {}

    // The player's actions; picture indices are those of table().
    virtual void click(int) {}
    virtual void doubleClick(int) {}
    virtual void rightPress(int) {}
    virtual void hover(int) {}
    // target is a picture or -1 for the bare table.
    virtual void dragOver(int, int) {}
    virtual void drop(int, int, QPoint) {}
    // The pictures that follow the mouse when source is dragged (a column run, say).
    virtual QList<int> dragged(int source) const { return {source}; }
    // Where a picture lies, in the game's own words ("Colonne 3"), for a screen reader; "" leaves
    // it to the layout.
    virtual QString placeName(int) const { return {}; }

    // An entry of a drop-down list chosen, by the player or by the rules themselves.
    void select(const QString &control, int entry);
    // A button of the game's own pressed.
    virtual void press(const QString &) {}
    // A tick of the rules' own timer, while it runs.
    virtual void timerTick() {}
    bool timerRunning() const { return m_timerInterval > 0; }

    // Every card of the game wherever it lies (table, stock, removed): sorted, the dealt deck.
    // By default the cards held by the "Carte" pictures.
    virtual QStringList cardCodes() const;
    // The cards held by the pictures of the named groups.
    QStringList cardsIn(const QStringList &groups) const;

    // The game's lines of the record, each without its line break.
    QStringList statistic() const;
    // The text of a named control of the game (a combo box), for its record: by default the text
    // the model holds for it, "" when there is no such control.
    virtual QString controlText(const QString &name) const;

protected:
    // Sets the deck size and shuffle rounds from the settings and shuffles that deck.
    void shuffle();
    const QString &dealt(int index) const;
    bool inProgress() const;

    // The usual end of a game: the prompt "BRAVO, vous avez gagné..." or "DESOLE, vous avez
    // perdu...", then the window records the game and may deal again, so nothing may follow.
    void endGame(bool won);

    // What select() runs once the entry is chosen.
    virtual void selected(const QString &) {}
    void startTimer(int intervalMs);
    void stopTimer();

    // Keeps a variable of the rules (their struct of variables) in every snapshot. The variable
    // must outlive the rules' snapshots being taken: a member of the rules.
    template <typename T> void keepState(T &variable)
    {
        m_kept.push_back({[&variable] { return std::make_shared<const KeptValueOf<T>>(variable); },
                          [&variable](const KeptValue &kept) {
                              variable = static_cast<const KeptValueOf<T> &>(kept).value;
                          }});
    }

    // A key of the game's own section of the settings, named after its caption.
    QString gameSetting(const char *key) const;
    bool setGameSetting(const char *key, const QString &value);
    // The key read as a whole number from min to max. Anything else (missing, empty, text, out of
    // range) gives the key's default, which is written back so the file heals.
    int storedNumber(const char *key, int min, int max);

    TableModel m_table;
    CoreContext m_context;
    GameHost &m_host;

private:
    const GameInfo &m_info;
    int m_timerInterval = 0;
    std::vector<KeptVariable> m_kept;
    quint32 m_dealNumber = 0;
    bool m_numberedDeckLaid = false;
};

// Builds the rules of one game, for its window or for a test.
using RulesFactory = std::function<std::unique_ptr<GameRules>(CoreContext, GameHost &)>;
