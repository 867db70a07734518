// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmjeu.h"
#include "catalog/gamecatalog.h"
#include "table/cardtable.h"
#include "table/gameform.h"
#include "table/gameregistry.h"
#include "table/labelfit.h"
#include "table/solverpanel.h"
#include "testapp.h"

#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QTest>

// Runs on a small screen of the offscreen platform: 800 x 600, and 1600 x 1000 at scale 2 (see
// CMakeLists.txt).
class TestScreenFit : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void mainWindowAndRestoredGamesFitTheScreen()
    {
        TestApp app;
        GameRegistry games(app.context);
        frmJeu jeu(app.context, games);
        jeu.show();
        QVERIFY(jeu.load());
        const QRect screen = jeu.screen()->availableGeometry();
        QVERIFY2(screen.width() < 1024, "the screen must be smaller than the main window");
        QVERIFY(screen.contains(jeu.frameGeometry()));

        const QRect room = jeu.findChild<QMdiArea *>()->viewport()->rect();
        for (const char *name : {"Les voyageuses (1)", "Monte-Carlo"}) {
            jeu.mnuDeVorelle_Click(int(GameCatalog::GameNames().indexOf(QString::fromUtf8(name))));
            auto *form = qobject_cast<GameForm *>(jeu.gameWindow());
            QVERIFY(form);
            auto *sub = qobject_cast<QMdiSubWindow *>(form->parentWidget());
            sub->showNormal();
            // The design size, or as much of it as the work area holds.
            QVERIFY2(room.contains(sub->geometry()), name);
            const bool whole = form->size() == form->sizeHint();
            QVERIFY2(whole || sub->width() == room.width() || sub->height() == room.height(), name);
            QVERIFY(qAbs(form->Tapis->scale() * 15.0 - 1.0) < 0.25);
            // The table fills the window but for the solver's strip under it.
            const int strip = form->solverPanel() ? form->solverPanel()->stripHeight() : 0;
            QCOMPARE(form->Tapis->size(), form->size() - QSize(0, strip));
            QVERIFY2(showsWholeText(form->lblInfo), name);
        }
    }
};

QTEST_MAIN(TestScreenFit)
#include "tst_screenfit.moc"
