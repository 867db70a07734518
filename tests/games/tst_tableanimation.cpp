// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/tableanimation.h"
#include "games/tablemotion.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <utility>

namespace {

const QSize Area(9000, 8000);

// Three card places and a face-down pile whose pictures already hold their codes.
TableModel table()
{
    TableModel model;
    model.addGroup(QStringLiteral("Place"), 3);
    model.addGroup(QStringLiteral("Pile"), 2);
    for (int i = 0; i < 3; ++i) {
        model.at(i).rect.moveTopLeft({100 + 1200 * i, 100});
        model.at(i).face = Picture::Face::None;
    }
    for (int i = 3; i < 5; ++i) {
        model.at(i).layFaceDown({6000, 5000});
        model.at(i).card = i == 3 ? QStringLiteral("ASDEPIQUE") : QStringLiteral("ROIDECOEUR");
    }
    return model;
}

void show(Picture &picture, const QString &card)
{
    picture.card = card;
    picture.face = Picture::Face::Front;
}

// The share of the way from a to b that r has gone, by its left edge.
qreal progress(const QRectF &r, const QRect &a, const QRect &b)
{
    return (r.left() - a.left()) / qreal(b.left() - a.left());
}

} // namespace

class TestTableAnimation : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void aMovedCardGlidesEasedFromItsOldPlace()
    {
        TableModel before = table();
        show(before.at(0), QStringLiteral("10DECOEUR"));
        TableModel after = before;
        after.at(0).rect.moveTopLeft({4000, 3000});
        TableAnimation animation;
        animation.start(before, after, Area, 1000);

        QList<Sprite> start = animation.sprites(1000);
        QCOMPARE(start.size(), 1);
        QCOMPARE(start.first().picture, 0);
        QCOMPARE(start.first().rect, QRectF(before.at(0).rect));
        QCOMPARE(start.first().widthFactor, 1.0);

        // Find the end: the first millisecond with nothing left to draw.
        qint64 end = 1000;
        while (animation.running(end))
            ++end;
        QVERIFY(end - 1000 >= TableAnimation::ShortestMs);
        QVERIFY(end - 1000 <= TableAnimation::LongestMs);
        const qint64 length = end - 1000;
        const auto at = [&](qint64 ms) {
            return progress(animation.sprites(1000 + ms).first().rect, before.at(0).rect,
                            after.at(0).rect);
        };
        // Slow out of the start, fast in the middle, slow into the end, never back.
        QVERIFY(at(length / 4) < 0.25);
        QVERIFY(at(length / 2) > 0.4 && at(length / 2) < 0.6);
        QVERIFY(at(3 * length / 4) > 0.75);
        for (qint64 ms = 1; ms < length; ++ms)
            QVERIFY(at(ms) >= at(ms - 1));
        const QRectF half = animation.sprites(1000 + length / 2).first().rect;
        QVERIFY(half.top() > before.at(0).rect.top() && half.top() < after.at(0).rect.top());

        QVERIFY(animation.sprites(end).isEmpty());
        QCOMPARE(animation.prune(end), QList<QRectF>{QRectF(after.at(0).rect)});
        QVERIFY(animation.isEmpty());
    }

    void aCardHandedToAnotherPictureGlidesFromTheFirst()
    {
        // A grid closing up: the card of place 2 now shows in place 1; the short way is quick.
        TableModel before = table();
        show(before.at(2), QStringLiteral("DAMEDETREFLE"));
        TableModel after = before;
        after.at(2).face = Picture::Face::None;
        after.at(2).card.clear();
        show(after.at(1), QStringLiteral("DAMEDETREFLE"));
        TableAnimation animation;
        animation.start(before, after, Area, 0);
        const QList<Sprite> sprites = animation.sprites(0);
        QCOMPARE(sprites.size(), 1);
        QCOMPARE(sprites.first().picture, 1);
        QCOMPARE(sprites.first().rect, QRectF(before.at(2).rect));
        QVERIFY(animation.running(TableAnimation::ShortestMs - 1));
        QVERIFY(!animation.running(TableAnimation::LongestMs));
    }

    void aDealtCardTurnsOverOnItsWay()
    {
        TableModel before = table();
        TableModel after = before;
        show(after.at(0), QStringLiteral("ASDEPIQUE")); // from the pile picture 3
        TableAnimation animation;
        animation.start(before, after, Area, 0);
        QList<Sprite> early = animation.sprites(20);
        QCOMPARE(early.size(), 1);
        QCOMPARE(early.first().picture, 0);
        QVERIFY(early.first().showsBack);
        QVERIFY(early.first().rect.left() > 4000); // still near the pile
        QVERIFY(!animation.sprites(TableAnimation::TurnMs - 1).first().showsBack);
        // Edge-on about half way.
        qreal narrowest = 1;
        for (qint64 ms = 0; ms < TableAnimation::TurnMs; ++ms)
            narrowest = std::min(narrowest, animation.sprites(ms).first().widthFactor);
        QVERIFY(narrowest < 0.1);

        // A card turned up where it lies turns over without moving.
        TableModel inPlace = before;
        show(inPlace.at(4), QStringLiteral("ROIDECOEUR"));
        animation.start(before, inPlace, Area, 0);
        const Sprite turning = animation.sprites(50).first();
        QCOMPARE(turning.picture, 4);
        QCOMPARE(turning.rect, QRectF(before.at(4).rect));
        QVERIFY(turning.widthFactor < 1);
    }

    // Taken, the card shows in place 2 now; the window's test sees a refused one settle back.
    void aDroppedCardSettlesQuicklyFromWhereItWasLetGo()
    {
        TableModel before = table();
        show(before.at(0), QStringLiteral("VALETDECOEUR"));
        before.at(0).draggable = true;
        const QPoint letGo(2500, 2600);
        TableModel after = before;
        after.at(0).face = Picture::Face::None;
        show(after.at(2), QStringLiteral("VALETDECOEUR"));
        TableAnimation animation;
        animation.start(before, after, Area, 0, {{0, letGo}});
        const Sprite settling = animation.sprites(0).first();
        QCOMPARE(settling.picture, 2);
        QCOMPARE(settling.rect.topLeft(), QPointF(letGo));
        QVERIFY(!animation.running(TableAnimation::DropMs));
    }

    void aCardCaughtInFlightGoesOnFromWhereItIsDrawn()
    {
        TableModel first = table();
        show(first.at(0), QStringLiteral("8DEPIQUE"));
        show(first.at(1), QStringLiteral("9DEPIQUE"));
        TableModel second = first;
        second.at(0).rect.moveTopLeft({5000, 5000});
        second.at(1).rect.moveTopLeft({5000, 100});
        TableAnimation animation;
        animation.start(first, second, Area, 0);
        const QList<Sprite> drawn = animation.sprites(60);

        // Card 0 is sent elsewhere while card 1 keeps its aim.
        TableModel third = second;
        third.at(0).rect.moveTopLeft({100, 5000});
        animation.start(second, third, Area, 60);
        const QList<Sprite> next = animation.sprites(60);
        QCOMPARE(next.size(), 2);
        for (const Sprite &sprite : next) {
            const auto same = std::find_if(drawn.begin(), drawn.end(), [&](const Sprite &s) {
                return s.picture == sprite.picture;
            });
            QVERIFY(same != drawn.end());
            QCOMPARE(sprite.rect, same->rect); // no jump
        }
        QCOMPARE(animation.sprites(100).size(), 2);
        // Card 1 ends when it would have; card 0 has a whole new way to go.
        qint64 end = 0;
        while (animation.sprites(end).size() == 2)
            ++end;
        QCOMPARE(animation.sprites(end).first().picture, 0);
        QVERIFY(animation.running(60 + TableAnimation::ShortestMs - 1));
    }

    void nothingMovesWithoutAChangeOrOffTheTable()
    {
        TableModel before = table();
        show(before.at(0), QStringLiteral("2DEPIQUE"));
        TableAnimation animation;
        animation.start(before, before, Area, 0);
        QVERIFY(animation.isEmpty());

        // A card parked outside the table neither glides out nor in.
        TableModel parked = before;
        parked.at(0).rect.moveTopLeft({20000, 20000});
        animation.start(before, parked, Area, 0);
        QVERIFY(animation.isEmpty());
        animation.start(parked, before, Area, 0);
        QVERIFY(animation.isEmpty());

        // A card that leaves the table vanishes; the pile laid out anew glides.
        TableModel gone = before;
        gone.at(0).visible = false;
        gone.at(3).rect.moveTopLeft({100, 5000});
        animation.start(before, gone, Area, 0);
        QCOMPARE(animation.sprites(0).size(), 1);
        QCOMPARE(animation.sprites(0).first().picture, 3);
    }

    void theMotionTicksOnlyWhileSomethingMoves()
    {
        TableMotion motion;
        qint64 now = 0;
        motion.setClock([&now] { return now; });
        auto *frames = motion.findChild<QTimer *>(QStringLiteral("animationTimer"));
        QVERIFY(frames);
        QSignalSpy repaints(&motion, &TableMotion::repaint);
        TableModel before = table();
        show(before.at(0), QStringLiteral("3DEPIQUE"));
        TableModel after = before;
        after.at(0).rect.moveTopLeft({4000, 4000});

        motion.changed(before, after, Area);
        QVERIFY(frames->isActive());
        QCOMPARE(repaints.size(), 1);
        now = 100;
        motion.tick();
        QVERIFY(frames->isActive());
        QCOMPARE(motion.sprites().size(), 1);
        now = TableAnimation::LongestMs;
        motion.tick();
        QVERIFY(!frames->isActive()); // idle: no timer left running
        QVERIFY(!motion.isRunning());
        // The last repaint covers where the card came to rest.
        QVERIFY(repaints.last().first().value<QList<QRectF>>().contains(QRectF(after.at(0).rect)));
    }

    // Paints come between the frames, when the card is elsewhere than at any frame: every place
    // it was drawn at is painted again later, so that no corner of it stays on the table.
    void everyPlaceACardWasDrawnAtIsPaintedAgain()
    {
        TableMotion motion;
        qint64 now = 0;
        motion.setClock([&now] { return now; });
        QList<std::pair<bool, QRectF>> seen; // a paint, or a place asked to be painted again
        connect(&motion, &TableMotion::repaint, &motion, [&seen](const QList<QRectF> &places) {
            for (const QRectF &place : places)
                seen.append({false, place});
        });
        TableModel before = table();
        show(before.at(0), QStringLiteral("4DEPIQUE"));
        TableModel after = before;
        after.at(0).rect.moveTopLeft({5000, 6000}); // across and down: the corners stick out

        motion.changed(before, after, Area);
        while (motion.isRunning()) {
            now += 7;
            for (const Sprite &sprite : motion.sprites())
                seen.append({true, sprite.rect});
            now += 9;
            motion.tick();
        }
        for (qsizetype i = 0; i < seen.size(); ++i) {
            if (!seen.at(i).first)
                continue;
            QList<QRectF> later;
            for (qsizetype j = i + 1; j < seen.size(); ++j) {
                if (!seen.at(j).first)
                    later.append(seen.at(j).second);
            }
            // Every point of the card, 25 twips apart, lies in a place painted again.
            const QRectF painted = seen.at(i).second;
            for (qreal x = painted.left(); x < painted.right(); x += 25) {
                for (qreal y = painted.top(); y < painted.bottom(); y += 25) {
                    const bool covered =
                        std::any_of(later.begin(), later.end(),
                                    [x, y](const QRectF &place) { return place.contains(x, y); });
                    QVERIFY2(covered,
                             qPrintable(QStringLiteral("paint %1 at %2, %3").arg(i).arg(x).arg(y)));
                }
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestTableAnimation)
#include "tst_tableanimation.moc"
