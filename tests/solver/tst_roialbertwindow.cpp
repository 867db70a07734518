#include "fakemainlink.h"
#include "games/cardtable.h"
#include "games/frmRoialbert/roialbertrules.h"
#include "games/gamecatalog.h"
#include "games/gameform.h"
#include "games/noshuffle.h"
#include "games/solverpanel.h"
#include "settings/settingkeys.h"
#include "shared/files.h"
#include "testapp.h"

#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

namespace {

// A deal the solver wins in 115 moves, card k of the table first.
const char *const WinnableDeck =
    "ROIDECARREAU,3DECARREAU,10DECARREAU,6DECOEUR,ASDECOEUR,10DECOEUR,5DEPIQUE,3DEPIQUE,"
    "9DEPIQUE,2DECARREAU,8DECARREAU,ROIDEPIQUE,VALETDEPIQUE,4DEPIQUE,6DEPIQUE,DAMEDECOEUR,"
    "DAMEDEPIQUE,6DECARREAU,VALETDETREFLE,10DEPIQUE,4DETREFLE,ROIDECOEUR,9DETREFLE,6DETREFLE,"
    "7DECARREAU,7DECOEUR,9DECOEUR,3DECOEUR,9DECARREAU,ASDEPIQUE,5DECOEUR,4DECOEUR,5DECARREAU,"
    "DAMEDETREFLE,ASDETREFLE,7DEPIQUE,VALETDECOEUR,ASDECARREAU,DAMEDECARREAU,2DECOEUR,"
    "4DECARREAU,7DETREFLE,VALETDECARREAU,8DECOEUR,8DETREFLE,8DEPIQUE,2DEPIQUE,5DETREFLE,"
    "2DETREFLE,ROIDETREFLE,10DETREFLE,3DETREFLE";

struct Window {
    Window()
    {
        app.set(Settings::Melange, QStringLiteral("0"));
        BuildCardTables(app.state);
        const QStringList deck = QString::fromLatin1(WinnableDeck).split(QLatin1Char(','));
        for (int k = 0; k < Cards::FullDeck; ++k)
            app.state.decks.deck52[std::size_t(k)] = deck.at(k);
        form = new GameForm(*GameCatalog::byMenuName(QStringLiteral("Roi Albert")), context, main,
                            MakeRoialbertRules);
        area.addSubWindow(form)->showMaximized();
        area.resize(800, 600);
        area.show();
        panel = form->solverPanel();
        form->Boutons_Click(0);
    }

    TestApp app;
    NoShuffle noShuffle;
    AppContext context{app.state, app.settings, noShuffle, app.dialogs, app.opener, app.printer};
    FakeMainLink main;
    QMdiArea area;
    GameForm *form = nullptr;
    SolverPanel *panel = nullptr;
};

} // namespace

// The solver in the real window: the indicator, a hint that frames a run and its target and
// moves nothing, and a demonstration that drags and double-clicks its way to the end.
class TestRoialbertWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void theIndicatorTheHintAndTheDemonstrationWork()
    {
        Window w;
        QVERIFY(w.panel);
        QTRY_COMPARE(w.panel->indicator()->text(), QStringLiteral("Donne gagnable"));
        const TableModel before = w.form->rules().table();
        w.panel->hint();
        const auto *hint = w.form->Tapis->findChild<QWidget *>(QStringLiteral("solverHint"));
        QVERIFY(hint && hint->isVisible());
        QCOMPARE(w.form->rules().table(), before);
        QVERIFY(w.panel->answer()->line.first().framed.size() >= 2);

        w.app.dialogs.answers = {false};
        w.panel->startDemonstration();
        for (int tick = 0; tick < 400 && w.panel->demonstrating(); ++tick) {
            QTRY_VERIFY(w.panel->answer().has_value());
            QCOMPARE(w.panel->indicator()->text(), QStringLiteral("Donne gagnable"));
            w.panel->demonstrationStep();
        }
        QVERIFY(!w.panel->demonstrating());
        QCOMPARE(w.app.dialogs.last().text,
                 QStringLiteral("BRAVO, vous avez gagné la partie. Voulez-vous recommencer une "
                                "nouvelle vorelle ?"));
        QVERIFY(!QFile::exists(LogPath(w.app.state)));
    }
};

QTEST_MAIN(TestRoialbertWindow)
#include "tst_roialbertwindow.moc"
