#include "fakemainlink.h"
#include "games/cardtable.h"
#include "games/gamecatalog.h"
#include "games/gameform.h"
#include "games/gameregistry.h"
#include "games/picturenames.h"
#include "games/tablekeyboard.h"
#include "games/tablenavigation.h"
#include "testapp.h"

#include <QAccessible>
#include <QApplication>
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
    void play() override { m_host.setPrompt(QStringLiteral("Sélectionnez une carte.")); }
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

struct Window {
    explicit Window(const RulesFactory &factory)
    {
        app.dialogs.answers = {false};
        form = new GameForm(*GameCatalog::byMenuName(QStringLiteral("Monte-Carlo")), app.context,
                            main, factory);
        sub = area.addSubWindow(form);
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
    TestApp app;
    FakeMainLink main;
    QMdiArea area;
    QPointer<GameForm> form;
    QMdiSubWindow *sub = nullptr;
};

std::unique_ptr<Window> recording(RecordingRules *&rules)
{
    return std::make_unique<Window>([&rules](CoreContext context, GameHost &host) {
        auto made = std::make_unique<RecordingRules>(context, host);
        rules = made.get();
        return made;
    });
}

} // namespace

class TestTableKeyboard : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void theTableTakesTheFocusBeforeTheButtons()
    {
        RecordingRules *rules = nullptr;
        auto window = recording(rules);
        QCOMPARE(QApplication::focusWidget(), window->form->Tapis);
        QCOMPARE(window->form->Tapis->keyboard()->focus(), int(RecordingRules::Dragged));
        window->key(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), window->form->Boutons[0]);
        window->key(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), window->form->Boutons[1]);
        window->key(Qt::Key_Backtab, Qt::ShiftModifier);
        window->key(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), window->form->Tapis);
        // The access keys still press the buttons while the table has the focus.
        window->key(Qt::Key_J, Qt::AltModifier);
        QTRY_VERIFY(!window->form->Boutons[0]->isEnabled());
        QCOMPARE(window->form->lblInfo->text(), QStringLiteral("Sélectionnez une carte."));
    }

    void keysSendWhatTheMouseSends()
    {
        RecordingRules *rules = nullptr;
        auto window = recording(rules);
        window->key(Qt::Key_Right);
        window->key(Qt::Key_Space);
        window->key(Qt::Key_Return, Qt::ShiftModifier);
        window->key(Qt::Key_Menu);
        window->key(Qt::Key_F10, Qt::ShiftModifier);
        window->key(Qt::Key_End);
        window->key(Qt::Key_Left);
        window->key(Qt::Key_Left);
        window->key(Qt::Key_Left); // nothing further that way
        window->key(Qt::Key_Home);
        QCOMPARE(rules->calls, (QStringList{"hover 1", "click 1", "hover 1", "click 1", "double 1",
                                            "hover 1", "right 1", "hover 1", "right 1", "hover 2",
                                            "hover 1", "hover 0", "hover 0"}));
        QCOMPARE(window->form->Tapis->keyboard()->focus(), 0);
    }

    void aDragByKeyboardIsADragOfTheMouse()
    {
        RecordingRules *rules = nullptr;
        auto window = recording(rules);
        CardTable *table = window->form->Tapis;
        const TableModel dealt = rules->table();
        // Return on a card that is dragged picks it up, and never clicks it.
        window->key(Qt::Key_Return);
        QCOMPARE(table->keyboard()->carried(), int(RecordingRules::Dragged));
        window->key(Qt::Key_Right);
        window->key(Qt::Key_Right);
        QVERIFY(rules->table().frames[0].visible);
        window->key(Qt::Key_Escape);
        QCOMPARE(table->keyboard()->carried(), -1);
        QCOMPARE(rules->calls, (QStringList{"hover 0", "over 0 1", "over 0 2"}));
        QCOMPARE(rules->table().pictures, dealt.pictures);

        // Ctrl+Space, then over the clicked card and on to the place: dropped there.
        rules->calls.clear();
        window->key(Qt::Key_Home);
        window->key(Qt::Key_Space, Qt::ControlModifier);
        window->key(Qt::Key_End);
        window->key(Qt::Key_Return);
        const QPoint place = rules->table().at(RecordingRules::Place).rect.topLeft();
        QCOMPARE(rules->calls,
                 (QStringList{"hover 0", "over 0 2",
                              QStringLiteral("drop 0 2 %1,%2").arg(place.x()).arg(place.y())}));
        QCOMPARE(table->keyboard()->carried(), -1);

        // Dropped back where it was, it is only put back; the other keys wait for the drop.
        rules->calls.clear();
        window->key(Qt::Key_Home);
        window->key(Qt::Key_Space, Qt::ControlModifier);
        window->key(Qt::Key_Return, Qt::ShiftModifier);
        window->key(Qt::Key_Menu);
        window->key(Qt::Key_Return);
        QCOMPARE(rules->calls, QStringList{"hover 0"});
    }

    // One accessible child for each picture within reach, found where it shows and named by
    // what it shows, then the table's own widgets; the focused card alone says it is focused,
    // and a press of the reader clicks it.
    void aScreenReaderHearsTheCardsOfMonteCarlo()
    {
        Window window(*GameRegistry::rulesFor(QStringLiteral("Monte-Carlo")));
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
        QCOMPARE(prompt->text(QAccessible::Name), window.form->lblInfo->text());
        const PictureGroup *grid = model.group(QStringLiteral("EspaceJeu"));
        QVERIFY(grid);
        QStringList gridNames;
        for (int i = 0; i < spots.size(); ++i) {
            QAccessibleInterface *child = iface->child(i);
            QVERIFY(child && child->isValid());
            QCOMPARE(iface->indexOfChild(child), i);
            QCOMPARE(child->role(), QAccessible::Button);
            const QPoint shows = table->mapToGlobal(
                table->toPixels(QRect(spots.at(i).point, QSize(1, 1))).topLeft());
            QCOMPARE(iface->childAt(shows.x(), shows.y()), child);
            QVERIFY(child->rect().contains(shows));
            const int index = spots.at(i).index;
            const QString name = child->text(QAccessible::Name);
            QCOMPARE(name, PictureNames::pictureName(model.at(index)));
            if (index >= grid->first && index < grid->first + grid->count)
                gridNames << name;
        }
        // The grid shows the first 25 cards of the deal, row by row.
        QStringList dealt;
        for (int k = 0; k < 25; ++k)
            dealt << PictureNames::cardName(window.app.state.decks.deck52[std::size_t(k)]);
        QCOMPARE(gridNames, dealt);
        QCOMPARE(iface->child(0)->text(QAccessible::Description),
                 QStringLiteral("Grille, rangée 1, colonne 1"));

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
};

QTEST_MAIN(TestTableKeyboard)
#include "tst_tablekeyboard.moc"
