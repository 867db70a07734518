#include "fakemainlink.h"
#include "games/cardtable.h"
#include "games/controlwidgets.h"
#include "games/gamecatalog.h"
#include "games/gameform.h"
#include "games/gameregistry.h"
#include "games/rulesregistry.h"
#include "games/tablekeyboard.h"
#include "games/tablenavigation.h"
#include "settings/settingkeys.h"
#include "shared/files.h"
#include "solver/pyramide/pyramidesolver.h"
#include "testapp.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QQueue>
#include <QTest>
#include <QTimer>
#include <optional>
#include <queue>
#include <random>
#include <string>
#include <unordered_map>

using TableNavigation::Direction;
using TableNavigation::Spot;

namespace {

// The rules of the same deal without a window, given the player's moves as the mouse gives them.
class Twin final : public GameHost {
public:
    Twin(const RulesFactory &make, TestApp &app) : m_app(app)
    {
        rules = make(app.context.core(), *this);
        // As the window loads: no game, the look, the deal, the game's own settings.
        app.state.gameInProgress = false;
        rules->applyLook(FileExists(app.state.cardsFilePath));
        rules->Distribution();
        rules->load();
    }
    void jouer()
    {
        m_app.state.gameInProgress = true;
        rules->play();
    }
    void setPrompt(const QString &text) override { m_prompt = text; }
    QString prompt() const override { return m_prompt; }
    void gameOver(bool won) override
    {
        result = won;
        m_app.state.gameInProgress = false;
    }
    void setTimer(int) override {}

    std::unique_ptr<GameRules> rules;
    std::optional<bool> result;

private:
    TestApp &m_app;
    QString m_prompt;
};

// What the player sees of the cards: the hand pointer and the frames aside, which follow the
// way the mouse or the focus went.
QString cards(const TableModel &table)
{
    QStringList lines;
    for (int i = 0; i < table.pictures.size(); ++i) {
        const Picture &p = table.at(i);
        lines << QStringLiteral("%1 %2 %3 %4 %5 %6,%7")
                     .arg(i)
                     .arg(int(p.visible))
                     .arg(int(p.face))
                     .arg(p.card, p.icon)
                     .arg(p.rect.left())
                     .arg(p.rect.top());
    }
    return lines.join(QLatin1Char('\n'));
}

struct Observed {
    QString cards;
    QList<Frame> frames;
    QString prompt;
    bool operator==(const Observed &) const = default;
};

Observed observe(const Twin &twin)
{
    return {cards(twin.rules->table()), twin.rules->table().frames, twin.prompt()};
}

// The places to click, in turn, that put Pousse-pousse's grid in order: the two jokers at
// either end, the ace to the king between them, the hole last but one. Weighted A* over the 16
// places, the jokers alike; found in a moment, though not the shortest.
QList<int> solveSlidingGrid(const TableModel &table)
{
    const PictureGroup *grid = table.group(QStringLiteral("EspaceJeu"));
    if (!grid || grid->count != 16)
        return {};
    std::string start(16, '.');
    for (int i = 0; i < 16; ++i) {
        const QString &tag = table.at(grid->first + i).tag;
        if (tag == QLatin1String("JEU"))
            start[std::size_t(i)] = 'J';
        else if (!tag.isEmpty())
            start[std::size_t(i)] = char('a' + tag.toInt() - 1);
    }
    const std::string goal = "Jabcdefghijklm.J";
    const auto distance = [](int a, int b) {
        return std::abs(a % 4 - b % 4) + std::abs(a / 4 - b / 4);
    };
    const auto estimate = [&](const std::string &state) {
        int total = 0;
        QList<int> jokers;
        for (int i = 0; i < 16; ++i) {
            const char c = state[std::size_t(i)];
            if (c == 'J')
                jokers.append(i);
            else if (c != '.')
                total += distance(i, c - 'a' + 1);
        }
        return total + std::min(distance(jokers[0], 0) + distance(jokers[1], 15),
                                distance(jokers[0], 15) + distance(jokers[1], 0));
    };
    using Entry = std::tuple<int, int, std::string>; // estimate, moves so far, state
    std::priority_queue<Entry, std::vector<Entry>, std::greater<>> open;
    std::unordered_map<std::string, std::pair<std::string, int>> cameFrom; // state: previous, click
    open.emplace(estimate(start), 0, start);
    cameFrom.emplace(start, std::make_pair(std::string(), -1));
    while (!open.empty() && cameFrom.size() < 3'000'000) {
        const auto [f, g, state] = open.top();
        open.pop();
        if (state == goal) {
            QList<int> clicks;
            for (std::string at = state; at != start; at = cameFrom.at(at).first)
                clicks.prepend(cameFrom.at(at).second);
            return clicks;
        }
        const int hole = int(state.find('.'));
        for (const int step : {-4, 4, -1, 1}) {
            const int from = hole + step;
            if (from < 0 || from >= 16 || (std::abs(step) == 1 && from / 4 != hole / 4))
                continue;
            std::string next = state;
            std::swap(next[std::size_t(hole)], next[std::size_t(from)]);
            if (cameFrom.emplace(next, std::make_pair(state, from)).second)
                open.emplace(g + 1 + 3 * estimate(next), g + 1, next);
        }
    }
    return {};
}

struct Move {
    enum Kind { Click, Double, Right, Drag, Press } kind;
    int picture = -1;
    int target = -1;
    QString control;
};

// One game window played by keys alone, beside its twin played by the mouse's calls.
class KeyboardPlayer {
public:
    KeyboardPlayer(const QString &game, quint32 seed, const QString &melange) : m_choices(seed)
    {
        for (TestApp *app : {&m_app, &m_twinApp}) {
            app->random = SeededRandom(seed);
            app->set(Settings::Melange, melange);
        }
        m_app.dialogs.answers = {false};
        const RulesFactory *make = RulesRegistry::rulesFor(game);
        m_twin.emplace(*make, m_twinApp);
        m_sliding = game == QLatin1String("Pousse-pousse");
        m_pyramide = game == QLatin1String("Pyramide");
        m_form = new GameForm(*GameCatalog::byMenuName(game), m_app.context, m_main, *make);
        QMdiSubWindow *sub = m_area.addSubWindow(m_form);
        m_area.resize(800, 600);
        m_area.show();
        sub->showMaximized();
        QApplication::setActiveWindow(&m_area);
        m_active = QTest::qWaitForWindowActive(&m_area);
    }

    // Plays until the game ends, or with untilEnd false until no move is left; "" when the
    // window followed the mouse's twin all the way and they ended alike, else what went wrong.
    QString play(int maxMoves, bool untilEnd = true)
    {
        if (!m_active)
            return QStringLiteral("the window did not become active");
        key(Qt::Key_J, Qt::AltModifier);
        m_twin->jouer();
        if (!QTest::qWaitFor([this] { return !m_form->Boutons[0]->isEnabled(); }))
            return QStringLiteral("Alt+J did not start the game");
        for (int moves = 0; moves < maxMoves && !m_twin->result; ++moves) {
            const std::optional<Move> move = choose();
            if (!move && !untilEnd)
                return {};
            if (!move)
                return QStringLiteral("no move changes anything, yet the game goes on");
            ++m_moves;
            const QString failure = send(*move);
            if (!failure.isEmpty())
                return QStringLiteral("move %1: %2").arg(moves).arg(failure);
            tick();
            if (cards(m_form->rules().table()) != cards(m_twin->rules->table()))
                return QStringLiteral("move %1: the cards differ from the mouse's").arg(moves);
        }
        if (!m_twin->result)
            return untilEnd ? QStringLiteral("no end after %1 moves").arg(maxMoves) : QString();
        const auto &shown = m_app.dialogs.shown;
        if (shown.isEmpty() || !shown.last().question)
            return QStringLiteral("the window asked nothing at the end");
        const bool won = shown.last().text.startsWith(QStringLiteral("BRAVO"));
        if (won != *m_twin->result)
            return QStringLiteral("the window and the mouse ended differently");
        m_won = won;
        return {};
    }

    int keys() const { return m_keys; }
    int moves() const { return m_moves; }
    bool ended() const { return m_twin->result.has_value(); }
    bool won() const { return m_won; }

private:
    int below(qsizetype n) { return n > 0 ? int(m_choices() % quint32(n)) : -1; }

    // A move that changes what the player sees, tried on the twin: the first of many random
    // tries that does. A try that changes nothing is a refused move, which changes nothing.
    std::optional<Move> choose()
    {
        GameRules &rules = *m_twin->rules;
        if (m_sliding) {
            // A puzzle that random moves never solve: the planned moves, one at a time.
            if (m_plan.isEmpty())
                m_plan = solveSlidingGrid(rules.table());
            if (m_plan.isEmpty())
                return std::nullopt;
            const int picture =
                rules.table().group(QStringLiteral("EspaceJeu"))->first + m_plan.takeFirst();
            rules.hover(picture);
            rules.click(picture);
            return Move{Move::Click, picture, -1, {}};
        }
        if (m_pyramide)
            return nextOfWinningLine();
        // The tries that change nothing change no picture either, so one look at the table
        // serves them all.
        const QList<Spot> spots = TableNavigation::spots(rules.table());
        for (int tries = 0; tries < 2000; ++tries) {
            QList<Control> buttons;
            for (const Control &control : rules.table().controls) {
                if (control.kind == Control::Kind::Button && control.enabled && control.visible)
                    buttons.append(control);
            }
            if (!buttons.isEmpty() && below(20) == 0) {
                const Observed before = observe(*m_twin);
                const Move move{Move::Press, -1, -1, buttons.at(below(buttons.size())).name};
                rules.press(move.control);
                if (observe(*m_twin) != before || m_twin->result)
                    return move;
                continue;
            }
            if (spots.isEmpty())
                return std::nullopt;
            // A card sent home by a double click, when one goes, before anything else.
            if (tries == 0) {
                for (const Spot &spot : spots) {
                    if (!rules.table().at(spot.index).draggable)
                        continue;
                    rules.hover(spot.index);
                    const Observed before = observe(*m_twin);
                    rules.doubleClick(spot.index);
                    if (cards(rules.table()) != before.cards || m_twin->result)
                        return Move{Move::Double, spot.index, -1, {}};
                }
            }
            // Mostly a picture the game lets the player act on, as a player follows the hand.
            QList<int> active;
            for (const Spot &spot : spots) {
                if (rules.table().at(spot.index).hand || rules.table().at(spot.index).draggable)
                    active.append(spot.index);
            }
            const int picture = !active.isEmpty() && below(3) > 0
                                    ? active.at(below(active.size()))
                                    : spots.at(below(spots.size())).index;
            Move move{Move::Click, picture, -1, {}};
            const bool draggable = rules.table().at(picture).draggable;
            rules.hover(picture);
            const Observed before = observe(*m_twin);
            if (draggable) {
                const QList<int> group = rules.dragged(picture);
                const QList<Spot> targets = TableNavigation::spots(rules.table(), group);
                if (targets.isEmpty() || below(8) == 0) {
                    move.kind = Move::Double;
                    rules.doubleClick(picture);
                } else {
                    move.kind = Move::Drag;
                    move.target = targets.at(below(targets.size())).index;
                    rules.dragOver(picture, move.target);
                    rules.drop(picture, move.target, rules.table().at(move.target).rect.topLeft());
                }
            } else {
                switch (below(8)) {
                case 0:
                    move.kind = Move::Double;
                    rules.click(picture);
                    if (!m_twin->result)
                        rules.doubleClick(picture);
                    break;
                case 1:
                    move.kind = Move::Right;
                    rules.rightPress(picture);
                    break;
                default:
                    rules.click(picture);
                }
            }
            if (cards(rules.table()) != before.cards || rules.table().frames != before.frames ||
                m_twin->prompt() != before.prompt || m_twin->result)
                return move;
        }
        return std::nullopt;
    }

    // Pyramide waits for the player to give up when no move is left, and random moves never
    // reach its end: the solver's winning line, each action as the mouse gives it.
    std::optional<Move> nextOfWinningLine()
    {
        GameRules &rules = *m_twin->rules;
        if (!m_planned) {
            m_planned = true;
            const std::atomic<bool> cancel{false};
            const SolverAnswer answer = PyramideSolver{}.prepare(rules)->run(cancel);
            if (answer.verdict != SolverAnswer::Verdict::Winnable)
                return std::nullopt;
            for (const SolverMove &action : answer.line) {
                if (action.action == SolverMove::Action::Drop) {
                    m_line.append({Move::Drag, action.picture, action.target, {}});
                } else if (action.action == SolverMove::Action::RightPress) {
                    m_line.append({Move::Right, action.picture, -1, {}});
                } else {
                    m_line.append({Move::Click, action.picture, -1, {}});
                    if (action.partner >= 0)
                        m_line.append({Move::Click, action.partner, -1, {}});
                }
            }
        }
        if (m_line.isEmpty())
            return std::nullopt;
        const Move move = m_line.takeFirst();
        rules.hover(move.picture);
        if (move.kind == Move::Drag) {
            rules.dragOver(move.picture, move.target);
            rules.drop(move.picture, move.target, rules.table().at(move.target).rect.topLeft());
        } else if (move.kind == Move::Right) {
            rules.rightPress(move.picture);
        } else {
            rules.click(move.picture);
        }
        return move;
    }

    QString send(const Move &move)
    {
        if (move.kind == Move::Press)
            return press(move.control);
        if (!focusOn(move.picture, false))
            return QStringLiteral("picture %1 cannot be reached by the arrows").arg(move.picture);
        switch (move.kind) {
        case Move::Click:
            key(Qt::Key_Space);
            break;
        case Move::Double:
            key(Qt::Key_Return, Qt::ShiftModifier);
            break;
        case Move::Right:
            key(Qt::Key_Menu);
            break;
        case Move::Drag:
            key(Qt::Key_Space, Qt::ControlModifier);
            if (m_form->Tapis->keyboard()->carried() != move.picture)
                return QStringLiteral("picture %1 was not picked up").arg(move.picture);
            if (!focusOn(move.target, true))
                return QStringLiteral("target %1 cannot be reached with picture %2")
                    .arg(move.target)
                    .arg(move.picture);
            key(Qt::Key_Return);
            break;
        case Move::Press:
            break;
        }
        return {};
    }

    // Tab to the game's button, Space, and Shift+Tab back to the table.
    QString press(const QString &control)
    {
        QWidget *button = m_form->control(control);
        for (int i = 0; i < 20 && QApplication::focusWidget() != button; ++i)
            key(Qt::Key_Tab);
        if (QApplication::focusWidget() != button)
            return QStringLiteral("Tab never reaches %1").arg(control);
        key(Qt::Key_Space);
        for (int i = 0; i < 20 && QApplication::focusWidget() != m_form->Tapis; ++i)
            key(Qt::Key_Backtab, Qt::ShiftModifier);
        return QApplication::focusWidget() == m_form->Tapis
                   ? QString()
                   : QStringLiteral("Shift+Tab never comes back to the table");
    }

    // The shortest way of keys from the focus to the picture, then those keys.
    bool focusOn(int picture, bool carrying)
    {
        const TableKeyboard *keyboard = m_form->Tapis->keyboard();
        const TableModel &table = m_form->rules().table();
        QList<Spot> spots = keyboard->spots();
        if (carrying)
            spots = TableNavigation::spots(table, m_form->rules().dragged(keyboard->carried()));
        // Home and End go among the targets; the arrows start from the carried card's place.
        const QList<Spot> ends = spots;
        if (ends.isEmpty())
            return false;
        if (carrying && keyboard->focus() == keyboard->carried()) {
            if (const auto point = TableNavigation::hitPoint(table, keyboard->carried()))
                spots.append({keyboard->carried(), *point});
        }
        const std::array<std::pair<Qt::Key, std::optional<Direction>>, 6> keys{
            {{Qt::Key_Home, std::nullopt},
             {Qt::Key_End, std::nullopt},
             {Qt::Key_Left, Direction::Left},
             {Qt::Key_Right, Direction::Right},
             {Qt::Key_Up, Direction::Up},
             {Qt::Key_Down, Direction::Down}}};
        QHash<int, QPair<int, Qt::Key>> cameFrom;
        QQueue<int> queue;
        const int start = keyboard->focus();
        queue.enqueue(start);
        cameFrom.insert(start, {start, Qt::Key_unknown});
        while (!queue.isEmpty() && !cameFrom.contains(picture)) {
            const int at = queue.dequeue();
            for (const auto &[k, direction] : keys) {
                int to = -1;
                if (!direction) {
                    to = k == Qt::Key_Home ? ends.first().index : ends.last().index;
                } else {
                    to = TableNavigation::next(spots, at, *direction);
                    if (carrying && to == keyboard->carried())
                        to = -1;
                }
                if (to >= 0 && !cameFrom.contains(to)) {
                    cameFrom.insert(to, {at, k});
                    queue.enqueue(to);
                }
            }
        }
        if (!cameFrom.contains(picture))
            return false;
        QList<Qt::Key> path;
        for (int at = picture; at != start; at = cameFrom.value(at).first)
            path.prepend(cameFrom.value(at).second);
        for (Qt::Key k : std::as_const(path))
            key(k);
        return m_form->Tapis->keyboard()->focus() == picture;
    }

    // The rules' own timer runs out at once, in the window as in the twin.
    void tick()
    {
        auto *timer = m_form->findChild<QTimer *>(QStringLiteral("rulesTimer"));
        for (int i = 0; i < 100 && timer && timer->isActive(); ++i) {
            QMetaObject::invokeMethod(timer, "timeout");
            if (m_twin->rules->timerRunning() && !m_twin->result)
                m_twin->rules->timerTick();
        }
    }

    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        ++m_keys;
        QTest::keyClick(QApplication::focusWidget(), k, modifiers);
    }

    TestApp m_app;
    TestApp m_twinApp;
    FakeMainLink m_main;
    QMdiArea m_area;
    QPointer<GameForm> m_form;
    std::optional<Twin> m_twin;
    std::mt19937 m_choices;
    bool m_active = false;
    bool m_won = false;
    bool m_sliding = false; // Pousse-pousse: the moves come from a solver
    QList<int> m_plan;
    bool m_pyramide = false; // Pyramide: the moves come from its solver's winning line
    bool m_planned = false;
    QList<Move> m_line;
    int m_keys = 0;
    int m_moves = 0;
};

} // namespace

class TestKeyboardPlay : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void gamesPlayToTheirEndByKeys_data()
    {
        QTest::addColumn<QString>("game");
        QTest::addColumn<quint32>("seed");
        QVERIFY(!RulesRegistry::all().empty());
        for (const RegisteredRules &game : RulesRegistry::all()) {
            // Roi Albert has no defeat: a deal that these moves win.
            const quint32 seed = game.menuName == QLatin1String("Roi Albert") ? 5 : 7;
            QTest::newRow(qPrintable(game.menuName)) << game.menuName << seed;
        }
    }

    void gamesPlayToTheirEndByKeys()
    {
        QFETCH(QString, game);
        QFETCH(quint32, seed);
        KeyboardPlayer player(game, seed, QStringLiteral("10"));
        const QString failure = player.play(3000);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        // Its seeded deal is winnable, and the keys follow the winning line to the end.
        if (game == QLatin1String("Pyramide"))
            QVERIFY(player.won());
        qInfo("%s: %s after %d moves, %d keys", qPrintable(game), player.won() ? "won" : "lost",
              player.moves(), player.keys());
    }
};

QTEST_MAIN(TestKeyboardPlay)
#include "tst_keyboardplay.moc"
