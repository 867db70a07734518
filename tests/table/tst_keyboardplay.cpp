// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/gamecatalog.h"
#include "fakemainlink.h"
#include "games/picturenames.h"
#include "games/tablenavigation.h"
#include "settings/settingkeys.h"
#include "table/cardtable.h"
#include "table/gameform.h"
#include "table/tablefocus.h"
#include "testapp.h"

#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QTest>

namespace {

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
    explicit Window(const QString &game) : Window(*GameCatalog::byMenuName(game)) {}
    explicit Window(const GameInfo &game)
    {
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
};

QTEST_MAIN(TestKeyboardPlay)
#include "tst_keyboardplay.moc"
