#include "games/cardtable.h"
#include "games/gamehost.h"
#include "games/rulesregistry.h"
#include "games/tablemotion.h"
#include "settings/settingkeys.h"
#include "settings/settingsstore.h"
#include "shared/appstate.h"
#include "shared/randomsource.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <random>

namespace {

// What a deal looked like after an event, and how many games had ended by then.
struct Checkpoint {
    TableModel table;
    QString prompt;
    int ends = 0;
    bool operator==(const Checkpoint &) const = default;
};

// Plays one game as a careless player would, the mouse going through the table widget as in the
// game window: clicks, double clicks, right presses, hovers and drags anywhere, the game's own
// controls and timer, JOUER and DISTRIBUER. Between events the table's clock moves on by a random
// time, so that the player often acts while cards are still moving.
class AnimatedPlayer final : public GameHost {
public:
    AnimatedPlayer(const RegisteredRules &game, const QString &settingsPath, quint32 seed,
                   bool animated)
        : m_settings(settingsPath), m_random(seed), m_choices(seed)
    {
        BuildCardTables(m_state);
        m_settings.setParameter(Settings::Melange, QString::number(m_choices() % 21));
        m_rules = game.make(CoreContext{m_state, m_settings, m_random}, *this);
        m_area = m_rules->layout().area;
        m_table.resize(m_area / 15);
        m_table.setModel(&m_rules->table(), m_area);
        m_table.setAnimated(animated);
        m_table.motion()->setClock([this] { return m_now; });
        m_table.setDragGroup([this](int source) { return m_rules->dragged(source); });
        const auto act = [this](const std::function<void()> &action) {
            action();
            m_table.modelChanged();
        };
        QObject::connect(&m_table, &CardTable::clicked, &m_table,
                         [this, act](int i) { act([&] { m_rules->click(i); }); });
        QObject::connect(&m_table, &CardTable::doubleClicked, &m_table,
                         [this, act](int i) { act([&] { m_rules->doubleClick(i); }); });
        QObject::connect(&m_table, &CardTable::rightPressed, &m_table,
                         [this, act](int i) { act([&] { m_rules->rightPress(i); }); });
        QObject::connect(&m_table, &CardTable::hovered, &m_table,
                         [this, act](int i) { act([&] { m_rules->hover(i); }); });
        QObject::connect(&m_table, &CardTable::dragMoved, &m_table,
                         [this, act](int s, int t) { act([&] { m_rules->dragOver(s, t); }); });
        QObject::connect(
            &m_table, &CardTable::dropped, &m_table,
            [this, act](int s, int t, QPoint at) { act([&] { m_rules->drop(s, t, at); }); });
        newDeal();
        m_rules->load();
        m_table.modelChanged();
    }

    QList<Checkpoint> play(int events)
    {
        QList<Checkpoint> seen;
        for (int i = 1; i <= events; ++i) {
            step();
            m_table.modelChanged();
            m_now += below(300);
            if (chance(3))
                m_table.motion()->tick();
            if (i % 97 == 0) { // the moving cards are drawn too
                QImage image(m_table.size(), QImage::Format_ARGB32_Premultiplied);
                QPainter painter(&image);
                m_table.render(&painter);
            }
            if (i % 25 == 0)
                seen.append({m_rules->table(), m_prompt, m_ends});
        }
        return seen;
    }

    bool moved() const { return m_moved; }

    // GameHost
    void setPrompt(const QString &text) override { m_prompt = text; }
    QString prompt() const override { return m_prompt; }
    void setTimer(int) override {}
    void gameOver(bool) override
    {
        ++m_ends;
        m_state.gameInProgress = false;
        if (chance(2))
            newDeal();
    }

private:
    bool chance(int oneIn) { return m_choices() % unsigned(oneIn) == 0; }
    int below(qsizetype n) { return n > 0 ? int(m_choices() % quint32(n)) : -1; }

    void newDeal()
    {
        m_state.gameInProgress = false;
        m_jouer = true;
        m_rules->Distribution();
    }

    // A point of the table in twips: a picture under the hand, one that shows, or anywhere.
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

    void mouse(QEvent::Type type, QPoint twips, Qt::MouseButton button, Qt::MouseButtons buttons)
    {
        m_moved = m_moved || !m_table.motion()->sprites().isEmpty();
        const QPoint at = m_table.toPixels(QRect(twips, QSize(1, 1))).topLeft();
        QMouseEvent event(type, at, m_table.mapToGlobal(at), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(&m_table, &event);
    }

    void step()
    {
        if (below(500) == 0) {
            newDeal();
            return;
        }
        if (m_jouer && chance(20)) {
            m_jouer = false;
            m_state.gameInProgress = true;
            m_rules->play();
            return;
        }
        if (m_rules->timerRunning() && chance(10)) {
            m_rules->timerTick();
            return;
        }
        if (below(100) == 0) {
            pressControl();
            return;
        }
        const QPoint at = somewhere();
        switch (below(6)) {
        case 0:
            mouse(QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton);
            break;
        case 1:
            mouse(QEvent::MouseButtonPress, at, Qt::RightButton, Qt::RightButton);
            mouse(QEvent::MouseButtonRelease, at, Qt::RightButton, Qt::NoButton);
            break;
        case 2:
            mouse(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
            mouse(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
            mouse(QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton);
            mouse(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
            break;
        case 3:
        case 4:
            mouse(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
            mouse(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
            break;
        default: {
            mouse(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
            QPoint to = at;
            for (int moves = 1 + below(3); moves > 0; --moves) {
                to = somewhere();
                mouse(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
            }
            mouse(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
        }
        }
    }

    void pressControl()
    {
        QList<Control> usable;
        for (const Control &control : m_rules->table().controls) {
            if (control.enabled && control.visible && control.kind != Control::Kind::Label)
                usable.append(control);
        }
        if (usable.isEmpty())
            return;
        const Control control = usable.at(below(usable.size()));
        if (control.kind == Control::Kind::Button)
            m_rules->press(control.name);
        else
            m_rules->select(control.name, below(control.entries.size()));
        m_table.modelChanged();
    }

    AppState m_state;
    SettingsStore m_settings;
    SeededRandom m_random;
    std::mt19937 m_choices;
    std::unique_ptr<GameRules> m_rules;
    CardTable m_table;
    QSize m_area;
    QString m_prompt;
    qint64 m_now = 0;
    bool m_jouer = true;
    int m_ends = 0;
    bool m_moved = false;
};

constexpr int Sessions = 3;
constexpr int EventsPerSession = 1500;

} // namespace

class TestAnimatedPlay : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyGameEndsAsWithoutMoves_data()
    {
        QTest::addColumn<QString>("game");
        QVERIFY(!RulesRegistry::all().empty());
        for (const RegisteredRules &game : RulesRegistry::all())
            QTest::newRow(qPrintable(game.menuName)) << game.menuName;
    }

    // The same player, event for event, with the table animating and without: every deal goes
    // through the same tables, prompts and ends.
    void everyGameEndsAsWithoutMoves()
    {
        QFETCH(QString, game);
        const auto entry = std::find_if(
            RulesRegistry::all().begin(), RulesRegistry::all().end(),
            [&](const RegisteredRules &registered) { return registered.menuName == game; });
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        bool moved = false;
        for (int session = 1; session <= Sessions; ++session) {
            const QString ini = dir.filePath(QStringLiteral("s%1.ini").arg(session));
            AnimatedPlayer still(*entry, ini + QStringLiteral(".still"), quint32(session), false);
            AnimatedPlayer moving(*entry, ini, quint32(session), true);
            const QList<Checkpoint> expected = still.play(EventsPerSession);
            const QList<Checkpoint> seen = moving.play(EventsPerSession);
            QVERIFY(!still.moved());
            moved = moved || moving.moved();
            QCOMPARE(seen.size(), expected.size());
            for (qsizetype i = 0; i < seen.size(); ++i) {
                QVERIFY2(seen.at(i) == expected.at(i),
                         qPrintable(QStringLiteral("seed %1, event %2: %3 ends, %4 expected")
                                        .arg(session)
                                        .arg((i + 1) * 25)
                                        .arg(seen.at(i).ends)
                                        .arg(expected.at(i).ends)));
            }
        }
        QVERIFY(moved); // the player did act while cards were moving
    }
};

QTEST_MAIN(TestAnimatedPlay)
#include "tst_animatedplay.moc"
