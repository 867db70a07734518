#include "games/picturenames.h"
#include "games/tablenavigation.h"

#include <QTest>
#include <algorithm>

using TableNavigation::Direction;

namespace {

// A grid of rows x columns face-up cards, 1200 twips apart across and 1560 down.
TableModel grid(int rows, int columns)
{
    TableModel table;
    table.addGroup(QStringLiteral("Carte"), rows * columns);
    for (int i = 0; i < rows * columns; ++i) {
        Picture &card = table.at(i);
        card.rect.moveTopLeft(QPoint(120 + 1200 * (i % columns), 120 + 1560 * (i / columns)));
        card.face = Picture::Face::Front;
        card.deal(QStringLiteral("ASDEPIQUE"));
    }
    return table;
}

} // namespace

class TestTableNavigation : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void picturesAreNamedInFrenchWords()
    {
        const QList<QPair<QString, QString>> cards{{"DAMEDECOEUR", "Dame de cœur"},
                                                   {"10DEPIQUE", "Dix de pique"},
                                                   {"ASDETREFLE", "As de trèfle"},
                                                   {"VALETDECARREAU", "Valet de carreau"},
                                                   {"7DECOEUR", "Sept de cœur"},
                                                   {"ROIDETREFLE", "Roi de trèfle"},
                                                   {"VRAI", ""},
                                                   {"", ""}};
        for (const auto &[code, name] : cards)
            QCOMPARE(PictureNames::cardName(code), name);

        Picture picture;
        picture.deal(QStringLiteral("DAMEDECOEUR"));
        picture.face = Picture::Face::Back;
        QCOMPARE(PictureNames::pictureName(picture), QStringLiteral("Carte retournée"));
        picture.face = Picture::Face::Front;
        QCOMPARE(PictureNames::pictureName(picture), QStringLiteral("Dame de cœur"));
        picture.face = Picture::Face::None;
        QCOMPARE(PictureNames::pictureName(picture), QStringLiteral("Emplacement libre"));
        picture.caption = QStringLiteral("RESERVE");
        QCOMPARE(PictureNames::pictureName(picture), QStringLiteral("RESERVE"));
        picture.face = Picture::Face::Icon;
        picture.icon = QStringLiteral("JEU");
        QCOMPARE(PictureNames::pictureName(picture), QStringLiteral("Joker"));
    }

    void arrowsGoToTheNextPictureInLine()
    {
        TableModel table = grid(3, 4);
        const auto spots = TableNavigation::spots(table);
        QCOMPARE(spots.size(), 12);
        QCOMPARE(spots.first().index, 0);
        QCOMPARE(spots.last().index, 11);
        QCOMPARE(TableNavigation::next(spots, 5, Direction::Right), 6);
        QCOMPARE(TableNavigation::next(spots, 5, Direction::Left), 4);
        QCOMPARE(TableNavigation::next(spots, 5, Direction::Up), 1);
        QCOMPARE(TableNavigation::next(spots, 5, Direction::Down), 9);
        QCOMPARE(TableNavigation::next(spots, 7, Direction::Right), -1);
        QCOMPARE(TableNavigation::next(spots, 0, Direction::Up), -1);

        // A hidden card is skipped; the row goes on past the gap.
        table.at(6).visible = false;
        const auto gap = TableNavigation::spots(table);
        QCOMPARE(TableNavigation::next(gap, 5, Direction::Right), 7);
        QVERIFY(
            (QList<int>{5, 7}).contains(TableNavigation::nearest(gap, table.at(6).rect.center())));
    }

    void aFannedColumnIsWalkedCardByCard()
    {
        // Five cards fanned down, each 300 twips below the last and in front of it, over a hidden
        // pile covered whole by the first.
        TableModel table;
        table.addGroup(QStringLiteral("Carte"), 6);
        for (int i = 0; i < 5; ++i) {
            table.at(i).rect.moveTopLeft(QPoint(1000, 1000 + 300 * i));
            table.at(i).face = Picture::Face::Front;
            table.at(i).z = i + 1;
        }
        table.at(5).rect.moveTopLeft(QPoint(1000, 1000));
        table.at(5).face = Picture::Face::Back;
        const auto spots = TableNavigation::spots(table);
        QCOMPARE(TableNavigation::reachable(table), (QList<int>{0, 1, 2, 3, 4}));
        const auto shown = TableNavigation::hitPoint(table, 2);
        QVERIFY(shown);
        QCOMPARE(table.pictureAt(*shown), 2);
        QVERIFY(!TableNavigation::hitPoint(table, 5));
        QCOMPARE(TableNavigation::next(spots, 2, Direction::Down), 3);
        QCOMPARE(TableNavigation::next(spots, 2, Direction::Up), 1);
        // The carried cards are out of reach and uncover what lies under them.
        QCOMPARE(TableNavigation::reachable(table, {0, 1, 2, 3, 4}), QList<int>{5});
    }

    void cardsParkedBeyondTheWindowAreOutOfReach()
    {
        // A window as wide as the first card and the left part of the second: the third lies
        // beyond its side, the fourth is parked far away, as a game puts away the cards it is
        // done with. The first has run past the window's foot, as a long column does.
        TableModel table = grid(1, 4);
        table.at(0).rect.moveTop(5000);
        table.at(3).rect.moveTopLeft(QPoint(20000, 20000));
        const auto sorted = [](QList<int> indices) {
            std::sort(indices.begin(), indices.end());
            return indices;
        };
        QCOMPARE(sorted(TableNavigation::reachable(table)), (QList<int>{0, 1, 2, 3}));
        const QRect window = TableNavigation::reach(QSize(1700, 2000));
        QCOMPARE(sorted(TableNavigation::reachable(table, {}, window)), (QList<int>{0, 1}));
    }

    void positionsFollowTheLayout()
    {
        TableModel table = grid(5, 5);
        auto spots = TableNavigation::spots(table);
        QCOMPARE(PictureNames::position(table, spots, 7), QStringLiteral("Rangée 2, colonne 3"));
        QCOMPARE(PictureNames::position(table, spots, 24), QStringLiteral("Rangée 5, colonne 5"));

        TableModel row = grid(1, 4);
        spots = TableNavigation::spots(row);
        QCOMPARE(PictureNames::position(row, spots, 2), QStringLiteral("Colonne 3"));

        // A column fanned down under a row of places: the rank of a card in its column.
        TableModel fanned = grid(1, 3);
        fanned.addGroup(QStringLiteral("Colonne"), 3);
        for (int i = 0; i < 3; ++i) {
            Picture &card = fanned.at(3 + i);
            card.rect.moveTopLeft(QPoint(1320, 2000 + 300 * i));
            card.face = Picture::Face::Front;
            card.z = i + 1;
        }
        spots = TableNavigation::spots(fanned);
        QCOMPARE(PictureNames::position(fanned, spots, 4),
                 QStringLiteral("Rangée 2, colonne 2, carte 2 sur 3"));
        QCOMPARE(PictureNames::position(fanned, spots, 99), QString());
    }
};

QTEST_APPLESS_MAIN(TestTableNavigation)
#include "tst_tablenavigation.moc"
