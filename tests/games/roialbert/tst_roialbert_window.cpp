// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakemainlink.h"
#include "roialbertdeck.h"
#include "table/cardtable.h"
#include "table/gameform.h"
#include "table/mousegestures.h"
#include "testapp.h"

#include <QTest>

using namespace RoialbertDeck;
using Rules = RoialbertRules;

class TestRoialbertWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void aRunFollowsTheMouseAndLandsWhole()
    {
        TestApp app;
        BuildCardTables(app.state);
        const QStringList run{card(8, "TREFLE"), card(7, "COEUR"), card(6, "PIQUE")};
        lay(app.state, app.settings,
            {{at(4, 4), card(9, "CARREAU")},
             {at(8, 6), run[0]},
             {at(8, 7), run[1]},
             {at(8, 8), run[2]}});
        FakeMainLink main;
        NoShuffle noShuffle;
        const GameInfo &game = GameCatalog::byId(GameId::Roialbert);
        AppContext laid{app.state, app.settings, noShuffle, app.dialogs, app.opener, app.printer};
        GameForm form(game, laid, main);
        form.resize(1400, 900);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.Boutons[0]->click();
        const TableModel &table = form.rules().table();
        // The visible strip of a covered card is the top of it.
        const auto grip = [&](int k) {
            const QRect r = form.Tapis->toPixels(table.at(k).rect);
            return QPoint(r.center().x(), r.top() + r.height() / 8);
        };
        const int from = at(8, 6);
        const int to = at(4, 4);
        MouseGestures::press(form.Tapis, grip(from));
        MouseGestures::moveHeld(form.Tapis, grip(from) + QPoint(20, 20));
        MouseGestures::moveHeld(form.Tapis, grip(to) + QPoint(0, 30));
        QCOMPARE(form.Tapis->dragSource(), from);
        QVERIFY(table.frames.at(Rules::Indicateur).visible);
        MouseGestures::release(form.Tapis, grip(to) + QPoint(0, 30));
        for (int d = 0; d < run.size(); ++d)
            QCOMPARE(table.at(at(8, 6 + d)).rect.topLeft(),
                     QPoint(Rules::columnLeft(4), Rules::ColumnTop + Rules::RunStep * (5 + d)));
        QVERIFY(!table.frames.at(Rules::Indicateur).visible);
    }
};

QTEST_MAIN(TestRoialbertWindow)
#include "tst_roialbert_window.moc"
