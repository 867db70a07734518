#include "fakemainlink.h"
#include "games/cardtable.h"
#include "games/frmVoyageuses1/voyageuses1rules.h"
#include "games/gamecatalog.h"
#include "games/gameform.h"
#include "testapp.h"

#include <QMouseEvent>
#include <QTest>

using Rules = Voyageuses1Rules;

class TestVoyageuses1Window : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void stockCardIsDraggedHomeWithTheMouse()
    {
        TestApp app;
        BuildCardTables(app.state); // the main window's load does it in the program
        FakeMainLink main;
        GameForm form(*GameCatalog::byMenuName(QStringLiteral("Les voyageuses (1)")), app.context,
                      main, MakeVoyageuses1Rules);
        form.resize(1000, 700);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const auto &rules = static_cast<const Rules &>(form.rules());
        const TableModel &table = rules.table();
        const auto centre = [&](int picture) {
            return form.Tapis->toPixels(table.at(picture).rect).center();
        };
        // Drags the card in hand onto a picture with the button held, which QTest's own move does
        // not carry, and lets go; tells whether the frame showed before letting go.
        const auto drag = [&](int hand, int target) {
            QTest::mousePress(form.Tapis, Qt::LeftButton, {}, centre(hand));
            for (QPoint position : {centre(hand) + QPoint(20, 20), centre(target)}) {
                QMouseEvent event(QEvent::MouseMove, position, form.Tapis->mapToGlobal(position),
                                  Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(form.Tapis, &event);
            }
            const bool framed = table.frames.at(Rules::Indicateur).visible;
            QTest::mouseRelease(form.Tapis, Qt::LeftButton, {}, centre(target));
            return framed;
        };

        form.Boutons[0]->click();
        QTest::mouseClick(form.Tapis, Qt::LeftButton, {}, centre(Rules::FirstSabot));
        const int hand = Rules::FirstSabot + rules.state().IndexSabot;
        const QString card = table.at(hand).card;
        int own = 0;
        while (Rules::ownCard(own) != card)
            ++own;

        // Let go on a wrong place: the card goes back to the hand.
        const TableModel inHand = table;
        QVERIFY(!drag(hand, Rules::FirstCarte + (own == 0 ? 1 : 0)));
        QCOMPARE(table, inHand);
        QVERIFY(drag(hand, Rules::FirstCarte + own));
        QCOMPARE(table.at(Rules::FirstCarte + own).card, card);
        QVERIFY(!table.frames.at(Rules::Indicateur).visible);
    }
};

QTEST_MAIN(TestVoyageuses1Window)
#include "tst_voyageuses1_window.moc"
