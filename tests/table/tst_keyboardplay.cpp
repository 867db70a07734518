// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/gamecatalog.h"
#include "fakemainlink.h"
#include "games/fakehost.h"
#include "games/picturenames.h"
#include "games/randomplayer.h"
#include "games/tablenavigation.h"
#include "settings/settingkeys.h"
#include "shared/files.h"
#include "solver/solver.h"
#include "table/cardtable.h"
#include "table/controlwidgets.h"
#include "table/gameform.h"
#include "table/tablefocus.h"
#include "testapp.h"

#include <QAccessible>
#include <QApplication>
#include <QImage>
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
QList<std::tuple<bool, Picture::Face, QString, QString, QPoint>> cards(const TableModel &table)
{
    QList<std::tuple<bool, Picture::Face, QString, QString, QPoint>> seen;
    for (const Picture &p : table.pictures)
        seen.append({p.visible, p.face, p.card, p.icon, p.rect.topLeft()});
    return seen;
}

// Rules that write down every call they receive, over three pictures in a row — a card that is
// dragged, a card that is clicked, an empty place — and a card parked far beyond the window, out
// of sight and of reach.
class RecordingRules final : public GameRules {
public:
    enum { Dragged, Clicked, Place, Parked };
    RecordingRules(CoreContext context, GameHost &host)
        : GameRules(*GameCatalog::byMenuName(QStringLiteral("Monte-Carlo")), context, host)
    {
        m_table.addGroup(QStringLiteral("Carte"), 4);
        for (int i = 0; i < 3; ++i)
            m_table.at(i).rect.moveTopLeft(QPoint(120 + 1200 * i, 120));
        m_table.at(Parked).rect.moveTopLeft(QPoint(20000, 20000));
        m_table.at(Dragged).draggable = true;
        m_table.at(Place).border = true;
        m_table.frames.append(Frame{});
    }
    FormLayout layout() const override
    {
        FormLayout layout;
        layout.area = QSize(6000, 3000);
        layout.info = QRect(120, 1800, 3000, 600);
        for (int i = 0; i < 4; ++i)
            layout.buttons[std::size_t(i)] = QRect(4000, 120 + 360 * i, 1095, 315);
        return layout;
    }
    void Distribution() override
    {
        shuffle();
        m_table.at(Dragged).deal(QStringLiteral("DAMEDECOEUR"));
        m_table.at(Dragged).face = Picture::Face::Front;
        m_table.at(Clicked).deal(QStringLiteral("10DEPIQUE"));
        m_table.at(Clicked).face = Picture::Face::Back;
    }
    void play() override {}
    void click(int i) override { calls << QStringLiteral("click %1").arg(i); }
    void doubleClick(int i) override { calls << QStringLiteral("double %1").arg(i); }
    void rightPress(int i) override { calls << QStringLiteral("right %1").arg(i); }
    void hover(int i) override { calls << QStringLiteral("hover %1").arg(i); }
    void dragOver(int source, int target) override
    {
        calls << QStringLiteral("over %1 %2").arg(source).arg(target);
        m_table.frames[0].surround(m_table.at(target));
        m_table.frames[0].visible = true;
    }
    void drop(int source, int target, QPoint at) override
    {
        calls << QStringLiteral("drop %1 %2 %3,%4").arg(source).arg(target).arg(at.x()).arg(at.y());
        m_table.frames[0].visible = false;
    }
    QStringList calls;
};

// A game window maximized in an active area; its questions are answered No.
struct Window {
    explicit Window(const QString &game, quint32 seed = 1)
        : Window(*GameCatalog::byMenuName(game), seed)
    {
    }
    explicit Window(const GameInfo &game, quint32 seed = 1)
    {
        app.random = SeededRandom(seed);
        app.set(Settings::Melange, QStringLiteral("10"));
        app.dialogs.answers = {false};
        form = new GameForm(game, app.context, main);
        QMdiSubWindow *sub = area.addSubWindow(form);
        area.resize(800, 600);
        area.show();
        sub->showMaximized();
        QApplication::setActiveWindow(&area);
        QVERIFY(QTest::qWaitForWindowActive(&area));
    }
    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
    }
    void keys(std::initializer_list<QKeyCombination> combinations)
    {
        for (const QKeyCombination combination : combinations)
            key(combination.key(), combination.keyboardModifiers());
    }
    TestApp app;
    FakeMainLink main;
    QMdiArea area;
    QPointer<GameForm> form;
};

// Monte-Carlo's window playing the recording rules, and those rules.
RecordingRules *madeRecording = nullptr;
std::unique_ptr<Window> recording(RecordingRules *&rules)
{
    static const GameInfo recorded = [] {
        GameInfo info = *GameCatalog::byMenuName(QStringLiteral("Monte-Carlo"));
        info.makeRules = [](const GameInfo &, CoreContext context,
                            GameHost &host) -> std::unique_ptr<GameRules> {
            auto made = std::make_unique<RecordingRules>(context, host);
            madeRecording = made.get();
            return made;
        };
        return info;
    }();
    auto window = std::make_unique<Window>(recorded);
    rules = madeRecording;
    return window;
}

// One game window played by keys alone, beside a twin of its rules on the same deal played by
// the calls the mouse makes.
class KeyboardPlayer {
public:
    KeyboardPlayer(const QString &game, quint32 seed) : m_window(game, seed), m_choices(seed)
    {
        m_twinApp.random = SeededRandom(seed);
        m_twinApp.set(Settings::Melange, QStringLiteral("10"));
        // As the window loads: no game, the look, the deal, the game's own settings.
        m_host.state = &m_twinApp.state;
        m_twin = GameCatalog::rulesFor(game)(m_twinApp.context.core(), m_host);
        m_twinApp.state.gameInProgress = false;
        m_twin->applyLook(FileExists(m_twinApp.state.cardsFilePath));
        m_twin->Distribution();
        m_twin->load();
        // Random moves seldom reach the end of these: Pyramide waits for the player to give up
        // when no move is left, Roi Albert has no defeat, Pousse-pousse's grid is a puzzle. They
        // follow their solver's winning line.
        m_solver = game == QLatin1String("Pyramide") || game == QLatin1String("Roi Albert") ||
                   game == QLatin1String("Pousse-pousse");
    }

    // Plays until the game ends; "" when the window followed its twin all the way and they
    // ended alike, else what went wrong.
    QString play(int maxMoves)
    {
        key(Qt::Key_J, Qt::AltModifier);
        m_twinApp.state.gameInProgress = true;
        m_twin->play();
        if (!QTest::qWaitFor([this] { return !m_window.form->Boutons[0]->isEnabled(); }))
            return QStringLiteral("Alt+J did not start the game");
        if (m_solver && !planWinningLine())
            return QStringLiteral("the solver found no winning line");
        int moves = 0;
        for (; moves < maxMoves && m_host.results.isEmpty(); ++moves) {
            const std::optional<PlayerAction> move = m_solver ? nextOfWinningLine() : choose();
            if (!move)
                return QStringLiteral("no move changes anything, yet the game goes on");
            const QString failure = send(*move);
            if (!failure.isEmpty())
                return QStringLiteral("move %1: %2").arg(moves).arg(failure);
            tick();
            if (cards(m_window.form->rules().table()) != cards(m_twin->table()))
                return QStringLiteral("move %1: the cards differ from the mouse's").arg(moves);
        }
        if (m_host.results.isEmpty())
            return QStringLiteral("no end after %1 moves").arg(maxMoves);
        const auto &shown = m_window.app.dialogs.shown;
        if (shown.isEmpty() || !shown.last().question)
            return QStringLiteral("the window asked nothing at the end");
        const bool won = shown.last().text.startsWith(QStringLiteral("BRAVO"));
        if (won != m_host.results.first())
            return QStringLiteral("the window and the mouse ended differently");
        if (m_solver && !won)
            return QStringLiteral("the winning line did not win");
        qInfo("%s after %d moves, %d keys", won ? "won" : "lost", moves, m_keys);
        return {};
    }

private:
    // A move that changes what the player sees, tried on the twin: a card sent home by a double
    // click when one goes, else the first of many random tries that does. A try that changes
    // nothing is a refused move, which changes nothing.
    std::optional<PlayerAction> choose()
    {
        using Kind = PlayerAction::Kind;
        const auto observe = [this] {
            return std::tuple(cards(m_twin->table()), m_twin->table().frames, m_host.current,
                              m_host.results.size());
        };
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
            const auto before = cards(m_twin->table());
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
            const auto before = observe();
            apply(action);
            if (observe() != before)
                return action;
        }
        return std::nullopt;
    }

    // The solver's winning line from the start of the game, each action as the mouse gives it.
    bool planWinningLine()
    {
        using Kind = PlayerAction::Kind;
        const std::atomic<bool> cancel{false};
        const SolverAnswer answer =
            GameCatalog::solverFor(m_twin->info().menuName)->prepare(*m_twin)->run(cancel);
        for (const SolverMove &move : answer.line) {
            const Kind kind = move.action == SolverMove::Action::Drop          ? Kind::Drag
                              : move.action == SolverMove::Action::RightPress  ? Kind::RightPress
                              : move.action == SolverMove::Action::DoubleClick ? Kind::DoubleClick
                                                                               : Kind::Click;
            m_line.append({kind, move.picture, kind == Kind::Drag ? move.target : -1, {}});
            if (move.partner >= 0)
                m_line.append({Kind::Click, move.partner, -1, {}});
        }
        return answer.verdict == SolverAnswer::Verdict::Winnable;
    }

    std::optional<PlayerAction> nextOfWinningLine()
    {
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
            if (m_window.form->Tapis->keyboard()->carried() != action.source)
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
        QWidget *button = m_window.form->control(control);
        for (int i = 0; i < 20 && QApplication::focusWidget() != button; ++i)
            key(Qt::Key_Tab);
        if (QApplication::focusWidget() != button)
            return QStringLiteral("Tab never reaches %1").arg(control);
        key(Qt::Key_Space);
        for (int i = 0; i < 20 && QApplication::focusWidget() != m_window.form->Tapis; ++i)
            key(Qt::Key_Backtab, Qt::ShiftModifier);
        return QApplication::focusWidget() == m_window.form->Tapis
                   ? QString()
                   : QStringLiteral("Shift+Tab never comes back to the table");
    }

    // The shortest way of keys from the focus to the picture, then those keys.
    bool focusOn(int picture, bool carrying)
    {
        const TableFocus *keyboard = m_window.form->Tapis->keyboard();
        const GameRules &rules = m_window.form->rules();
        const int carried = keyboard->carried();
        // Home and End go among the targets; the arrows start from the carried card's place.
        const QList<Spot> ends =
            carrying ? TableNavigation::spots(rules.table(), rules.dragged(carried),
                                              TableNavigation::reach(rules.layout().area))
                     : keyboard->spots();
        if (ends.isEmpty())
            return false;
        QList<Spot> spots = ends;
        if (carrying && keyboard->focus() == carried) {
            if (const auto point = TableNavigation::hitPoint(rules.table(), carried))
                spots.append({carried, *point});
        }
        const auto keyTo = [&](int at, Qt::Key k) {
            if (k == Qt::Key_Home || k == Qt::Key_End)
                return k == Qt::Key_Home ? ends.first().index : ends.last().index;
            const Direction way = k == Qt::Key_Left    ? Direction::Left
                                  : k == Qt::Key_Right ? Direction::Right
                                  : k == Qt::Key_Up    ? Direction::Up
                                                       : Direction::Down;
            const int to = TableNavigation::next(spots, at, way);
            return carrying && to == carried ? -1 : to;
        };
        QHash<int, QPair<int, Qt::Key>> cameFrom;
        QQueue<int> queue;
        const int start = keyboard->focus();
        queue.enqueue(start);
        cameFrom.insert(start, {start, Qt::Key_unknown});
        while (!queue.isEmpty() && !cameFrom.contains(picture)) {
            const int at = queue.dequeue();
            for (const Qt::Key k : {Qt::Key_Home, Qt::Key_End, Qt::Key_Left, Qt::Key_Right,
                                    Qt::Key_Up, Qt::Key_Down}) {
                const int to = keyTo(at, k);
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
        return m_window.form->Tapis->keyboard()->focus() == picture;
    }

    // The rules' own timer runs out at once, in the window as in the twin.
    void tick()
    {
        auto *timer = m_window.form->findChild<QTimer *>(QStringLiteral("rulesTimer"));
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

    Window m_window;
    TestApp m_twinApp;
    QuietHost m_host;
    std::unique_ptr<GameRules> m_twin;
    std::mt19937 m_choices;
    bool m_solver = false; // the game follows its solver's winning line
    QList<PlayerAction> m_line;
    int m_keys = 0;
};

} // namespace

class TestKeyboardPlay : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The deal waits with the focus on JOUER, the table comes before the buttons; the third Left
    // finds nothing further that way. Return on a card that is dragged picks it up, and never
    // clicks it.
    void keysSendWhatTheMouseSends()
    {
        RecordingRules *rules = nullptr;
        auto window = recording(rules);
        QCOMPARE(QApplication::focusWidget(), window->form->Boutons[0]);
        window->key(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), window->form->Tapis);
        window->keys({Qt::Key_Right, Qt::Key_Space, Qt::ShiftModifier | Qt::Key_Return,
                      Qt::Key_Menu, Qt::ShiftModifier | Qt::Key_F10, Qt::Key_End, Qt::Key_Left,
                      Qt::Key_Left, Qt::Key_Left, Qt::Key_Home});
        QCOMPARE(rules->calls, (QStringList{"hover 1", "click 1", "hover 1", "click 1", "double 1",
                                            "hover 1", "right 1", "hover 1", "right 1", "hover 2",
                                            "hover 1", "hover 0", "hover 0"}));
        const TableFocus *keyboard = window->form->Tapis->keyboard();
        QCOMPARE(keyboard->focus(), 0);

        rules->calls.clear();
        window->key(Qt::Key_Return);
        QCOMPARE(keyboard->carried(), int(RecordingRules::Dragged));
        window->keys({Qt::Key_Right, Qt::Key_Right});
        QVERIFY(rules->table().frames[0].visible);
        window->key(Qt::Key_Escape);
        QCOMPARE(keyboard->carried(), -1);
        QCOMPARE(rules->calls, (QStringList{"over 0 1", "over 0 2"}));

        // Dropped back where it was, it is only put back; the other keys wait for the drop.
        rules->calls.clear();
        window->keys({Qt::Key_Home, Qt::ControlModifier | Qt::Key_Space,
                      Qt::ShiftModifier | Qt::Key_Return, Qt::Key_Menu, Qt::Key_Return});
        QCOMPARE(rules->calls, QStringList{"hover 0"});
    }

    // One accessible child for each picture within reach, found where it shows and named by
    // what it shows, then the table's own widgets; the focused card alone says it is focused,
    // and a press of the reader clicks it.
    void aScreenReaderHearsTheCardsOfMonteCarlo()
    {
        Window window(QStringLiteral("Monte-Carlo"));
        window.key(Qt::Key_J, Qt::AltModifier);
        QTRY_VERIFY(!window.form->Boutons[0]->isEnabled());

        CardTable *table = window.form->Tapis;
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(table);
        QVERIFY(iface);
        const TableModel &model = window.form->rules().table();
        const QList<TableNavigation::Spot> &spots = table->keyboard()->spots();
        const qsizetype widgets =
            table->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly).size();
        QCOMPARE(iface->childCount(), spots.size() + widgets);
        QAccessibleInterface *prompt = QAccessible::queryAccessibleInterface(window.form->lblInfo);
        QVERIFY(iface->indexOfChild(prompt) >= spots.size());
        for (int i = 0; i < spots.size(); ++i) {
            QAccessibleInterface *child = iface->child(i);
            QVERIFY(child && child->isValid());
            QCOMPARE(iface->indexOfChild(child), i);
            QCOMPARE(child->role(), QAccessible::Button);
            const QPoint shows = table->mapToGlobal(
                table->toPixels(QRect(spots.at(i).point, QSize(1, 1))).topLeft());
            QCOMPARE(iface->childAt(shows.x(), shows.y()), child);
            QVERIFY(child->rect().contains(shows));
            QCOMPARE(child->text(QAccessible::Name),
                     PictureNames::pictureName(model.at(spots.at(i).index)));
        }

        window.key(Qt::Key_Right);
        QAccessibleInterface *focused = iface->focusChild();
        QCOMPARE(focused, iface->child(1));
        QVERIFY(focused->state().focused);
        QVERIFY(!iface->child(0)->state().focused);
        // Monte-Carlo frames the card clicked: the reader sees it chosen.
        focused->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(focused->state().selected);
        QVERIFY(!iface->child(0)->state().selected);
    }

    // JOUER, pressed from its button, leaves the focus on the table's top left card, where Home
    // goes too; DISTRIBUER leaves it on JOUER, which Return presses.
    void aGameStartsWithTheFocusOnTheTable()
    {
        Window window(QStringLiteral("Roi Albert"));
        window.app.dialogs.answers = {true};
        GameForm &form = *window.form;
        const auto focusedPlace = [&form] {
            return form.rules().placeName(form.Tapis->keyboard()->focus());
        };
        const QString topLeft = QStringLiteral("Colonne 1, carte 1");
        // A deal waits for JOUER: Return starts it.
        QCOMPARE(QApplication::focusWidget(), form.Boutons[0]);
        window.key(Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), form.Tapis);
        QCOMPARE(focusedPlace(), topLeft);
        window.keys({Qt::Key_End, Qt::Key_Home});
        QCOMPARE(focusedPlace(), topLeft);

        window.key(Qt::Key_D, Qt::AltModifier);
        QTRY_VERIFY(form.Boutons[0]->isEnabled());
        QCOMPARE(QApplication::focusWidget(), form.Boutons[0]);
        window.key(Qt::Key_Return);
        QVERIFY(!form.Boutons[0]->isEnabled());
        QCOMPARE(QApplication::focusWidget(), form.Tapis);
        QCOMPARE(focusedPlace(), topLeft);
    }

    // Wherever Tab takes the focus in a game window, small or large, it shows there: on the
    // table, or around the control (JOUER, the default button, too).
    void everyTabStopShowsTheFocus()
    {
        for (const GameInfo &game : GameCatalog::all()) {
            for (const QSize size : {QSize(800, 600), QSize(1400, 1050)}) {
                const QString name = QString::fromUtf8(game.menuName);
                Window window(name);
                window.area.resize(size);
                QApplication::processEvents();
                GameForm &form = *window.form;
                QApplication::focusWidget()->clearFocus();
                const QImage unfocused = form.grab().toImage();
                form.setFocus(Qt::TabFocusReason);
                QList<QWidget *> stops;
                while (!stops.contains(QApplication::focusWidget())) {
                    QWidget *stop = QApplication::focusWidget();
                    stops.append(stop);
                    const QRect around = stop == form.Tapis
                                             ? form.rect()
                                             : QRect(stop->mapTo(&form, QPoint()), stop->size())
                                                   .adjusted(-3, -3, 3, 3);
                    const QImage focused = form.grab().toImage();
                    QVERIFY2(focused.copy(around) != unfocused.copy(around),
                             qPrintable(game.menuName + QStringLiteral(" : ") +
                                        stop->metaObject()->className() + QStringLiteral(" ") +
                                        stop->objectName() + QStringLiteral(" ") +
                                        stop->property("text").toString()));
                    window.key(Qt::Key_Tab);
                }
                QVERIFY(stops.size() >= 5); // the table and the four buttons
            }
        }
    }

    void gamesPlayToTheirEndByKeys_data()
    {
        QTest::addColumn<QString>("game");
        QTest::addColumn<quint32>("seed");
        QVERIFY(!GameCatalog::all().empty());
        for (const GameInfo &game : GameCatalog::all()) {
            // Roi Albert has no defeat: a deal that can be won.
            const quint32 seed = GameId::Roialbert == game.id ? 5 : 7;
            QTest::newRow(game.menuName) << QString::fromUtf8(game.menuName) << seed;
        }
    }

    void gamesPlayToTheirEndByKeys()
    {
        QFETCH(QString, game);
        QFETCH(quint32, seed);
        const QString failure = KeyboardPlayer(game, seed).play(5000);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }
};

QTEST_MAIN(TestKeyboardPlay)
#include "tst_keyboardplay.moc"
