#include "fakemainlink.h"
#include "games/cardtable.h"
#include "games/frmMariage/mariagerules.h"
#include "games/frmPaquetsEscamotables/duorules.h"
#include "games/gamecatalog.h"
#include "games/gameform.h"
#include "testapp.h"

#include <QMouseEvent>
#include <QTest>

namespace {

// A line game window played with the mouse, its stock clicked until a card lies alone between
// two alike cards.
struct LineWindow {
    LineWindow(const char *name, const GameForm::RulesFactory &make)
        : form(*GameCatalog::byMenuName(QString::fromUtf8(name)), app.context, main, make),
          rules(static_cast<const LineRules &>(form.rules())), line(rules.line())
    {
        form.resize(1100, 760);
        form.show();
        form.Boutons[0]->click();
        while (!line.stockEmpty() && movable == CardLine::NoPlace) {
            QTest::mouseClick(form.Tapis, Qt::LeftButton, {}, centre(rules.sabot()));
            for (int place = 1; place < line.length() && movable < 0; ++place)
                movable = line.framed(place, 1) ? place : CardLine::NoPlace;
        }
    }
    QPoint centre(int picture) const
    {
        return form.Tapis->toPixels(rules.table().at(picture).rect).center();
    }
    void move(QPoint at, Qt::MouseButtons buttons)
    {
        QMouseEvent event(QEvent::MouseMove, at, form.Tapis->mapToGlobal(at), Qt::NoButton, buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(form.Tapis, &event);
    }

    TestApp app;
    FakeMainLink main;
    GameForm form;
    const LineRules &rules;
    const CardLine &line;
    int movable = CardLine::NoPlace;
};

} // namespace

class TestLineWindows : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void duoCardIsDraggedOntoTheCardBefore()
    {
        LineWindow window("Duo", MakeDuoRules);
        QVERIFY(window.main.maximised && window.movable > 0);
        const QString leaving = window.line.card(window.movable - 1);
        const QPoint start = window.centre(window.line.picture(window.movable));
        const QPoint target = window.centre(window.line.picture(window.movable - 1));
        window.move(start, Qt::NoButton); // the hand and the drag come as the mouse passes
        QTest::mousePress(window.form.Tapis, Qt::LeftButton, {}, start);
        window.move(start + QPoint(-20, 10), Qt::LeftButton);
        window.move(target, Qt::LeftButton);
        QTest::mouseRelease(window.form.Tapis, Qt::LeftButton, {}, target);
        QCOMPARE(window.line.state().gone, QStringList{leaving});
    }

    void mariageSupprimerAnswersAltS()
    {
        LineWindow window("Mariage", MakeMariageRules);
        QVERIFY(window.movable > 0);
        const QString leaving = window.line.card(window.movable);
        QTest::mouseClick(window.form.Tapis, Qt::LeftButton, {},
                          window.centre(window.line.picture(window.movable)));
        window.form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window.form));
        QTest::keyClick(&window.form, Qt::Key_S, Qt::AltModifier);
        QTRY_COMPARE(window.line.state().gone, QStringList{leaving});
        QVERIFY(!window.form.control(QString::fromLatin1(MariageRules::Supprimer))->isEnabled());
    }
};

QTEST_MAIN(TestLineWindows)
#include "tst_linewindows.moc"
