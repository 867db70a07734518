#include "games/cardtable.h"
#include "games/frmVoyageuses1/voyageuses1rules.h"
#include "games/gamecatalog.h"
#include "games/gameform.h"
#include "games/mainwindowlink.h"
#include "testapp.h"

#include <QMouseEvent>
#include <QTest>

namespace {

using Rules = Voyageuses1Rules;
constexpr QPoint HandPosition{10020, 1680};

class FakeMain final : public MainWindowLink {
public:
    void startClock() override { running = true; }
    void stopClock() override { running = false; }
    QString playerName() const override { return QStringLiteral("Joueur"); }
    QString clockText() const override { return QStringLiteral("00:00:00"); }
    void maximiseMainWindow() override {}
    bool running = false;
};

// Presses at from and moves to to with the button held, which QTest's own move does not carry.
void dragOver(QWidget *widget, QPoint from, QPoint to)
{
    QTest::mousePress(widget, Qt::LeftButton, {}, from);
    for (QPoint position : {from + QPoint(20, 20), to}) {
        QMouseEvent event(QEvent::MouseMove, position, widget->mapToGlobal(position), Qt::NoButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    }
}

} // namespace

class TestVoyageuses1Window : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void stockCardIsDraggedHomeWithTheMouse()
    {
        TestApp app;
        BuildCardTables(app.state); // the main window's load does it in the program
        FakeMain main;
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
        QCOMPARE(form.prompt(),
                 QStringLiteral("Cliquez sur le bouton JOUER pour commencer la partie."));

        form.Boutons[0]->click();
        QVERIFY(main.running);
        QTest::mouseClick(form.Tapis, Qt::LeftButton, {}, centre(Rules::FirstSabot));
        const int hand = Rules::FirstSabot + rules.state().IndexSabot;
        const QString card = table.at(hand).tag;
        QCOMPARE(table.at(hand).face, Picture::Face::Front);
        QCOMPARE(form.prompt(), QStringLiteral("Glissez la carte à l'endroit voulu."));
        int own = 0;
        while (Rules::ownCard(own) != card)
            ++own;
        const int wrong = own == 0 ? 1 : 0;
        const auto frame = [&] { return table.frames.at(Rules::Indicateur); };

        // Let go on a wrong place: the card goes back to the hand.
        const TableModel inHand = table;
        dragOver(form.Tapis, centre(hand), centre(Rules::FirstCarte + wrong));
        QVERIFY(!frame().visible);
        QTest::mouseRelease(form.Tapis, Qt::LeftButton, {}, centre(Rules::FirstCarte + wrong));
        QCOMPARE(table, inHand);

        dragOver(form.Tapis, centre(hand), centre(Rules::FirstCarte + own));
        QVERIFY(frame().visible);
        QCOMPARE(frame().rect, Rules::placeRect(own).adjusted(-60, -60, 60, 60));
        QTest::mouseRelease(form.Tapis, Qt::LeftButton, {}, centre(Rules::FirstCarte + own));
        QVERIFY(!frame().visible);
        QCOMPARE(table.at(Rules::FirstCarte + own).tag, card);
        QCOMPARE(table.at(Rules::FirstCarte + own).face, Picture::Face::Front);
        QCOMPARE(rules.state().EtatPlace[std::size_t(own)], Rules::PlaceState::Right);
        if (Rules::isAcePlace(own))
            QVERIFY(!table.at(hand).visible);
        else
            QCOMPARE(table.at(hand).rect.topLeft(), HandPosition);
    }
};

QTEST_MAIN(TestVoyageuses1Window)
#include "tst_voyageuses1_window.moc"
