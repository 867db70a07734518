#include "games/fakehost.h"
#include "roialbertdeck.h"

#include <QTest>

using namespace RoialbertDeck;
using Rules = RoialbertRules;

namespace {

struct Game {
    explicit Game(const QMap<int, QString> &placed = {})
    {
        lay(bench.state, bench.settings, placed);
        rules.Distribution();
        bench.state.gameInProgress = true;
        rules.play();
    }
    const Picture &carte(int k) const { return rules.table().at(Rules::FirstCarte + k); }
    int index(const QString &code) const
    {
        for (int k = 0; k < Cards::FullDeck; ++k) {
            if (carte(k).card == code)
                return k;
        }
        return -1;
    }
    QPoint where(const QString &code) const { return carte(index(code)).rect.topLeft(); }
    static QPoint column(int c, int depth)
    {
        return {Rules::columnLeft(c), Rules::ColumnTop + Rules::RunStep * depth};
    }
    void drag(const QString &code, int target) { rules.drop(index(code), target, {}); }
    void onto(const QString &code, const QString &target) { drag(code, index(target)); }
    // A refused move leaves the whole table as it was.
    bool refused(const std::function<void()> &move)
    {
        const TableModel before = rules.table();
        move();
        return rules.table() == before;
    }

    RulesBench bench;
    NoShuffle noShuffle;
    Rules rules{CoreContext{bench.state, bench.settings, noShuffle}, bench.host};
};

} // namespace

class TestRoialbert : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void dealsNineColumnsAndAReserveThenConvertsTags()
    {
        Game game;
        int perColumn[Rules::Columns] = {};
        for (int k = 0; k < Cards::FullDeck; ++k) {
            const QRect &rect = game.carte(k).rect;
            if (k >= reserve(0)) {
                QCOMPARE(rect.topLeft(), QPoint(Rules::ReserveLeft, 720 + 500 * (k - reserve(0))));
                continue;
            }
            const int c = (rect.left() - Rules::ColumnLeft) / Rules::ColumnStep;
            QCOMPARE(rect.top(), Rules::ColumnTop + Rules::RunStep * perColumn[c]++);
        }
        for (int c = 0; c < Rules::Columns; ++c)
            QCOMPARE(perColumn[c], c + 1);
        QCOMPARE(game.carte(0).card, QStringLiteral("ROIDETREFLE"));
        QCOMPARE(game.carte(0).tag, QStringLiteral("13REFLE"));
        QCOMPARE(Rules::ConversionEtiquette(QStringLiteral("10DECARREAU")),
                 QStringLiteral("10RREAU"));
        QVERIFY(game.carte(0).face == Picture::Face::Front && game.carte(0).draggable);
    }

    void buildsDownInAlternateColoursOnExposedCards()
    {
        Game game({{at(1, 1), card(10, "PIQUE")},
                   {at(2, 2), card(9, "COEUR")},
                   {at(3, 3), card(10, "CARREAU")},
                   {at(4, 3), card(10, "TREFLE")},
                   {at(4, 4), card(9, "CARREAU")}});
        const QString redNine = card(9, "COEUR");
        QVERIFY(game.refused([&] { game.onto(redNine, card(10, "CARREAU")); }));
        QVERIFY(game.refused([&] { game.onto(redNine, card(10, "TREFLE")); })); // covered
        game.rules.dragOver(game.index(redNine), game.index(card(10, "PIQUE")));
        QVERIFY(game.rules.table().frames[Rules::Indicateur].visible);
        game.onto(redNine, card(10, "PIQUE"));
        QCOMPARE(game.where(redNine), Game::column(1, 2));
        QVERIFY(!game.rules.table().frames[Rules::Indicateur].visible);
        QVERIFY(game.carte(game.index(redNine)).z > game.carte(game.index(card(10, "PIQUE"))).z);
    }

    void movesValidRunsWholeAndBrokenRunsNot()
    {
        Game game({{at(4, 4), card(9, "CARREAU")},
                   {at(8, 5), card(8, "TREFLE")},
                   {at(8, 6), card(7, "COEUR")},
                   {at(8, 7), card(6, "PIQUE")},
                   {at(8, 8), card(5, "CARREAU")},
                   {at(6, 6), card(9, "COEUR")},
                   {at(7, 4), card(8, "PIQUE")},
                   {at(7, 5), card(7, "CARREAU")},
                   {at(7, 6), card(6, "COEUR")},
                   {at(7, 7), card(5, "TREFLE")}});
        QCOMPARE(game.rules.dragged(game.index(card(8, "TREFLE"))).size(), 4);
        QVERIFY(game.refused([&] { game.onto(card(8, "PIQUE"), card(9, "COEUR")); }));
        game.onto(card(8, "TREFLE"), card(9, "CARREAU"));
        const QStringList run{card(8, "TREFLE"), card(7, "COEUR"), card(6, "PIQUE"),
                              card(5, "CARREAU")};
        for (int d = 0; d < run.size(); ++d)
            QCOMPARE(game.where(run[d]), Game::column(4, 5 + d));
        for (int d = 1; d < run.size(); ++d)
            QVERIFY(game.carte(game.index(run[d])).z > game.carte(game.index(run[d - 1])).z);
    }

    void reserveCardsMoveAloneAndEmptyColumnsTakeAnything()
    {
        Game game({{at(0, 0), card(4, "PIQUE")},
                   {at(1, 1), card(5, "COEUR")},
                   {at(2, 2), card(5, "CARREAU")},
                   {reserve(2), card(4, "TREFLE")},
                   {at(3, 2), card(9, "CARREAU")},
                   {at(3, 3), card(8, "PIQUE")}});
        const QPoint keptBelow = game.carte(reserve(3)).rect.topLeft();
        game.onto(card(4, "TREFLE"), card(5, "CARREAU"));
        QCOMPARE(game.where(card(4, "TREFLE")), Game::column(2, 3));
        QCOMPARE(game.carte(reserve(3)).rect.topLeft(), keptBelow); // the reserve keeps its gap

        QVERIFY(game.refused([&] { game.drag(card(9, "CARREAU"), Rules::FirstEspaceJeu); }));
        game.onto(card(4, "PIQUE"), card(5, "COEUR")); // column 0 is empty now
        QCOMPARE(game.where(card(4, "PIQUE")), Game::column(1, 2));
        game.drag(card(9, "CARREAU"), Rules::FirstEspaceJeu);
        QCOMPARE(game.where(card(9, "CARREAU")), Game::column(0, 0));
        QCOMPARE(game.where(card(8, "PIQUE")), Game::column(0, 1));
        game.rules.hover(Rules::FirstEspaceJeu + 4);
        QCOMPARE(game.bench.host.current,
                 QStringLiteral("Vous pouvez mettre une carte ou un groupe de cartes ici"));
    }

    void foundationsBuildUpBySuitFromTheAce()
    {
        Game game({{reserve(0), card(1, "PIQUE")},
                   {reserve(1), card(1, "COEUR")},
                   {reserve(2), card(2, "PIQUE")},
                   {reserve(3), card(2, "TREFLE")}});
        game.rules.hover(Rules::FirstSabot);
        QCOMPARE(game.bench.host.current, QStringLiteral("Mettez un AS à cet emplacement."));
        game.rules.doubleClick(game.index(card(1, "PIQUE")));
        game.rules.doubleClick(game.index(card(1, "COEUR")));
        const TableModel &table = game.rules.table();
        QCOMPARE(table.at(Rules::FirstSabot).tag, QStringLiteral("01PIQUE"));
        QCOMPARE(table.at(Rules::FirstSabot).card, card(1, "PIQUE"));
        QCOMPARE(table.at(Rules::FirstSabot + 1).tag, QStringLiteral("01COEUR"));
        QVERIFY(!game.carte(game.index(card(1, "PIQUE"))).visible);
        game.rules.hover(Rules::FirstSabot);
        QCOMPARE(game.bench.host.current,
                 QStringLiteral("Mettez un 2 DE PIQUE  à cet emplacement."));
        QVERIFY(game.refused([&] { game.drag(card(2, "TREFLE"), Rules::FirstSabot); }));
        game.drag(card(2, "PIQUE"), Rules::FirstSabot);
        QCOMPARE(table.at(Rules::FirstSabot).tag, QStringLiteral("02PIQUE"));
    }

    void theFiftySecondCardWinsAndIsRecorded()
    {
        Game game;
        // Every column falls towards its exposed card, so sending whatever fits wins.
        for (bool moved = true; moved;) {
            moved = false;
            for (int k = 0; k < Cards::FullDeck; ++k) {
                if (!game.carte(k).visible)
                    continue;
                game.rules.doubleClick(Rules::FirstCarte + k);
                moved = moved || !game.carte(k).visible;
            }
        }
        QCOMPARE(game.bench.host.results, QList<bool>{true});
        QVERIFY(game.bench.host.prompts.contains(QStringLiteral("BRAVO, vous avez gagné...")));
        QCOMPARE(game.bench.host.current, QStringLiteral("BRAVO, vous avez gagné..."));
        QCOMPARE(game.rules.table().at(Rules::FirstSabot).tag.left(2), QStringLiteral("13"));
        game.rules.hover(Rules::FirstSabot);
        QCOMPARE(game.bench.host.current, QStringLiteral("Famille reconstituée"));
        QVERIFY(game.rules.statistic().isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestRoialbert)
#include "tst_roialbert.moc"
