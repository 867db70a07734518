#include "fakehost.h"
#include "fakemainlink.h"
#include "games/cardtable.h"
#include "games/controlwidgets.h"
#include "games/gamecatalog.h"
#include "games/gameform.h"
#include "games/rulesregistry.h"
#include "games/tablekeyboard.h"
#include "games/tablenavigation.h"
#include "randomplayer.h"
#include "settings/settingkeys.h"
#include "shared/files.h"
#include "solver/solverregistry.h"
#include "testapp.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QQueue>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <random>

using TableNavigation::Direction;
using TableNavigation::Spot;

namespace {

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

// One game window played by keys alone, beside a twin of its rules on the same deal played by
// the calls the mouse makes.
class KeyboardPlayer {
public:
    KeyboardPlayer(const QString &game, quint32 seed) : m_choices(seed)
    {
        for (TestApp *app : {&m_app, &m_twinApp}) {
            app->random = SeededRandom(seed);
            app->set(Settings::Melange, QStringLiteral("10"));
        }
        m_app.dialogs.answers = {false};
        const RulesFactory &make = *RulesRegistry::rulesFor(game);
        // As the window loads: no game, the look, the deal, the game's own settings.
        m_host.state = &m_twinApp.state;
        m_twin = make(m_twinApp.context.core(), m_host);
        m_twinApp.state.gameInProgress = false;
        m_twin->applyLook(FileExists(m_twinApp.state.cardsFilePath));
        m_twin->Distribution();
        m_twin->load();
        // Random moves seldom reach the end of these: Pyramide waits for the player to give up
        // when no move is left, Roi Albert has no defeat, Pousse-pousse's grid is a puzzle. They
        // follow their solver's winning line.
        if (game == QLatin1String("Pyramide") || game == QLatin1String("Roi Albert") ||
            game == QLatin1String("Pousse-pousse"))
            m_solver = SolverRegistry::solverFor(game);
        m_form = new GameForm(*GameCatalog::byMenuName(game), m_app.context, m_main, make);
        QMdiSubWindow *sub = m_area.addSubWindow(m_form);
        m_area.resize(800, 600);
        m_area.show();
        sub->showMaximized();
        QApplication::setActiveWindow(&m_area);
        m_active = QTest::qWaitForWindowActive(&m_area);
    }

    // Plays until the game ends; "" when the window followed its twin all the way and they
    // ended alike, else what went wrong.
    QString play(int maxMoves)
    {
        if (!m_active)
            return QStringLiteral("the window did not become active");
        key(Qt::Key_J, Qt::AltModifier);
        m_twinApp.state.gameInProgress = true;
        m_twin->play();
        if (!QTest::qWaitFor([this] { return !m_form->Boutons[0]->isEnabled(); }))
            return QStringLiteral("Alt+J did not start the game");
        for (int moves = 0; moves < maxMoves && m_host.results.isEmpty(); ++moves) {
            const std::optional<PlayerAction> move = m_solver ? nextOfWinningLine() : choose();
            if (!move)
                return QStringLiteral("no move changes anything, yet the game goes on");
            ++m_moves;
            const QString failure = send(*move);
            if (!failure.isEmpty())
                return QStringLiteral("move %1: %2").arg(moves).arg(failure);
            tick();
            if (cards(m_form->rules().table()) != cards(m_twin->table()))
                return QStringLiteral("move %1: the cards differ from the mouse's").arg(moves);
        }
        if (m_host.results.isEmpty())
            return QStringLiteral("no end after %1 moves").arg(maxMoves);
        const auto &shown = m_app.dialogs.shown;
        if (shown.isEmpty() || !shown.last().question)
            return QStringLiteral("the window asked nothing at the end");
        m_won = shown.last().text.startsWith(QStringLiteral("BRAVO"));
        if (m_won != m_host.results.first())
            return QStringLiteral("the window and the mouse ended differently");
        if (m_solver && !m_won)
            return QStringLiteral("the winning line did not win");
        return {};
    }

    int keys() const { return m_keys; }
    int moves() const { return m_moves; }
    bool won() const { return m_won; }

private:
    struct Observed {
        QString cards;
        QList<Frame> frames;
        QString prompt;
        bool ended;
        bool operator==(const Observed &) const = default;
    };
    Observed observe() const
    {
        return {cards(m_twin->table()), m_twin->table().frames, m_host.current,
                !m_host.results.isEmpty()};
    }

    // A move that changes what the player sees, tried on the twin: a card sent home by a double
    // click when one goes, else the first of many random tries that does. A try that changes
    // nothing is a refused move, which changes nothing.
    std::optional<PlayerAction> choose()
    {
        using Kind = PlayerAction::Kind;
        const QRect reach = TableNavigation::reach(m_twin->layout().area);
        const QList<Spot> spots = TableNavigation::spots(m_twin->table(), {}, reach);
        const auto within = [](const QList<Spot> &among, int picture) {
            return std::any_of(among.begin(), among.end(),
                               [picture](const Spot &spot) { return spot.index == picture; });
        };
        for (const Spot &spot : spots) {
            if (!m_twin->table().at(spot.index).draggable)
                continue;
            const PlayerAction home{Kind::DoubleClick, spot.index, -1, {}};
            m_twin->hover(spot.index);
            const QString before = cards(m_twin->table());
            apply(home);
            if (cards(m_twin->table()) != before || !m_host.results.isEmpty())
                return home;
        }
        for (int tries = 0; tries < 2000; ++tries) {
            const PlayerAction action = PlayerAction::draw(*m_twin, m_choices);
            if (action.kind == Kind::Select || action.kind == Kind::Tick ||
                (action.kind != Kind::Press && !within(spots, action.source)))
                continue;
            if (action.source >= 0)
                m_twin->hover(action.source);
            // Space picks a card that is dragged up: such a card is double-clicked or dragged.
            if ((action.kind == Kind::Click && m_twin->table().at(action.source).draggable) ||
                (action.kind == Kind::Drag &&
                 !within(
                     TableNavigation::spots(m_twin->table(), m_twin->dragged(action.source), reach),
                     action.target)))
                continue;
            const Observed before = observe();
            apply(action);
            if (observe() != before)
                return action;
        }
        return std::nullopt;
    }

    // The solver's winning line, asked for at the first move, each action as the mouse gives it.
    std::optional<PlayerAction> nextOfWinningLine()
    {
        using Kind = PlayerAction::Kind;
        if (!m_planned) {
            m_planned = true;
            const std::atomic<bool> cancel{false};
            const SolverAnswer answer = m_solver->prepare(*m_twin)->run(cancel);
            if (answer.verdict != SolverAnswer::Verdict::Winnable)
                return std::nullopt;
            for (const SolverMove &move : answer.line) {
                if (move.action == SolverMove::Action::Drop) {
                    m_line.append({Kind::Drag, move.picture, move.target, {}});
                } else if (move.action == SolverMove::Action::RightPress) {
                    m_line.append({Kind::RightPress, move.picture, -1, {}});
                } else if (move.action == SolverMove::Action::DoubleClick) {
                    m_line.append({Kind::DoubleClick, move.picture, -1, {}});
                } else {
                    m_line.append({Kind::Click, move.picture, -1, {}});
                    if (move.partner >= 0)
                        m_line.append({Kind::Click, move.partner, -1, {}});
                }
            }
        }
        if (m_line.isEmpty())
            return std::nullopt;
        const PlayerAction action = m_line.takeFirst();
        m_twin->hover(action.source);
        apply(action);
        return action;
    }

    // The action on the twin as the mouse makes it: a double click on a card that is not
    // dragged clicks it first.
    void apply(const PlayerAction &action)
    {
        if (action.kind == PlayerAction::Kind::DoubleClick &&
            !m_twin->table().at(action.source).draggable) {
            m_twin->click(action.source);
            if (!m_host.results.isEmpty())
                return;
        }
        action.apply(*m_twin);
    }

    // The same action by keys: Space clicks, Shift+Return double-clicks, the menu key is the
    // right button, Ctrl+Space picks a card up and Return drops it.
    QString send(const PlayerAction &action)
    {
        if (action.kind == PlayerAction::Kind::Press)
            return press(action.control);
        if (!focusOn(action.source, false))
            return QStringLiteral("picture %1 cannot be reached by the arrows").arg(action.source);
        switch (action.kind) {
        case PlayerAction::Kind::DoubleClick:
            key(Qt::Key_Return, Qt::ShiftModifier);
            break;
        case PlayerAction::Kind::RightPress:
            key(Qt::Key_Menu);
            break;
        case PlayerAction::Kind::Drag:
            key(Qt::Key_Space, Qt::ControlModifier);
            if (m_form->Tapis->keyboard()->carried() != action.source)
                return QStringLiteral("picture %1 was not picked up").arg(action.source);
            if (!focusOn(action.target, true))
                return QStringLiteral("target %1 cannot be reached with picture %2")
                    .arg(action.target)
                    .arg(action.source);
            key(Qt::Key_Return);
            break;
        default:
            key(Qt::Key_Space);
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
            spots = TableNavigation::spots(table, m_form->rules().dragged(keyboard->carried()),
                                           TableNavigation::reach(m_form->rules().layout().area));
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
            if (m_twin->timerRunning() && m_host.results.isEmpty())
                m_twin->timerTick();
        }
    }

    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        ++m_keys;
        QTest::keyClick(QApplication::focusWidget(), k, modifiers);
    }

    TestApp m_app;
    TestApp m_twinApp;
    FakeHost m_host;
    std::unique_ptr<GameRules> m_twin;
    FakeMainLink m_main;
    QMdiArea m_area;
    QPointer<GameForm> m_form;
    std::mt19937 m_choices;
    bool m_active = false;
    bool m_won = false;
    std::unique_ptr<Solver> m_solver; // set for the games that follow a winning line
    bool m_planned = false;
    QList<PlayerAction> m_line;
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
            // Roi Albert has no defeat: a deal that can be won.
            const quint32 seed = game.menuName == QLatin1String("Roi Albert") ? 5 : 7;
            QTest::newRow(qPrintable(game.menuName)) << game.menuName << seed;
        }
    }

    void gamesPlayToTheirEndByKeys()
    {
        QFETCH(QString, game);
        QFETCH(quint32, seed);
        KeyboardPlayer player(game, seed);
        const QString failure = player.play(5000);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        qInfo("%s: %s after %d moves, %d keys", qPrintable(game), player.won() ? "won" : "lost",
              player.moves(), player.keys());
    }
};

QTEST_MAIN(TestKeyboardPlay)
#include "tst_keyboardplay.moc"
