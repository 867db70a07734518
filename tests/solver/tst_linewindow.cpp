#include "fakemainlink.h"
#include "games/gamecatalog.h"
#include "games/gameform.h"
#include "games/noshuffle.h"
#include "games/rulesregistry.h"
#include "games/solverpanel.h"
#include "settings/settingkeys.h"
#include "shared/files.h"
#include "shared/recordlog.h"
#include "testapp.h"

#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

namespace {

// The deck in rank order, each rank in suit order: all three games can be won from it.
void stackByRank(AppState &state)
{
    int k = 0;
    for (int rank = 1; rank <= 13; ++rank) {
        for (const char *suit : {"TREFLE", "CARREAU", "COEUR", "PIQUE"})
            state.decks.deck52[std::size_t(k++)] =
                Cards::RankWord(rank) + QStringLiteral("DE") + QLatin1String(suit);
    }
}

} // namespace

// The line games in their real window: the indicator, then a demonstration that deals, drags or
// selects through the window's own table to the win.
class TestLineWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void theDemonstrationWinsEveryLineGame_data()
    {
        QTest::addColumn<QString>("menu");
        for (const char *menu : {"Duo", "Duo de rêve", "Mariage"})
            QTest::newRow(menu) << QString::fromUtf8(menu);
    }
    void theDemonstrationWinsEveryLineGame()
    {
        QFETCH(QString, menu);
        TestApp app;
        NoShuffle noShuffle;
        AppContext context{app.state,   app.settings, noShuffle,
                           app.dialogs, app.opener,   app.printer};
        FakeMainLink main;
        QMdiArea area;
        app.set(Settings::Melange, QStringLiteral("0"));
        BuildCardTables(app.state);
        stackByRank(app.state);
        auto *form = new GameForm(*GameCatalog::byMenuName(menu), context, main,
                                  *RulesRegistry::rulesFor(menu));
        area.addSubWindow(form)->showMaximized();
        area.resize(800, 600);
        area.show();
        SolverPanel *panel = form->solverPanel();
        QVERIFY(panel);
        QTRY_COMPARE(panel->indicator()->text(), QStringLiteral("Donne gagnable"));
        app.dialogs.answers = {false};
        panel->startDemonstration();
        for (int tick = 0; tick < 200 && panel->demonstrating(); ++tick) {
            QTRY_VERIFY(panel->answer().has_value());
            panel->demonstrationStep();
        }
        QVERIFY(!panel->demonstrating());
        QVERIFY(!app.state.gameInProgress);
        QVERIFY(app.dialogs.last().text.startsWith(QStringLiteral("BRAVO")));
        QVERIFY(!QFile::exists(LogPath(app.state)));
    }
};

QTEST_MAIN(TestLineWindow)
#include "tst_linewindow.moc"
