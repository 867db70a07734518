#include "fakehost.h"
#include "games/picturenames.h"
#include "games/rulesregistry.h"
#include "games/tablenavigation.h"
#include "randomplayer.h"

#include <QTest>

namespace {

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

class TestPlaceNames : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyPictureIsPlacedInTheGamesWords_data()
    {
        QTest::addColumn<int>("game");
        for (std::size_t i = 0; i < RulesRegistry::all().size(); ++i)
            QTest::newRow(RulesRegistry::all()[i].menuName.toUtf8().constData()) << int(i);
    }

    // Through seeded games played at random, from the deal on, so that the cards reach every
    // part of the table: columns, stocks, the cards put aside.
    void everyPictureIsPlacedInTheGamesWords()
    {
        QFETCH(int, game);
        const RegisteredRules &entry = RulesRegistry::all()[std::size_t(game)];
        for (quint32 seed : {1u, 2u}) {
            RulesBench bench(seed);
            bench.host.state = &bench.state;
            const std::unique_ptr<GameRules> rules = entry.make(bench.context(), bench.host);
            std::mt19937 random(seed);
            for (int step = 0; step < 300; ++step) {
                if (!bench.state.gameInProgress) {
                    rules->deal(0);
                    rules->load();
                    checkPositions(*rules, QStringLiteral("après la donne"));
                    if (QTest::currentTestFailed())
                        return;
                    bench.state.gameInProgress = true;
                    rules->play();
                }
                PlayerAction::draw(*rules, random).apply(*rules);
                checkPositions(*rules, QStringLiteral("graine %1, coup %2").arg(seed).arg(step));
                if (QTest::currentTestFailed())
                    return;
            }
        }
    }

    void placesAreToldInTheGamesWords_data()
    {
        QTest::addColumn<QString>("game");
        QTest::addColumn<QString>("group");
        QTest::addColumn<int>("member");
        QTest::addColumn<QString>("words");
        QTest::addRow("pyramid apex") << "Pyramide"
                                      << "EspaceJeu" << 0 << "Pyramide, rangée 1, carte 1";
        QTest::addRow("pyramid base") << "Pyramide"
                                      << "EspaceJeu" << 35 << "Pyramide, rangée 8, carte 8";
        QTest::addRow("foundation") << "Roi Albert"
                                    << "Sabot" << 2 << "Fondation 3";
    }
    void placesAreToldInTheGamesWords()
    {
        QFETCH(QString, game);
        QFETCH(QString, group);
        QFETCH(int, member);
        QFETCH(QString, words);
        RulesBench bench;
        const std::unique_ptr<GameRules> rules =
            (*RulesRegistry::rulesFor(game))(bench.context(), bench.host);
        rules->deal(0);
        rules->load();
        QCOMPARE(rules->placeName(rules->table().group(group)->first + member), words);
    }
};

QTEST_MAIN(TestPlaceNames)
#include "tst_placenames.moc"
