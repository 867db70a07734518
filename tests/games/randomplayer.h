// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalog/gamecatalog.h"
#include "games/gamerules.h"
#include "games/gamesession.h"
#include "games/quiethost.h"
#include "settings/settingkeys.h"
#include "settings/settingsstore.h"
#include "shared/appstate.h"
#include "shared/cards.h"
#include "shared/randomsource.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <memory>
#include <random>

// One action of a player on a game's rules, drawn at random among those the table offers, and
// kept so that it can be played again on other rules of the same game.
struct PlayerAction {
    enum class Kind { Click, DoubleClick, RightPress, Drag, Select, Press, Tick };
    Kind kind = Kind::Click;
    int source = -1;
    int target = -1; // a picture, -1 for the bare table; the entry of a Select
    QString control;

    // Mostly on the pictures that show the hand, else anywhere; a drag starts from a picture
    // drawn on top, the only one the mouse reaches.
    static PlayerAction draw(const GameRules &rules, std::mt19937 &random)
    {
        const TableModel &table = rules.table();
        QList<int> shown, active, draggable;
        for (int i = 0; i < table.pictures.size(); ++i) {
            const Picture &picture = table.at(i);
            if (!picture.visible)
                continue;
            shown.append(i);
            if (picture.hand)
                active.append(i);
            if (picture.draggable && table.pictureAt(picture.rect.center()) == i)
                draggable.append(i);
        }
        QList<const Control *> lists, buttons;
        for (const Control &control : table.controls) {
            if (!control.enabled || !control.visible)
                continue;
            if (control.kind == Control::Kind::ComboBox && !control.entries.isEmpty())
                lists.append(&control);
            if (control.kind == Control::Kind::Button)
                buttons.append(&control);
        }
        auto pick = [&random](const auto &list) {
            return list.at(qsizetype(random() % quint32(list.size())));
        };
        const auto roll = quint32(random() % 100);
        PlayerAction action;
        if (rules.timerRunning() && roll < 30) {
            action.kind = Kind::Tick;
        } else if (!draggable.isEmpty() && roll < 55) {
            action.kind = Kind::Drag;
            action.source = pick(draggable);
            action.target = random() % 10 == 0 || shown.isEmpty() ? -1 : pick(shown);
        } else if (!buttons.isEmpty() && roll < 60) {
            action.kind = Kind::Press;
            action.control = pick(buttons)->name;
        } else if (!lists.isEmpty() && roll < 62) {
            const Control *list = pick(lists);
            action.kind = Kind::Select;
            action.control = list->name;
            action.target = int(random() % quint32(list->entries.size()));
        } else {
            // Every table shows some picture.
            action.source = pick(!active.isEmpty() && roll % 5 != 0 ? active : shown);
            action.kind = roll % 7 == 0   ? Kind::DoubleClick
                          : roll % 7 == 1 ? Kind::RightPress
                                          : Kind::Click;
        }
        return action;
    }

    // Plays the action as the window sends it; a drag passes over its target before the drop.
    template <typename Game> void apply(Game &game) const
    {
        const GameRules &rules = rulesOf(game);
        switch (kind) {
        case Kind::Click:
            return game.click(source);
        case Kind::DoubleClick:
            return game.doubleClick(source);
        case Kind::RightPress:
            return game.rightPress(source);
        case Kind::Drag:
            game.dragOver(source, target);
            return game.drop(source, target,
                             rules.table().at(target >= 0 ? target : source).rect.topLeft());
        case Kind::Select:
            return game.select(control, target);
        case Kind::Press:
            return game.press(control);
        case Kind::Tick:
            return game.timerTick();
        }
    }

private:
    static const GameRules &rulesOf(const GameRules &rules) { return rules; }
    static const GameRules &rulesOf(const GameSession &session) { return session.rules(); }
};

// How the player's hand reaches a game: straight to its rules, or as mouse events to a widget.
// Points are in twips on the table; a drag is press, moveTo while held, release.
class PlayerHand {
public:
    virtual ~PlayerHand() = default;
    virtual void hover(QPoint at) = 0;
    virtual void click(QPoint at) = 0;
    virtual void doubleClick(QPoint at) = 0;
    virtual void rightClick(QPoint at) = 0;
    virtual void press(QPoint at) = 0;
    virtual void moveTo(QPoint at) = 0;
    virtual void release(QPoint at) = 0;
};

// The hand of a headless player: each gesture is the call of the session the window would make.
class RulesHand final : public PlayerHand {
public:
    explicit RulesHand(GameSession &session) : m_session(session) {}

    void hover(QPoint at) override { m_session.hover(pictureAt(at)); }
    void click(QPoint at) override { onPicture(at, &GameSession::click); }
    void doubleClick(QPoint at) override { onPicture(at, &GameSession::doubleClick); }
    void rightClick(QPoint at) override { onPicture(at, &GameSession::rightPress); }
    void press(QPoint at) override
    {
        m_source = pictureAt(at);
        m_group = m_source >= 0 ? m_session.rules().dragged(m_source) : QList<int>{};
    }
    void moveTo(QPoint at) override
    {
        if (m_source >= 0)
            m_session.dragOver(m_source, pictureAt(at, m_group));
    }
    void release(QPoint at) override
    {
        if (m_source >= 0)
            m_session.drop(m_source, pictureAt(at, m_group),
                           at - QPoint(CardWidth / 2, CardHeight / 2));
        m_source = -1;
    }

private:
    int pictureAt(QPoint at, const QList<int> &ignore = {}) const
    {
        return m_session.rules().table().pictureAt(at, ignore);
    }
    void onPicture(QPoint at, void (GameSession::*call)(int))
    {
        if (const int picture = pictureAt(at); picture >= 0)
            (m_session.*call)(picture);
    }

    GameSession &m_session;
    int m_source = -1;
    QList<int> m_group;
};

// Plays one game as a careless player would: clicks, double clicks, right clicks and hovers on
// random pictures or points, drags of the cards that can be dragged to anywhere, the game's own
// controls, its timer, JOUER, DISTRIBUER and both answers to every question. After every event
// it checks what holds in every game: the cards are those dealt, a deal ends at most once, and
// out of a game the cards do not move. The same seed plays the same events again.
class RandomPlayer final {
public:
    RandomPlayer(const QString &game, const QString &settingsPath, quint32 seed)
        : m_settings(settingsPath), m_random(seed), m_choices(seed)
    {
        BuildCardTables(m_state);
        m_settings.setParameter(Settings::Melange, QString::number(m_choices() % 21));
        // As the window does: the end is recorded, then the question may deal again at once.
        m_host.answer = [this](const QString &) {
            countEnd();
            const bool again = chance(2);
            note(again ? QStringLiteral("Oui") : QStringLiteral("Non"));
            return again;
        };
        m_host.onDealt = [this] { dealt(); };
        m_session = std::make_unique<GameSession>(
            *GameCatalog::byMenuName(game), CoreContext{m_state, m_settings, m_random}, m_host);
        m_rules = &m_session->rules();
        m_area = m_rules->layout().area;
        m_hand = std::make_unique<RulesHand>(*m_session);
        m_session->open();
        dealt();
        check(QStringLiteral("load"));
    }

    GameRules &rules() { return *m_rules; }
    GameSession &session() { return *m_session; }
    const QuietHost &host() const { return m_host; }
    // The hand is the rules' own until another is given; the player keeps none.
    void setHand(PlayerHand &hand) { m_handInUse = &hand; }
    // Plays until the number of events is reached or a promise breaks; "" when all held.
    QString play(int events)
    {
        for (int i = 0; i < events && event(); ++i) {
        }
        return m_failure;
    }
    // One event, checked; false once a promise broke.
    bool event()
    {
        if (m_failure.isEmpty())
            check(step());
        return m_failure.isEmpty();
    }
    const QString &failure() const { return m_failure; }
    int ends() const { return m_ends; }
    bool chance(int oneIn) { return m_choices() % unsigned(oneIn) == 0; }
    int below(qsizetype n) { return n > 0 ? int(m_choices() % quint32(n)) : -1; }

    QString prompt() const { return m_host.prompt(); }

private:
    PlayerHand &hand() { return m_handInUse ? *m_handInUse : *m_hand; }

    // The end of a game, before its question: a deal ends at most once, and only a game in
    // progress ends.
    void countEnd()
    {
        note(QStringLiteral("fin de partie"));
        if (!m_playing)
            fail(QStringLiteral("a game ended while none was in progress"));
        if (++m_endsThisDeal > 1)
            fail(QStringLiteral("a deal ended twice"));
        ++m_ends;
    }

    void dealt()
    {
        m_jouer = true;
        m_endsThisDeal = 0;
        const auto &decks = m_state.decks;
        m_dealt = m_rules->info().deckSize == 32
                      ? QStringList(decks.deck32.begin(), decks.deck32.end())
                      : QStringList(decks.deck52.begin(), decks.deck52.end());
        m_dealt.sort();
    }

    // A third of the time a picture under the hand pointer, as a player follows it, a third a
    // picture that shows, else any point of the table.
    QPoint somewhere()
    {
        const TableModel &table = m_rules->table();
        const int choice = below(3);
        QList<int> pictures;
        for (int i = 0; i < table.pictures.size(); ++i) {
            if (table.at(i).visible && (choice == 1 || table.at(i).hand))
                pictures.append(i);
        }
        if (choice < 2 && !pictures.isEmpty())
            return table.at(pictures.at(below(pictures.size()))).rect.center();
        return {below(m_area.width()), below(m_area.height())};
    }

    // One event; returns what it was. Games in progress are seldom given up, so that many of
    // them reach their end.
    QString step()
    {
        const bool playing = m_playing = m_state.gameInProgress;
        const TableModel before = m_rules->table();
        if (below(2000) < 2) {
            if (m_state.gameInProgress && chance(2))
                return QStringLiteral("DISTRIBUER, Non");
            m_session->deal();
            return QStringLiteral("DISTRIBUER");
        }
        if (below(100) == 0)
            return pressControl();
        if (m_rules->timerRunning() && chance(10)) {
            m_session->timerTick();
            return QStringLiteral("minuterie");
        }
        if (m_jouer && chance(20)) {
            m_jouer = false;
            m_playing = true;
            m_session->play();
            return QStringLiteral("JOUER");
        }
        const QString event = cardEvent(); // the cards may move only in a game
        if (!playing && m_rules->table() != before)
            fail(QStringLiteral("the table changed while no game was in progress"));
        return event;
    }

    QString cardEvent()
    {
        const QPoint at = somewhere();
        const int picture = m_rules->table().pictureAt(at);
        const QString where = QStringLiteral(" %1 (%2, %3)").arg(picture).arg(at.x()).arg(at.y());
        switch (below(6)) {
        case 0:
            hand().hover(at);
            return QStringLiteral("survol") + where;
        case 1:
            hand().doubleClick(at);
            return QStringLiteral("double clic") + where;
        case 2:
            hand().rightClick(at);
            return QStringLiteral("clic droit") + where;
        case 3:
        case 4:
            hand().click(at);
            return QStringLiteral("clic") + where;
        default:
            return drag(picture, at, where);
        }
    }

    // Half the time the mouse wanders over a few places; else it passes over every picture in
    // turn until a frame shows, as a player looks for the frame. It is let go where the frame
    // showed, or wherever it is after the last move.
    QString drag(int source, QPoint from, const QString &where)
    {
        if (source < 0 || !m_rules->table().at(source).draggable)
            return QStringLiteral("glisser rien") + where;
        QList<QPoint> path;
        if (chance(2)) {
            for (int moves = 1 + below(4); moves > 0; --moves)
                path.append(somewhere());
        } else {
            for (const Picture &picture : m_rules->table().pictures) {
                if (picture.visible)
                    path.append(picture.rect.center());
            }
            std::shuffle(path.begin(), path.end(), m_choices);
        }
        hand().press(from);
        QPoint at = somewhere();
        for (const QPoint &next : std::as_const(path)) {
            at = next;
            const QList<Frame> frames = m_rules->table().frames;
            hand().moveTo(at);
            if (!m_failure.isEmpty() || (m_rules->table().frames != frames && !chance(4)))
                break;
        }
        hand().release(at);
        return QStringLiteral("glisser%1 vers (%2, %3)").arg(where).arg(at.x()).arg(at.y());
    }

    QString pressControl()
    {
        QList<Control> usable;
        for (const Control &control : m_rules->table().controls) {
            if (control.enabled && control.visible && control.kind != Control::Kind::Label)
                usable.append(control);
        }
        if (usable.isEmpty())
            return QStringLiteral("aucun contrôle");
        const Control control = usable.at(below(usable.size()));
        if (control.kind == Control::Kind::Button) {
            m_session->press(control.name);
            return QStringLiteral("bouton ") + control.name;
        }
        const int entry = below(control.entries.size());
        m_session->select(control.name, entry);
        return QStringLiteral("liste %1, entrée %2").arg(control.name).arg(entry);
    }

    void check(const QString &event)
    {
        note(event);
        QStringList cards = m_rules->cardCodes();
        cards.sort();
        if (cards == m_dealt)
            return;
        QStringList differ; // the cards missing or there too often
        for (const QString &card : m_dealt + cards) {
            if (cards.count(card) != m_dealt.count(card) && !differ.contains(card))
                differ.append(card);
        }
        fail(QStringLiteral("the cards are not those dealt: ") + differ.join(u' '));
    }

    void note(const QString &event)
    {
        m_trace.append(event);
        if (m_trace.size() > 40)
            m_trace.removeFirst();
    }

    void fail(const QString &why)
    {
        if (m_failure.isEmpty())
            m_failure =
                why + QStringLiteral("\nlast events:\n  ") + m_trace.join(QStringLiteral("\n  "));
    }

    AppState m_state;
    SettingsStore m_settings;
    SeededRandom m_random;
    std::mt19937 m_choices;
    QuietHost m_host;
    std::unique_ptr<GameSession> m_session;
    GameRules *m_rules = nullptr;
    std::unique_ptr<RulesHand> m_hand;
    PlayerHand *m_handInUse = nullptr;
    QSize m_area;
    QStringList m_dealt;
    bool m_jouer = true;    // JOUER can be pressed
    bool m_playing = false; // a game was in progress when the event began
    int m_endsThisDeal = 0;
    int m_ends = 0;
    QStringList m_trace;
    QString m_failure;
};
