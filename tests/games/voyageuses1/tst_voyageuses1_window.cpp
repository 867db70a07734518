// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/gamecatalog.h"
#include "fakemainlink.h"
#include "games/voyageuses1/voyageuses1rules.h"
#include "shared/cards.h"
#include "table/cardtable.h"
#include "table/gameform.h"
#include "table/mousegestures.h"
#include "testapp.h"

#include <QTest>
#include <QToolTip>

using Rules = Voyageuses1Rules;

namespace {

// The real window of the game, shown, with JOUER pressed and the first stock card in hand.
struct Window {
    Window()
    {
        BuildCardTables(app.state); // the main window's load does it in the program
        form.resize(1000, 700);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.Boutons[0]->click();
        QTest::mouseClick(form.Tapis, Qt::LeftButton, {}, centre(Rules::FirstSabot));
    }
    const Rules &rules() { return static_cast<const Rules &>(form.rules()); }
    const TableModel &table() { return rules().table(); }
    QPoint centre(int picture) { return form.Tapis->toPixels(table().at(picture).rect).center(); }
    int hand() { return Rules::FirstSabot + rules().variables().IndexSabot; }
    // Drags the card in hand to a point of the table with the button held, and lets go.
    void drag(QPoint target)
    {
        const QPoint from = centre(hand());
        MouseGestures::press(form.Tapis, from);
        MouseGestures::moveHeld(form.Tapis, from + QPoint(20, 20));
        MouseGestures::moveHeld(form.Tapis, target);
        MouseGestures::release(form.Tapis, target);
    }
    // The tip the table shows with the mouse resting at a point, or "" for none.
    QString toolTipAt(QPoint at)
    {
        QHelpEvent event(QEvent::ToolTip, at, form.Tapis->mapToGlobal(at));
        QApplication::sendEvent(form.Tapis, &event);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    }

    TestApp app;
    FakeMainLink main;
    GameForm form{*GameCatalog::byMenuName(QStringLiteral("Les voyageuses (1)")), app.context,
                  main};
};

} // namespace

class TestVoyageuses1Window : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The card in hand is in automatic drag mode: a click on it, or letting it go over the
    // prompt or a button, changes nothing.
    void cardInHandIgnoresClicksAndDropsOnControls()
    {
        Window w;
        const TableModel inHand = w.table();
        const QString prompt = w.form.lblInfo->text();
        QTest::mouseClick(w.form.Tapis, Qt::LeftButton, {}, w.centre(w.hand()));
        QCOMPARE(w.table(), inHand);
        QCOMPARE(w.form.lblInfo->text(), prompt);
        for (const QWidget *control :
             {static_cast<QWidget *>(w.form.lblInfo), static_cast<QWidget *>(w.form.Boutons[2])}) {
            w.drag(control->geometry().center());
            QCOMPARE(w.table(), inHand);
        }
        // The bare table takes it.
        w.drag(QPoint(5, 5));
        QVERIFY(w.table().at(w.hand()).rect.topLeft() != inHand.at(w.hand()).rect.topLeft());
    }

    void eachPictureShowsItsOwnToolTip()
    {
        Window w;
        QCOMPARE(w.toolTipAt(w.centre(Rules::FirstCarte + 3)), QStringLiteral("Carte"));
        QCOMPARE(w.toolTipAt(w.centre(Rules::FirstCarte + 7)), QStringLiteral("Carte")); // empty
        QCOMPARE(w.toolTipAt(w.centre(w.hand())), QStringLiteral("Carte à piocher"));
        QCOMPARE(w.toolTipAt(w.centre(Rules::FirstCouleur + 2)), QStringLiteral("Pique"));
        QCOMPARE(w.toolTipAt(QPoint(3, 3)), QStringLiteral("Tapis de jeu"));
    }
};

QTEST_MAIN(TestVoyageuses1Window)
#include "tst_voyageuses1_window.moc"
