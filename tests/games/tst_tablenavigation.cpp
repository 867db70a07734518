// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/gamecatalog.h"
#include "fakehost.h"
#include "games/picturenames.h"
#include "games/tablenavigation.h"
#include "randomplayer.h"

#include <QTest>

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

// A column of count cards face up, each 300 twips below the last and in front of it.
void fan(TableModel &table, QPoint topLeft, int count)
{
    const int first = int(table.pictures.size());
    table.addGroup(QStringLiteral("Colonne"), count);
    for (int i = 0; i < count; ++i) {
        table.at(first + i).rect.moveTopLeft(topLeft + QPoint(0, 300 * i));
        table.at(first + i).face = Picture::Face::Front;
        table.at(first + i).z = i + 1;
    }
}

// Every picture the player can reach is placed in the game's own words, and two of them are
// never told alike where the player must tell them apart: pictures apart on the table have
// different positions, and no two pictures sound the same, name and position.
void checkPositions(const GameRules &rules, const QString &when)
{
    const TableModel &table = rules.table();
    const QList<TableNavigation::Spot> spots =
        TableNavigation::spots(table, {}, TableNavigation::reach(rules.layout().area));
    QStringList positions, heard;
    for (const TableNavigation::Spot &spot : spots) {
        positions.append(rules.placeName(spot.index));
        heard.append(PictureNames::pictureName(table.at(spot.index)) + QStringLiteral(" / ") +
                     positions.last());
        QVERIFY2(!positions.last().isEmpty(),
                 qPrintable(when + QStringLiteral(" : image %1 sans position").arg(spot.index)));
    }
    for (qsizetype a = 0; a < spots.size(); ++a) {
        for (qsizetype b = a + 1; b < spots.size(); ++b) {
            const bool apart =
                !table.at(spots.at(a).index).rect.intersects(table.at(spots.at(b).index).rect);
            if (heard.at(a) == heard.at(b) || (apart && positions.at(a) == positions.at(b)))
                QFAIL(qPrintable(when + QStringLiteral(" : %1 et %2 dits de même (%3 ; %4)")
                                            .arg(spots.at(a).index)
                                            .arg(spots.at(b).index)
                                            .arg(heard.at(a), heard.at(b))));
        }
    }
}

} // namespace

class TestTableNavigation : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void picturesAreNamedInFrenchWords()
    {
        // Each suit, a two-figure rank, the ends of the ranks, and a code that is no card.
        const QList<QPair<QString, QString>> cards{{"DAMEDECOEUR", "Dame de cœur"},
                                                   {"10DEPIQUE", "Dix de pique"},
                                                   {"ASDETREFLE", "As de trèfle"},
                                                   {"ROIDECARREAU", "Roi de carreau"},
                                                   {"VRAI", ""}};
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
        // Five cards fanned down over a hidden pile covered whole by the first.
        TableModel table;
        fan(table, QPoint(1000, 1000), 5);
        table.addGroup(QStringLiteral("Pile"), 1);
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

        // A card alone left of the column, at the same height, comes first: Home goes there,
        // though the column's first card shows only its top strip.
        table.addGroup(QStringLiteral("Seule"), 1);
        table.at(6).rect.moveTopLeft(QPoint(-500, 1000));
        table.at(6).face = Picture::Face::Front;
        QCOMPARE(TableNavigation::reachable(table), (QList<int>{6, 0, 1, 2, 3, 4}));
    }

    void cardsParkedBeyondTheWindowAreOutOfReach()
    {
        // A window as wide as the first card and the left part of the second: the third lies
        // beyond its side, the fourth is parked far away, as a game puts away the cards it is
        // done with. The first has run past the window's foot, as a long column does.
        TableModel table = grid(1, 4);
        table.at(0).rect.moveTop(5000);
        table.at(3).rect.moveTopLeft(QPoint(20000, 20000));
        QCOMPARE(TableNavigation::reachable(table), (QList<int>{1, 2, 0, 3}));
        const QRect window = TableNavigation::reach(QSize(1700, 2000));
        QCOMPARE(TableNavigation::reachable(table, {}, window), (QList<int>{1, 0}));
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
        fan(fanned, QPoint(1320, 2000), 3);
        spots = TableNavigation::spots(fanned);
        QCOMPARE(PictureNames::position(fanned, spots, 4),
                 QStringLiteral("Rangée 2, colonne 2, carte 2 sur 3"));
        QCOMPARE(PictureNames::position(fanned, spots, 99), QString());
    }

    void everyPictureIsPlacedInTheGamesWords_data() { addEveryGame(); }

    // Through seeded games played at random, from the deal on, so that the cards reach every
    // part of the table: columns, stocks, the cards put aside.
    void everyPictureIsPlacedInTheGamesWords()
    {
        QFETCH(QString, game);
        const GameInfo &entry = *GameCatalog::byMenuName(game);
        for (quint32 seed : {1u, 2u}) {
            RulesBench bench(seed);
            bench.host.state = &bench.state;
            const std::unique_ptr<GameRules> rules =
                entry.makeRules(entry, bench.context(), bench.host);
            std::mt19937 random(seed);
            for (int step = 0; step < 300; ++step) {
                if (!bench.state.gameInProgress) {
                    rules->deal(0);
                    rules->load();
                    bench.state.gameInProgress = true;
                    rules->play();
                }
                const PlayerAction action = PlayerAction::draw(*rules, random);
                const TableModel before = rules->table();
                const QList<int> carried = action.kind == PlayerAction::Kind::Drag
                                               ? rules->dragged(action.source)
                                               : QList<int>{};
                action.apply(*rules);
                // A drop the mouse makes where the target shows, the keys make too.
                const QRect reach = TableNavigation::reach(rules->layout().area);
                if (!carried.isEmpty() && action.target >= 0 &&
                    rules->table().pictures != before.pictures &&
                    before.pictureAt(before.at(action.target).rect.center(), carried) ==
                        action.target &&
                    reach.contains(before.at(action.target).rect.center())) {
                    QVERIFY2(
                        TableNavigation::reachable(before, {}, reach).contains(action.source) &&
                            TableNavigation::reachable(before, carried, reach)
                                .contains(action.target),
                        qPrintable(QStringLiteral("graine %1, coup %2 : %3 vers %4")
                                       .arg(seed)
                                       .arg(step)
                                       .arg(action.source)
                                       .arg(action.target)));
                }
                checkPositions(*rules, QStringLiteral("graine %1, coup %2").arg(seed).arg(step));
                if (QTest::currentTestFailed())
                    return;
            }
        }
    }

    void placesAreToldInTheGamesWords()
    {
        const auto placeName = [](const QString &game, const QString &group, int member) {
            RulesBench bench;
            const auto rules = GameCatalog::rulesFor(game)(bench.context(), bench.host);
            rules->deal(0);
            rules->load();
            return rules->placeName(rules->table().group(group)->first + member);
        };
        QCOMPARE(placeName("Pyramide", "EspaceJeu", 0),
                 QStringLiteral("Pyramide, rangée 1, carte 1"));
        QCOMPARE(placeName("Pyramide", "EspaceJeu", 35),
                 QStringLiteral("Pyramide, rangée 8, carte 8"));
        QCOMPARE(placeName("Roi Albert", "Sabot", 2), QStringLiteral("Fondation 3"));
    }
};

QTEST_MAIN(TestTableNavigation)
#include "tst_tablenavigation.moc"
