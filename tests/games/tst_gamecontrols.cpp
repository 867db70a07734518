#include "fakemainlink.h"
#include "games/cardtable.h"
#include "games/gamecatalog.h"
#include "games/gameform.h"
#include "settings/settingkeys.h"
#include "testapp.h"

#include <QComboBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

// A game with a drop-down list kept in its own settings, a button of its own and a timer.
class ControlRules final : public GameRules {
public:
    ControlRules(CoreContext context, GameHost &host)
        : GameRules(*GameCatalog::byMenuName(QStringLiteral("Carnaval à Rio")), context, host)
    {
        m_table.addGroup(QStringLiteral("Carte"), 1);
        Control list;
        list.name = QStringLiteral("cboSecondes");
        list.kind = Control::Kind::ComboBox;
        list.rect = QRect(2500, 1500, 615, 0);
        for (int i = 1; i <= 30; ++i)
            list.entries.append(QString::number(i));
        m_table.addControl(list);
        Control button;
        button.name = QStringLiteral("Boutons(4)");
        button.kind = Control::Kind::Button;
        button.text = QStringLiteral("&Supprimer");
        button.rect = QRect(2500, 2000, 1095, 315);
        m_table.addControl(button);
    }
    FormLayout layout() const override
    {
        FormLayout layout;
        layout.area = QSize(4000, 3000);
        layout.info = QRect(2500, 60, 1335, 1000);
        for (int i = 0; i < 4; ++i)
            layout.buttons[std::size_t(i)] = QRect(100 + 1200 * i, 2600, 1095, 315);
        layout.maximiseMainWindow = true;
        return layout;
    }
    void Distribution() override
    {
        shuffle();
        m_table.at(0).deal(dealt(0));
        m_table.at(0).face = Picture::Face::Back;
        m_table.control(QStringLiteral("cboSecondes"))->enabled = true;
    }
    void load() override
    {
        select(QStringLiteral("cboSecondes"), storedNumber("temps", 1, 30) - 1);
    }
    void play() override
    {
        m_table.control(QStringLiteral("cboSecondes"))->enabled = false;
        startTimer(1000);
    }
    void press(const QString &name) override { presses.append(name); }
    void hover(int index) override { hovers.append(index); }
    void timerTick() override
    {
        ++ticks;
        stopTimer();
    }

    QStringList presses;
    QList<int> hovers;
    int ticks = 0;

protected:
    void selected(const QString &name) override
    {
        setGameSetting("temps", m_table.control(name)->text);
    }
};

struct Fixture {
    explicit Fixture(const QString &stored = {})
    {
        if (!stored.isNull())
            app.settings.write(QStringLiteral("CARNAVAL A RIO"), QStringLiteral("temps"), stored);
        form = new GameForm(*GameCatalog::byMenuName(QStringLiteral("Carnaval à Rio")), app.context,
                            main, [this](CoreContext context, GameHost &host) {
                                auto made = std::make_unique<ControlRules>(context, host);
                                rules = made.get();
                                return made;
                            });
        sub = area.addSubWindow(form);
        area.resize(1000, 760);
        area.show();
        sub->showMaximized();
        list = qobject_cast<QComboBox *>(form->control(QStringLiteral("cboSecondes")));
    }
    QString stored() const
    {
        return app.settings.read(QStringLiteral("CARNAVAL A RIO"), QStringLiteral("temps"));
    }
    TestApp app;
    FakeMainLink main;
    QMdiArea area;
    GameForm *form = nullptr;
    QMdiSubWindow *sub = nullptr;
    ControlRules *rules = nullptr;
    QComboBox *list = nullptr;
};

} // namespace

class TestGameControls : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void storedSettingSelectsTheListAndHealsBadValues()
    {
        {
            Fixture f(QStringLiteral("7"));
            QVERIFY(f.list);
            QCOMPARE(f.list->currentText(), QStringLiteral("7"));
            QCOMPARE(f.list->count(), 30);
            QVERIFY(f.main.maximised);
        }
        for (const QString &bad : {QString(), QStringLiteral("0"), QStringLiteral("31"),
                                   QStringLiteral("-1"), QStringLiteral("deux")}) {
            Fixture f(bad);
            QCOMPARE(f.list->currentText(), QStringLiteral("2"));
            QCOMPARE(f.stored(), QStringLiteral("2"));
        }
    }

    void playerSelectionSavesAndIsLockedDuringPlay()
    {
        Fixture f;
        QVERIFY(f.list->isEnabled());
        f.list->activated(4); // what QComboBox emits when the player picks an entry
        QCOMPARE(f.rules->table().control(QStringLiteral("cboSecondes"))->text,
                 QStringLiteral("5"));
        QCOMPARE(f.stored(), QStringLiteral("5"));
        f.form->Boutons_Click(0);
        QVERIFY(!f.list->isEnabled());
    }

    void ownButtonAnswersItsAccessKeyAndTheTimerTicksTheRules()
    {
        Fixture f;
        f.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.form->window()));
        QTest::keyClick(f.form, Qt::Key_S, Qt::AltModifier);
        QTRY_COMPARE(f.rules->presses, QStringList{QStringLiteral("Boutons(4)")});

        f.form->Boutons_Click(0);
        auto *timer = f.form->findChild<QTimer *>(QStringLiteral("rulesTimer"));
        QVERIFY(timer && timer->isActive());
        QCOMPARE(timer->interval(), 1000);
        QVERIFY(QMetaObject::invokeMethod(timer, "timeout"));
        QCOMPARE(f.rules->ticks, 1);
        QVERIFY(!timer->isActive());
    }

    void hoverOverTheBareTableReachesTheRules()
    {
        Fixture f;
        const QPoint bare = f.form->Tapis->toPixels(QRect(3500, 2000, 10, 10)).center();
        QMouseEvent move(QEvent::MouseMove, bare, f.form->Tapis->mapToGlobal(bare), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(f.form->Tapis, &move);
        QCOMPARE(f.rules->hovers.value(0, 99), -1);
    }
};

QTEST_MAIN(TestGameControls)
#include "tst_gamecontrols.moc"
