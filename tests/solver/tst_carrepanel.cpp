#include "fakemainlink.h"
#include "games/cardtable.h"
#include "games/fakehost.h"
#include "games/frmMaisoncarree/maisoncarreerules.h"
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

using Rules = MaisoncarreeRules;

// The square shows as to 9 of trèfle; the stock gives draw after draw the cards listed, from
// its top. ranks: the ranks of the stock in drawing order, each taking the next unused suit.
QStringList deal(const QList<int> &ranks)
{
    QStringList deck;
    for (int rank = 1; rank <= 9; ++rank)
        deck.append(CardName(rank, 0));
    std::array<int, 14> suit{0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0};
    QStringList stock;
    for (const int rank : ranks)
        stock.prepend(CardName(rank, suit[std::size_t(rank)]++));
    return deck + stock;
}

// One pile climbs from 9 through the whole stock: won by laying every card in turn.
QStringList climbing()
{
    QList<int> ranks;
    for (int round = 0; round < 4; ++round) {
        ranks << 10 << 11 << 12 << 13;
        for (int rank = 1; round < 3 && rank <= 9; ++rank)
            ranks << rank;
    }
    return deal(ranks);
}

// The stock from the kings down: the reserve ends holding cards that no pile can take.
QStringList falling()
{
    QList<int> ranks;
    for (int rank = 13; rank >= 1; --rank) {
        for (int n = 0; n < (rank >= 10 ? 4 : 3); ++n)
            ranks << rank;
    }
    return deal(ranks);
}

struct Window {
    explicit Window(const QStringList &deck)
    {
        app.set(Settings::Melange, QStringLiteral("0"));
        BuildCardTables(app.state);
        for (std::size_t i = 0; i < app.state.decks.deck52.size(); ++i)
            app.state.decks.deck52[i] = deck.at(qsizetype(i));
        form = new GameForm(*GameCatalog::byMenuName(QStringLiteral("Carré")), context, main,
                            MakeMaisoncarreeRules);
        area.addSubWindow(form)->showMaximized();
        area.resize(800, 600);
        area.show();
        panel = form->solverPanel();
    }
    QString indicator() const { return panel->indicator()->text(); }
    const QWidget *hint() const
    {
        return form->Tapis->findChild<QWidget *>(QStringLiteral("solverHint"));
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

class TestCarrePanel : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // At 800 x 600 the strip under the table reads the verdict whole.
    void theIndicatorReadsTheDeal()
    {
        Window won(climbing());
        QVERIFY(won.panel);
        QTRY_COMPARE(won.indicator(), QStringLiteral("Donne gagnable"));
        const QLabel *label = won.panel->indicator();
        QVERIFY(label->isVisible());
        QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) < label->width());
        QVERIFY(!label->geometry().intersects(won.form->Tapis->geometry()));
        Window lost(falling());
        QTRY_COMPARE(lost.indicator(), QStringLiteral("Perdue d'avance"));
    }

    // Indice frames the stock's top card and the pile it goes on, and moves nothing; the drop
    // played by hand takes the frame away.
    void aHintFramesTheCardAndItsPile()
    {
        Window w(climbing());
        w.form->Boutons_Click(0);
        QTRY_VERIFY(w.panel->answer().has_value());
        const TableModel before = w.form->rules().table();
        w.panel->hint();
        QVERIFY(w.hint() && w.hint()->isVisible());
        QCOMPARE(w.form->rules().table(), before);
        const SolverMove first = w.panel->answer()->line.first();
        QCOMPARE(first.framed, (QList<int>{Rules::FirstCarte + 51, Rules::FirstCarte + 8}));
        Q_EMIT w.form->Tapis->dropped(first.picture, first.target, first.dropTopLeft);
        QCOMPARE(w.form->rules().table().at(first.picture).rect.topLeft(),
                 Rules::squarePosition(8));
        QVERIFY(!w.hint()->isVisible());
    }

    void theDemonstrationWinsAndTheGameIsNotRecorded()
    {
        Window w(climbing());
        QTRY_VERIFY(w.panel->answer().has_value());
        w.app.dialogs.answers = {false};
        w.panel->startDemonstration();
        QVERIFY(w.app.state.gameInProgress);
        for (int tick = 0; tick < 60 && w.panel->demonstrating(); ++tick) {
            QTRY_VERIFY(w.panel->answer().has_value());
            w.panel->demonstrationStep();
        }
        QVERIFY(!w.panel->demonstrating());
        QCOMPARE(w.app.dialogs.last().text,
                 QStringLiteral("BRAVO, vous avez gagné la partie. Voulez-vous recommencer une "
                                "nouvelle vorelle ?"));
        QVERIFY(!QFile::exists(LogPath(w.app.state)));
    }
};

QTEST_MAIN(TestCarrePanel)
#include "tst_carrepanel.moc"
