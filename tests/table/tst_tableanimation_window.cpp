// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/gamecatalog.h"
#include "fakemainlink.h"
#include "games/fakehost.h"
#include "games/randomplayer.h"
#include "games/tablemotion.h"
#include "mousegestures.h"
#include "options/frmoptions.h"
#include "settings/settingkeys.h"
#include "table/cardtable.h"
#include "table/gameform.h"
#include "table/gameregistry.h"
#include "testapp.h"

#include <QCheckBox>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

const QSize Area(6000, 4000);
const QColor Felt(0, 128, 0);

// A table of its own: two cards face up, the first one draggable.
struct Table {
    Table()
    {
        model.addGroup(QStringLiteral("Carte"), 2);
        for (int i = 0; i < 2; ++i) {
            model.at(i).card = i == 0 ? QStringLiteral("ASDEPIQUE") : QStringLiteral("ROIDECOEUR");
            model.at(i).face = Picture::Face::Front;
            model.at(i).rect.moveTopLeft({300 + 3000 * i, 300});
        }
        model.at(0).draggable = true;
        widget.setTableColour(Felt);
        widget.resize(400, 266); // 15 twips to a pixel
        widget.motion()->setClock([this] { return now; });
        widget.setModel(&model, Area);
        widget.show();
    }
    void move(int picture, QPoint topLeft)
    {
        model.at(picture).rect.moveTopLeft(topLeft);
        widget.modelChanged();
    }
    QRect drawn(int picture) const
    {
        for (const Sprite &sprite : widget.motion()->sprites()) {
            if (sprite.picture == picture)
                return sprite.rect.toRect();
        }
        return model.at(picture).rect;
    }
    QColor pixelAt(QPoint twips)
    {
        QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&image);
        widget.render(&painter);
        return image.pixelColor(pixels(twips));
    }
    QPoint pixels(QPoint twips) const
    {
        return widget.toPixels(QRect(twips, QSize(1, 1))).topLeft();
    }

    TableModel model;
    CardTable widget;
    qint64 now = 0;
};

GameForm *montecarlo(TestApp &app, FakeMainLink &main)
{
    const QString name = QStringLiteral("Monte-Carlo");
    auto *form = new GameForm(*GameCatalog::byMenuName(name), app.context, main);
    form->Tapis->motion()->setClock([] { return qint64(0); });
    return form;
}

// What a deal looked like after an event, and how many games had ended by then.
struct Checkpoint {
    TableModel table;
    QString prompt;
    int ends = 0;
    bool operator==(const Checkpoint &) const = default;
};

// The random player with its mouse on the table widget, wired to the rules as in the game
// window. Between events the table's clock moves on by a random time, so that the player often
// acts while cards are still moving.
class AnimatedPlayer final : public PlayerHand {
public:
    AnimatedPlayer(const QString &game, const QString &settingsPath, quint32 seed, bool animated)
        : m_player(game, settingsPath, seed)
    {
        GameRules &rules = m_player.rules();
        GameSession &session = m_player.session();
        const QSize area = rules.layout().area;
        m_table.resize(area / 15);
        m_table.setModel(&rules.table(), area);
        m_table.setAnimated(animated);
        m_table.motion()->setClock([this] { return m_now; });
        m_table.setDragGroup([&rules](int source) { return rules.dragged(source); });
        // Each signal reaches the session, then the table hears of the change.
        CardTable *t = &m_table;
        QObject::connect(t, &CardTable::clicked, t, [&session](int i) { session.click(i); });
        QObject::connect(t, &CardTable::doubleClicked, t,
                         [&session](int i) { session.doubleClick(i); });
        QObject::connect(t, &CardTable::rightPressed, t,
                         [&session](int i) { session.rightPress(i); });
        QObject::connect(t, &CardTable::hovered, t, [&session](int i) { session.hover(i); });
        QObject::connect(t, &CardTable::dragMoved, t,
                         [&session](int s, int target) { session.dragOver(s, target); });
        QObject::connect(t, &CardTable::dropped, t,
                         [&session](int s, int target, QPoint at) { session.drop(s, target, at); });
        QObject::connect(t, &CardTable::clicked, t, &CardTable::modelChanged);
        QObject::connect(t, &CardTable::doubleClicked, t, &CardTable::modelChanged);
        QObject::connect(t, &CardTable::rightPressed, t, &CardTable::modelChanged);
        QObject::connect(t, &CardTable::hovered, t, &CardTable::modelChanged);
        QObject::connect(t, &CardTable::dragMoved, t, &CardTable::modelChanged);
        QObject::connect(t, &CardTable::dropped, t, &CardTable::modelChanged);
        m_player.setHand(*this);
        m_table.modelChanged();
    }

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
    // Whether the player ever acted while cards were moving.
    bool moved() const { return m_moved; }

private:
    QPoint pixels(QPoint twips)
    {
        m_moved = m_moved || !m_table.motion()->sprites().isEmpty();
        return m_table.toPixels(QRect(twips, QSize(1, 1))).topLeft();
    }

    RandomPlayer m_player;
    CardTable m_table;
    qint64 m_now = 0;
    bool m_moved = false;
};

constexpr int Sessions = 3;
constexpr int EventsPerSession = 1500;

} // namespace

class TestTableAnimationWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A moved card is drawn on its way and not yet at its new place. A click where it is drawn
    // puts it in place first, and so finds the bare table there.
    void aMoveIsDrawnPartWayUntilInputFinishesIt()
    {
        Table table;
        QSignalSpy clicks(&table.widget, &CardTable::clicked);
        const QPoint from = table.model.at(1).rect.topLeft();
        const QPoint to(3300, 2300);
        table.move(1, to);
        QCOMPARE(table.drawn(1).topLeft(), from);
        table.now = 80;
        const QRect half = table.drawn(1);
        QVERIFY(half.top() > from.y() + 200 && half.top() < to.y() - 200);
        QVERIFY(table.pixelAt(half.center()) != Felt);
        QCOMPARE(table.pixelAt(QPoint(to.x() + 100, to.y() + 1300)), Felt);
        MouseGestures::click(&table.widget, table.pixels(half.center()));
        QVERIFY(!table.widget.motion()->isRunning());
        QVERIFY(!table.widget.findChild<QTimer *>(QStringLiteral("animationTimer"))->isActive());
        QVERIFY(clicks.isEmpty());
        QVERIFY(table.pixelAt(table.model.at(1).rect.center()) != Felt);
        // A click at its new place while it moves reaches it, once at rest.
        table.move(1, from);
        QVERIFY(table.widget.motion()->isRunning());
        MouseGestures::click(&table.widget, table.pixels(table.model.at(1).rect.center()));
        QVERIFY(!table.widget.motion()->isRunning());
        QCOMPARE(clicks.size(), 1);
        QCOMPARE(clicks.first().first().toInt(), 1);

        // Two quick clicks on two cards, one of them moving: the window system may report the
        // second press as a double click, yet each card is clicked once.
        QSignalSpy doubles(&table.widget, &CardTable::doubleClicked);
        table.model.at(0).draggable = false;
        table.move(1, to);
        MouseGestures::click(&table.widget, table.pixels(table.model.at(0).rect.center()));
        const QPoint second = table.pixels(table.model.at(1).rect.center());
        MouseGestures::send(&table.widget, QEvent::MouseButtonDblClick, second, Qt::LeftButton,
                            Qt::LeftButton);
        MouseGestures::release(&table.widget, second);
        QCOMPARE(clicks.size(), 3);
        QCOMPARE(clicks.at(1).first().toInt(), 0);
        QCOMPARE(clicks.at(2).first().toInt(), 1);
        // The same, the mouse still: the first card left and another glides into its place,
        // as a grid closes up.
        MouseGestures::click(&table.widget, second);
        table.model.at(1).card = QStringLiteral("DAMEDETREFLE");
        table.move(1, from);
        table.move(1, to);
        MouseGestures::send(&table.widget, QEvent::MouseButtonDblClick, second, Qt::LeftButton,
                            Qt::LeftButton);
        MouseGestures::release(&table.widget, second);
        QCOMPARE(clicks.size(), 5);
        QCOMPARE(clicks.at(4).first().toInt(), 1);
        QVERIFY(doubles.isEmpty());
        // Pressed twice on one card that stays, it is a double click as before.
        MouseGestures::doubleClick(&table.widget, second);
        QCOMPARE(doubles.size(), 1);
    }

    void aDroppedCardSettlesFromWhereItWasLetGo()
    {
        Table table;
        QSignalSpy drops(&table.widget, &CardTable::dropped);
        // The card is refused: its place does not change, it settles back from the drop.
        connect(&table.widget, &CardTable::dropped, &table.widget, &CardTable::modelChanged);
        const QPoint grip = table.model.at(0).rect.center();
        const QPoint letGo = grip + QPoint(1500, 1500);
        MouseGestures::press(&table.widget, table.pixels(grip));
        MouseGestures::moveHeld(&table.widget, table.pixels(grip + QPoint(600, 600)));
        MouseGestures::moveHeld(&table.widget, table.pixels(letGo));
        MouseGestures::release(&table.widget, table.pixels(letGo));
        QCOMPARE(drops.size(), 1);
        const QPoint start = table.drawn(0).topLeft();
        const QPoint expected = table.model.at(0).rect.topLeft() + QPoint(1500, 1500);
        QVERIFY((start - expected).manhattanLength() <= 60); // within a pixel or two
        table.now = TableAnimation::DropMs;
        QVERIFY(table.widget.motion()->sprites().isEmpty());
    }

    void theOptionTurnsMovesOffAndOn()
    {
        TestApp app;
        app.dialogs.answers = {true, true, true}; // new deals during a game
        FakeMainLink main;
        std::unique_ptr<GameForm> form(montecarlo(app, main));
        form->Boutons_Click(0); // the grid is dealt from the pile
        QVERIFY(form->Tapis->motion()->isRunning());

        // The options dialog shows the option checked, and its "&Valider" keeps it off.
        frmOptions options(app.context);
        QVERIFY(options.chkAnimer->isChecked());
        options.chkAnimer->setChecked(false);
        options.cmdValiderCouleurs->click();
        QCOMPARE(app.get(Settings::AnimerDeplacements), QStringLiteral("0"));
        options.cmdReinitCouleurs->click();
        QVERIFY(options.chkAnimer->isChecked());

        // The window applies the look again once the dialog closes: nothing moves any more.
        form->applyTableLook();
        QVERIFY(!form->Tapis->motion()->isRunning());
        form->Boutons_Click(1);
        QVERIFY(!form->Tapis->motion()->isRunning());
        std::unique_ptr<GameForm> later(montecarlo(app, main));
        later->Boutons_Click(0);
        QVERIFY(!later->Tapis->motion()->isRunning());

        // Only "0" turns it off; a missing or unreadable value leaves the first-run choice.
        app.set(Settings::AnimerDeplacements, QStringLiteral("oui"));
        later->applyTableLook();
        later->Boutons_Click(1);
        later->Boutons_Click(0);
        QVERIFY(later->Tapis->motion()->isRunning());
    }

    void everyGameEndsAsWithoutMoves_data() { addEveryGame(); }

    // The same player, event for event, with the table animating and without: every deal goes
    // through the same tables, prompts and ends.
    void everyGameEndsAsWithoutMoves()
    {
        QFETCH(QString, game);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        bool moved = false;
        for (int session = 1; session <= Sessions; ++session) {
            const QString ini = dir.filePath(QStringLiteral("s%1.ini").arg(session));
            AnimatedPlayer still(game, ini + QStringLiteral(".still"), quint32(session), false);
            AnimatedPlayer moving(game, ini, quint32(session), true);
            const QList<Checkpoint> expected = still.play(EventsPerSession);
            const QList<Checkpoint> seen = moving.play(EventsPerSession);
            QVERIFY2(still.failure().isEmpty(), qPrintable(still.failure()));
            QVERIFY2(moving.failure().isEmpty(), qPrintable(moving.failure()));
            QVERIFY(!still.moved());
            moved = moved || moving.moved();
            QCOMPARE(seen.size(), expected.size());
            for (qsizetype i = 0; i < seen.size(); ++i) {
                QVERIFY2(
                    seen.at(i) == expected.at(i),
                    qPrintable(QStringLiteral("seed %1, event %2").arg(session).arg(25 * i + 25)));
            }
        }
        QVERIFY(moved); // the player did act while cards were moving
    }
};

QTEST_MAIN(TestTableAnimationWindow)
#include "tst_tableanimation_window.moc"
