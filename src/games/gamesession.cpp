// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/gamesession.h"

#include "games/gamehost.h"
#include "games/gameinfo.h"
#include "games/quiethost.h"
#include "settings/settingkeys.h"
#include "settings/settingsstore.h"
#include "shared/appstate.h"
#include "shared/cards.h"
#include "shared/gameclock.h"
#include "shared/recordlog.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDataStream>
#include <QDateTime>
#include <QTemporaryDir>
#include <algorithm>
#include <cstring>
#include <numeric>
#include <optional>
#include <span>

namespace {

const QString Title = QStringLiteral("VORELLES");
constexpr QChar KeySeparator = u'/';

QStringList deckOf(const AppState &state, int size)
{
    const auto &deck = size == Cards::SmallDeck ? std::span<const QString>(state.decks.deck32)
                                                : std::span<const QString>(state.decks.deck52);
    return QStringList(deck.begin(), deck.end());
}

void layDeck(AppState &state, const QStringList &deck)
{
    const auto slots = deck.size() == Cards::SmallDeck ? std::span<QString>(state.decks.deck32)
                                                       : std::span<QString>(state.decks.deck52);
    std::copy(deck.begin(), deck.end(), slots.begin());
}

// The deck of the game's size in some order: every card once.
bool isDeck(QStringList deck, int size)
{
    if (deck.size() != size)
        return false;
    AppState fresh;
    BuildCardTables(fresh);
    QStringList cards = deckOf(fresh, size);
    deck.sort();
    cards.sort();
    return deck == cards;
}

SessionEvent input(SessionEvent::Kind kind, int picture = -1, int target = -1, QPoint at = {},
                   const QString &control = {})
{
    SessionEvent event;
    event.kind = kind;
    event.picture = picture;
    event.target = target;
    event.at = at;
    event.control = control;
    return event;
}

} // namespace

void GameHost::gameOver(bool won)
{
    if (m_session)
        m_session->gameOver(won);
}

GameSession::GameSession(const GameInfo &info, CoreContext context, GameHost &host)
    : m_info(info), m_outer(context), m_host(host), m_random(context.random, m_log.draws),
      m_rules(info.makeRules(info, {context.state, context.settings, m_random}, host)),
      m_history(*m_rules, host)
{
    m_log.game = QString::fromUtf8(info.menuName);
    m_host.m_session = this;
}

GameSession::~GameSession()
{
    if (m_host.m_session == this)
        m_host.m_session = nullptr;
}

bool GameSession::inProgress() const
{
    return m_outer.state.gameInProgress;
}

// The deal is about to read the deck, the settings and the random draws: the log starts with
// what it will find.
void GameSession::beginLog(SessionLog::DealKind kind, quint32 number)
{
    m_log.dealKind = kind;
    m_log.dealNumber = number;
    m_log.deck = deckOf(m_outer.state, m_info.deckSize);
    m_log.settings.clear();
    const QString caption = QString::fromUtf8(m_info.caption);
    for (const Settings::Key &key : Settings::allKeys()) {
        const QString section = QString::fromUtf8(key.section);
        if (section != caption && !(section == QLatin1String("parametres") &&
                                    std::strcmp(key.name, Settings::Melange) == 0))
            continue;
        const QString name = QString::fromUtf8(key.name);
        m_log.settings.append(
            {section + KeySeparator + name, m_outer.settings.read(section, name)});
    }
    m_log.draws.clear();
    m_log.events.clear();
}

void GameSession::open(quint32 number)
{
    m_outer.state.gameInProgress = false;
    beginLog(SessionLog::DealKind::Opening, number);
    m_rules->deal(number);
    m_rules->load();
    m_waiting = true;
    afterDeal();
}

bool GameSession::mayDealAgain()
{
    return !inProgress() ||
           m_host.askYesNo(QCoreApplication::translate(
                               "GameSession", "Une partie est actuellement en cours. Voulez-vous "
                                              "vraiment en commencer une nouvelle ?"),
                           m_rules->layout().dealTitle, GameHost::Asking::GiveUp);
}

void GameSession::deal(quint32 number)
{
    AppState &state = m_outer.state;
    state.gameInProgress = false;
    state.elapsedSeconds = 0;
    m_host.stopClock();
    m_host.dealing();
    beginLog(SessionLog::DealKind::Deal, number);
    m_rules->deal(number);
    m_host.setPrompt(m_rules->layout().dealtPrompt);
    m_waiting = true;
    afterDeal();
    m_host.dealt();
}

void GameSession::replayDeal()
{
    AppState &state = m_outer.state;
    state.gameInProgress = false;
    state.elapsedSeconds = 0;
    m_host.stopClock();
    m_host.dealing();
    const GameSnapshot dealt = m_dealt;
    m_log.events.resize(m_dealtEvents);
    m_log.draws.resize(m_dealtDraws);
    m_history.restore(dealt);
    m_waiting = true;
    afterDeal();
    m_host.dealt();
}

// A deal waits for JOUER: nothing to undo, the deal kept for a replay.
void GameSession::afterDeal()
{
    m_history.forget();
    m_dealt = m_history.capture();
    m_dealtEvents = m_log.events.size();
    m_dealtDraws = m_log.draws.size();
}

void GameSession::play()
{
    AppState &state = m_outer.state;
    state.gameInProgress = true;
    state.elapsedSeconds = 0;
    m_host.startClock();
    m_waiting = false;
    m_dealt = m_history.capture();
    m_dealtEvents = m_log.events.size();
    m_dealtDraws = m_log.draws.size();
    note(input(SessionEvent::Kind::Play));
    m_rules->play();
    if (state.gameInProgress && m_keepUndo)
        m_history.start();
}

void GameSession::stop()
{
    m_outer.state.gameInProgress = false;
    m_history.forget();
}

void GameSession::note(const SessionEvent &event)
{
    m_log.events.push_back(event);
}

void GameSession::act(const SessionEvent &event, const std::function<void()> &action)
{
    note(event);
    m_history.act(action);
    // Waiting for JOUER, what changes is the deal itself (a game that deals again when one of
    // its lists changes).
    if (m_waiting)
        afterDeal();
}

void GameSession::click(int picture)
{
    act(input(SessionEvent::Kind::Click, picture), [&] { m_rules->click(picture); });
}

void GameSession::doubleClick(int picture)
{
    act(input(SessionEvent::Kind::DoubleClick, picture), [&] { m_rules->doubleClick(picture); });
}

void GameSession::rightPress(int picture)
{
    act(input(SessionEvent::Kind::RightPress, picture), [&] { m_rules->rightPress(picture); });
}

void GameSession::drop(int picture, int target, QPoint at)
{
    act(input(SessionEvent::Kind::Drop, picture, target, at),
        [&] { m_rules->drop(picture, target, at); });
}

void GameSession::select(const QString &control, int entry)
{
    act(input(SessionEvent::Kind::Select, -1, entry, QPoint(), control),
        [&] { m_rules->select(control, entry); });
}

void GameSession::press(const QString &control)
{
    act(input(SessionEvent::Kind::Press, -1, -1, QPoint(), control),
        [&] { m_rules->press(control); });
}

void GameSession::hover(int picture)
{
    note(input(SessionEvent::Kind::Hover, picture));
    m_rules->hover(picture);
}

void GameSession::dragOver(int picture, int target)
{
    note(input(SessionEvent::Kind::DragOver, picture, target));
    m_rules->dragOver(picture, target);
}

void GameSession::timerTick()
{
    note(input(SessionEvent::Kind::Tick));
    m_rules->timerTick();
}

void GameSession::apply(const SessionEvent &event)
{
    using Kind = SessionEvent::Kind;
    switch (event.kind) {
    case Kind::Play:
        play();
        return;
    case Kind::Click:
        click(event.picture);
        return;
    case Kind::DoubleClick:
        doubleClick(event.picture);
        return;
    case Kind::RightPress:
        rightPress(event.picture);
        return;
    case Kind::Hover:
        hover(event.picture);
        return;
    case Kind::DragOver:
        dragOver(event.picture, event.target);
        return;
    case Kind::Drop:
        drop(event.picture, event.target, event.at);
        return;
    case Kind::Select:
        select(event.control, event.target);
        return;
    case Kind::Press:
        press(event.control);
        return;
    case Kind::Tick:
        timerTick();
        return;
    case Kind::Undo:
        undo();
        return;
    case Kind::Redo:
        redo();
        return;
    }
}

UndoPolicy GameSession::undoPolicy() const
{
    return UndoPolicyFor(m_info.windowName);
}

bool GameSession::canUndo() const
{
    return undoPolicy() == UndoPolicy::Allowed && inProgress() && m_history.canUndo();
}

bool GameSession::canRedo() const
{
    return undoPolicy() == UndoPolicy::Allowed && inProgress() && m_history.canRedo();
}

void GameSession::undo()
{
    if (!canUndo())
        return;
    note(input(SessionEvent::Kind::Undo));
    m_history.undo();
}

void GameSession::redo()
{
    if (!canRedo())
        return;
    note(input(SessionEvent::Kind::Redo));
    m_history.redo();
}

void GameSession::gameOver(bool won)
{
    AppState &state = m_outer.state;
    const QString shown = m_host.clockText();
    const GameRecord record{
        QDateTime::currentDateTime(), QString::fromUtf8(m_info.caption),
        m_host.playerName(),          shown.isEmpty() ? ClockText(state.elapsedSeconds) : shown,
        m_rules->statistic(),         won ? QStringLiteral("VRAI") : QStringLiteral("FAUX")};
    m_history.forget();
    m_log.events.clear();
    // The table shows the last move before any message covers it.
    m_host.positionChanged();
    // A game the demonstration played any move of is not the player's: it is left out, like an
    // abandoned one, and the prompt says so.
    const bool recorded = m_host.mayRecord();
    const QString failure = recorded ? m_host.record(record) : QString();
    if (!failure.isEmpty())
        m_host.tell(failure);
    const QString notRecorded =
        recorded ? QString()
                 : QCoreApplication::translate(
                       "GameSession", "Partie terminée par la démonstration : non enregistrée.");
    m_host.setPrompt(notRecorded);
    state.gameInProgress = false;
    const QString question =
        won ? QCoreApplication::translate(
                  "GameSession", "BRAVO, vous avez gagné la partie. Voulez-vous recommencer une "
                                 "nouvelle vorelle ?")
            : m_rules->layout().lostQuestion;
    if (m_host.askYesNo(question, Title, GameHost::Asking::DealAgain)) {
        deal();
        m_host.positionChanged();
    } else {
        m_host.setPrompt(
            QStringList{notRecorded, QCoreApplication::translate("GameSession",
                                                                 "Appuyez sur le bouton DISTRIBUER "
                                                                 "pour commencer une nouvelle "
                                                                 "partie.")}
                .join(QLatin1Char(' '))
                .trimmed());
    }
}

QByteArray GameSession::positionDigest() const
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    const TableModel &table = m_rules->table();
    // What shows, in words that do not change with the language (the next start may speak
    // another): no prompt, caption or label text, which the rules make from the same state. A
    // hidden frame's place and the picture of a face that is not one are left over from earlier
    // deals, and the stacking counts only as an order.
    QList<int> stacking(table.pictures.size());
    std::iota(stacking.begin(), stacking.end(), 0);
    std::stable_sort(stacking.begin(), stacking.end(),
                     [&table](int a, int b) { return table.at(a).z < table.at(b).z; });
    for (const Picture &p : table.pictures)
        out << p.tag << p.card << int(p.face)
            << (p.face == Picture::Face::Icon ? p.icon : QString()) << p.rect << p.visible
            << p.border << p.draggable;
    out << stacking;
    for (const Control &c : table.controls)
        out << c.name << c.current << c.enabled << c.visible;
    for (const Frame &f : table.frames)
        out << f.visible << (f.visible ? f.rect : QRect()) << int(f.colour);
    out << m_rules->snapshot().timerInterval << inProgress();
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

// Whether the window could have passed the event: a picture it names shows on the table (a drag
// starts from a card that can be dragged), a control it names is one of the game's.
bool GameSession::couldReceive(const SessionEvent &event) const
{
    using Kind = SessionEvent::Kind;
    const TableModel &table = m_rules->table();
    const auto shown = [&table](int picture) {
        return picture >= 0 && picture < table.pictures.size() && table.at(picture).visible;
    };
    switch (event.kind) {
    case Kind::Click:
    case Kind::DoubleClick:
    case Kind::RightPress:
        return shown(event.picture);
    case Kind::Hover:
        return event.picture == -1 || shown(event.picture);
    case Kind::DragOver:
    case Kind::Drop:
        return shown(event.picture) && table.at(event.picture).draggable &&
               (event.target == -1 || shown(event.target));
    case Kind::Select:
    case Kind::Press:
        return table.control(event.control) != nullptr;
    case Kind::Play:
        return m_waiting;
    case Kind::Tick:
        return m_rules->timerRunning();
    case Kind::Undo:
    case Kind::Redo:
        return true;
    }
    return false;
}

SessionLog GameSession::saved() const
{
    SessionLog log = m_log;
    log.elapsedSeconds = m_outer.state.elapsedSeconds;
    log.position = positionDigest();
    return log;
}

// A game played again from its log away from the host and from the player's settings file: on
// its own state, a settings file holding what the deal found, the logged draws and a quiet host.
struct GameSession::Replay {
    QTemporaryDir folder;
    AppState state;
    std::optional<SettingsStore> settings;
    ReplayRandom random;
    QuietHost quiet;
    std::unique_ptr<GameSession> session;
};

std::unique_ptr<GameSession::Replay> GameSession::replay(const SessionLog &log) const
{
    if (log.game != QString::fromUtf8(m_info.menuName) || !isDeck(log.deck, m_info.deckSize) ||
        log.elapsedSeconds < 0 || log.elapsedSeconds > 32767)
        return nullptr;
    auto replay = std::make_unique<Replay>();
    if (!replay->folder.isValid())
        return nullptr;
    AppState &state = replay->state;
    BuildCardTables(state);
    state.cardsFilePath = m_outer.state.cardsFilePath;
    SettingsStore &settings =
        replay->settings.emplace(replay->folder.filePath(QStringLiteral("reprise.ini")));
    for (const auto &[where, value] : log.settings) {
        const qsizetype cut = where.indexOf(KeySeparator);
        if (cut <= 0 || !settings.write(where.left(cut), where.mid(cut + 1), value))
            return nullptr;
    }
    replay->session = std::make_unique<GameSession>(
        m_info, CoreContext{state, settings, replay->random}, replay->quiet);
    GameSession &session = *replay->session;
    if (log.dealKind == SessionLog::DealKind::Opening) {
        layDeck(state, log.deck);
        replay->random.replay(log.draws);
        session.open(log.dealNumber);
    } else {
        session.open();
        layDeck(state, log.deck);
        replay->random.replay(log.draws);
        session.deal(log.dealNumber);
    }
    for (const SessionEvent &event : log.events) {
        if (!session.couldReceive(event))
            return nullptr;
        session.apply(event);
    }
    if (replay->random.ranOut() || !replay->random.usedAll() || !replay->quiet.results.isEmpty() ||
        !session.inProgress() || session.m_log.events != log.events ||
        session.positionDigest() != log.position)
        return nullptr;
    return replay;
}

bool GameSession::rehearse(const std::function<void(GameSession &, const QuietHost &)> &use) const
{
    const std::unique_ptr<Replay> copy = replay(saved());
    if (!copy)
        return false;
    // The prompt may still say what came before the deal, which the log does not hold.
    copy->quiet.current = m_host.prompt();
    use(*copy->session, copy->quiet);
    return true;
}

bool GameSession::resume(const SessionLog &log)
{
    const std::unique_ptr<Replay> played = replay(log);
    if (!played)
        return false;
    GameSession &copy = *played->session;
    const AppState &state = played->state;
    const QuietHost &quiet = played->quiet;

    // The replay gave the game as it stood: the rules, the history and the deal take its place.
    m_log = log;
    m_outer.state.decks = state.decks;
    m_outer.state.deckSize = state.deckSize;
    m_outer.state.shuffleRounds = state.shuffleRounds;
    m_history.adopt(copy.m_history);
    m_rules->restore(copy.m_rules->snapshot());
    m_host.setPrompt(quiet.prompt());
    m_dealt = copy.m_dealt;
    m_dealtEvents = copy.m_dealtEvents;
    m_dealtDraws = copy.m_dealtDraws;
    m_waiting = false;
    m_outer.state.gameInProgress = true;
    m_outer.state.elapsedSeconds = qint16(log.elapsedSeconds);
    m_host.startClock();
    return true;
}
