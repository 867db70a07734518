#include "games/cardtable.h"
#include "games/rulesregistry.h"
#include "games/tablemotion.h"
#include "mousegestures.h"
#include "randomplayer.h"

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

namespace {

// What a deal looked like after an event, and how many games had ended by then.
struct Checkpoint {
    TableModel table;
    QString prompt;
    int ends = 0;
    bool operator==(const Checkpoint &) const = default;
};

// The hand of a player whose mouse goes through the table widget, as in the game window.
class TableMouse final : public PlayerHand {
public:
    explicit TableMouse(CardTable &table) : m_table(table) {}

    void hover(QPoint at) override { MouseGestures::hover(&m_table, pixels(at)); }
    void click(QPoint at) override { MouseGestures::click(&m_table, pixels(at)); }
    void doubleClick(QPoint at) override { MouseGestures::doubleClick(&m_table, pixels(at)); }
    void rightClick(QPoint at) override
    {
        MouseGestures::click(&m_table, pixels(at), Qt::RightButton);
    }
    void press(QPoint at) override { MouseGestures::press(&m_table, pixels(at)); }
    void moveTo(QPoint at) override { MouseGestures::moveHeld(&m_table, pixels(at)); }
    void release(QPoint at) override { MouseGestures::release(&m_table, pixels(at)); }

    // Whether the player ever acted while cards were moving.
    bool moved() const { return m_moved; }

private:
    QPoint pixels(QPoint twips)
    {
        m_moved = m_moved || !m_table.motion()->sprites().isEmpty();
        return m_table.toPixels(QRect(twips, QSize(1, 1))).topLeft();
    }

    CardTable &m_table;
    bool m_moved = false;
};

// The random player with the mouse on the table widget. Between events the table's clock moves
// on by a random time, so that the player often acts while cards are still moving.
class AnimatedPlayer {
public:
    AnimatedPlayer(const RulesFactory &makeRules, const QString &settingsPath, quint32 seed,
                   bool animated)
        : m_player(makeRules, settingsPath, seed), m_mouse(m_table)
    {
        GameRules &rules = m_player.rules();
        const QSize area = rules.layout().area;
        m_table.resize(area / 15);
        m_table.setModel(&rules.table(), area);
        m_table.setAnimated(animated);
        m_table.motion()->setClock([this] { return m_now; });
        m_table.setDragGroup([&rules](int source) { return rules.dragged(source); });
        const auto act = [this](const std::function<void()> &action) {
            action();
            m_table.modelChanged();
        };
        QObject::connect(&m_table, &CardTable::clicked, &m_table,
                         [&rules, act](int i) { act([&] { rules.click(i); }); });
        QObject::connect(&m_table, &CardTable::doubleClicked, &m_table,
                         [&rules, act](int i) { act([&] { rules.doubleClick(i); }); });
        QObject::connect(&m_table, &CardTable::rightPressed, &m_table,
                         [&rules, act](int i) { act([&] { rules.rightPress(i); }); });
        QObject::connect(&m_table, &CardTable::hovered, &m_table,
                         [&rules, act](int i) { act([&] { rules.hover(i); }); });
        QObject::connect(&m_table, &CardTable::dragMoved, &m_table,
                         [&rules, act](int s, int t) { act([&] { rules.dragOver(s, t); }); });
        QObject::connect(
            &m_table, &CardTable::dropped, &m_table,
            [&rules, act](int s, int t, QPoint at) { act([&] { rules.drop(s, t, at); }); });
        m_player.setHand(m_mouse);
        m_table.modelChanged();
    }

    // What the deal looked like every 25 events; stops where a promise of the rules broke.
    QList<Checkpoint> play(int events)
    {
        QList<Checkpoint> seen;
        for (int i = 1; i <= events && m_player.event(); ++i) {
            m_table.modelChanged();
            m_now += m_player.below(300);
            if (m_player.chance(3))
                m_table.motion()->tick();
            if (i % 97 == 0) { // the moving cards are drawn too
                QImage image(m_table.size(), QImage::Format_ARGB32_Premultiplied);
                QPainter painter(&image);
                m_table.render(&painter);
            }
            if (i % 25 == 0)
                seen.append({m_player.rules().table(), m_player.prompt(), m_player.ends()});
        }
        return seen;
    }

    const QString &failure() const { return m_player.failure(); }
    bool moved() const { return m_mouse.moved(); }

private:
    RandomPlayer m_player;
    CardTable m_table;
    TableMouse m_mouse;
    qint64 m_now = 0;
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
        const RulesFactory &rules = *RulesRegistry::rulesFor(game);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        bool moved = false;
        for (int session = 1; session <= Sessions; ++session) {
            const QString ini = dir.filePath(QStringLiteral("s%1.ini").arg(session));
            AnimatedPlayer still(rules, ini + QStringLiteral(".still"), quint32(session), false);
            AnimatedPlayer moving(rules, ini, quint32(session), true);
            const QList<Checkpoint> expected = still.play(EventsPerSession);
            const QList<Checkpoint> seen = moving.play(EventsPerSession);
            QVERIFY2(still.failure().isEmpty(), qPrintable(still.failure()));
            QVERIFY2(moving.failure().isEmpty(), qPrintable(moving.failure()));
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
