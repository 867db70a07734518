#include "fakemainlink.h"
#include "games/cardtable.h"
#include "games/gamecatalog.h"
#include "games/gameform.h"
#include "games/gameregistry.h"
#include "games/tablemotion.h"
#include "options/frmoptions.h"
#include "settings/settingkeys.h"
#include "testapp.h"

#include <QCheckBox>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

const QSize Area(6000, 4000);
const QColor Felt(0, 128, 0);

// A table of its own: two cards face up, the first one draggable.
struct Table {
    Table()
    {
        model.addGroup(QStringLiteral("Carte"), 2);
        for (int i = 0; i < 2; ++i) {
            model.at(i).card = i == 0 ? QStringLiteral("ASDEPIQUE") : QStringLiteral("ROIDECOEUR");
            model.at(i).face = Picture::Face::Front;
            model.at(i).rect.moveTopLeft({300 + 3000 * i, 300});
        }
        model.at(0).draggable = true;
        widget.setTableColour(Felt);
        widget.resize(400, 266); // 15 twips to a pixel
        widget.motion()->setClock([this] { return now; });
        widget.setModel(&model, Area);
        widget.show();
    }
    void move(int picture, QPoint topLeft)
    {
        model.at(picture).rect.moveTopLeft(topLeft);
        widget.modelChanged();
    }
    QRect drawn(int picture) const
    {
        for (const Sprite &sprite : widget.motion()->sprites()) {
            if (sprite.picture == picture)
                return sprite.rect.toRect();
        }
        return model.at(picture).rect;
    }
    QColor pixelAt(QPoint twips)
    {
        QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&image);
        widget.render(&painter);
        return image.pixelColor(widget.toPixels(QRect(twips, QSize(1, 1))).topLeft());
    }
    void mouse(QEvent::Type type, QPoint twips, Qt::MouseButtons buttons)
    {
        const QPoint at = widget.toPixels(QRect(twips, QSize(1, 1))).topLeft();
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, widget.mapToGlobal(at), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(&widget, &event);
    }
    void click(QPoint twips)
    {
        mouse(QEvent::MouseButtonPress, twips, Qt::LeftButton);
        mouse(QEvent::MouseButtonRelease, twips, Qt::NoButton);
    }

    TableModel model;
    CardTable widget;
    qint64 now = 0;
};

GameForm *montecarlo(TestApp &app, FakeMainLink &main)
{
    const QString name = QStringLiteral("Monte-Carlo");
    auto *form = new GameForm(*GameCatalog::byMenuName(name), app.context, main,
                              *GameRegistry::rulesFor(name));
    form->Tapis->motion()->setClock([] { return qint64(0); });
    return form;
}

} // namespace

class TestTableAnimationWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A moved card is drawn on its way and not yet at its new place. A click where it is drawn
    // puts it in place first, and so finds the bare table there.
    void aMoveIsDrawnPartWayUntilInputFinishesIt()
    {
        Table table;
        QSignalSpy clicks(&table.widget, &CardTable::clicked);
        const QPoint from = table.model.at(1).rect.topLeft();
        const QPoint to(3300, 2300);
        table.move(1, to);
        QCOMPARE(table.drawn(1).topLeft(), from);
        table.now = 80;
        const QRect half = table.drawn(1);
        QVERIFY(half.top() > from.y() + 200 && half.top() < to.y() - 200);
        QVERIFY(table.pixelAt(half.center()) != Felt);
        QCOMPARE(table.pixelAt(QPoint(to.x() + 100, to.y() + 1300)), Felt);
        table.click(half.center());
        QVERIFY(!table.widget.motion()->isRunning());
        QVERIFY(!table.widget.findChild<QTimer *>(QStringLiteral("animationTimer"))->isActive());
        QVERIFY(clicks.isEmpty());
        QVERIFY(table.pixelAt(table.model.at(1).rect.center()) != Felt);
        // A click at its new place while it moves reaches it, once at rest.
        table.move(1, from);
        QVERIFY(table.widget.motion()->isRunning());
        table.click(table.model.at(1).rect.center());
        QVERIFY(!table.widget.motion()->isRunning());
        QCOMPARE(clicks.size(), 1);
        QCOMPARE(clicks.first().first().toInt(), 1);
    }

    void aDroppedCardSettlesFromWhereItWasLetGo()
    {
        Table table;
        QSignalSpy drops(&table.widget, &CardTable::dropped);
        // The card is refused: its place does not change, it settles back from the drop.
        connect(&table.widget, &CardTable::dropped, &table.widget, &CardTable::modelChanged);
        const QPoint grip = table.model.at(0).rect.center();
        const QPoint letGo = grip + QPoint(1500, 1500);
        table.mouse(QEvent::MouseButtonPress, grip, Qt::LeftButton);
        table.mouse(QEvent::MouseMove, grip + QPoint(600, 600), Qt::LeftButton);
        table.mouse(QEvent::MouseMove, letGo, Qt::LeftButton);
        table.mouse(QEvent::MouseButtonRelease, letGo, Qt::NoButton);
        QCOMPARE(drops.size(), 1);
        const QPoint start = table.drawn(0).topLeft();
        const QPoint expected = table.model.at(0).rect.topLeft() + QPoint(1500, 1500);
        QVERIFY((start - expected).manhattanLength() <= 60); // within a pixel or two
        table.now = TableAnimation::DropMs;
        QVERIFY(table.widget.motion()->sprites().isEmpty());
    }

    void theOptionTurnsMovesOffAndOn()
    {
        TestApp app;
        app.dialogs.answers = {true, true, true}; // new deals during a game
        FakeMainLink main;
        std::unique_ptr<GameForm> form(montecarlo(app, main));
        form->Boutons_Click(0); // the grid is dealt from the pile, turning over
        QVERIFY(form->Tapis->motion()->isRunning());
        const QList<Sprite> dealt = form->Tapis->motion()->sprites();
        QVERIFY(dealt.size() >= 25); // and the stock's top cards
        QVERIFY(dealt.first().showsBack);

        // The options dialog shows the option checked, and its "&Valider" keeps it off.
        frmOptions options(app.context);
        QVERIFY(options.chkAnimer->isChecked());
        options.chkAnimer->setChecked(false);
        options.cmdValiderCouleurs->click();
        QCOMPARE(app.get(Settings::AnimerDeplacements), QStringLiteral("0"));
        options.cmdReinitCouleurs->click();
        QVERIFY(options.chkAnimer->isChecked());

        // The window applies the look again once the dialog closes: nothing moves any more.
        form->applyTableLook();
        QVERIFY(!form->Tapis->motion()->isRunning());
        form->Boutons_Click(1);
        QVERIFY(!form->Tapis->motion()->isRunning());
        std::unique_ptr<GameForm> later(montecarlo(app, main));
        later->Boutons_Click(0);
        QVERIFY(!later->Tapis->motion()->isRunning());

        // Only "0" turns it off; a missing or unreadable value leaves the first-run choice.
        app.set(Settings::AnimerDeplacements, QStringLiteral("oui"));
        later->applyTableLook();
        later->Boutons_Click(1);
        later->Boutons_Click(0);
        QVERIFY(later->Tapis->motion()->isRunning());
    }
};

QTEST_MAIN(TestTableAnimationWindow)
#include "tst_tableanimation_window.moc"
