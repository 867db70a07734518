// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/gamecase.h"
#include "roialbertdeck.h"

using namespace RoialbertDeck;
using Rules = RoialbertRules;

namespace {

enum Suit { Trefle, Carreau, Coeur, Pique };

struct Game : GameCase<Rules> {
    explicit Game(const QMap<int, QString> &placed = {}) : GameCase(QStringLiteral("Roi Albert"))
    {
        lay(state, settings, placed);
        rules.Distribution();
        start();
    }
    const Picture &carte(int k) const { return at(Rules::FirstCarte + k); }
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
    void hoverPrompt(int picture, const QString &expected)
    {
        rules.hover(picture);
        QCOMPARE(prompt(), expected);
    }
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
        QVERIFY(game.carte(0).face == Picture::Face::Front && game.carte(0).draggable);
    }

    // A run lands whole under the card it builds on, each card over the one before, then fills
    // an emptied column.
    void movesLandWhereTheyBuild()
    {
        const QStringList run{CardName(8, Trefle), CardName(7, Coeur), CardName(6, Pique)};
        Game game({{at(0, 0), CardName(4, Pique)},
                   {at(1, 1), CardName(5, Coeur)},
                   {at(4, 4), CardName(9, Carreau)},
                   {at(8, 6), run[0]},
                   {at(8, 7), run[1]},
                   {at(8, 8), run[2]}});
        game.rules.dragOver(game.index(run[0]), game.index(CardName(9, Carreau)));
        QVERIFY(game.framed());
        game.drag(run[0], game.index(CardName(9, Carreau)));
        QVERIFY(!game.framed());
        for (int d = 0; d < run.size(); ++d) {
            QCOMPARE(game.where(run[d]), Game::column(4, 5 + d));
            QVERIFY(d == 0 ||
                    game.carte(game.index(run[d])).z > game.carte(game.index(run[d - 1])).z);
        }

        // Dealt before the card it lands on, it must come over it; column 0 empties.
        game.drag(CardName(4, Pique), game.index(CardName(5, Coeur)));
        QCOMPARE(game.where(CardName(4, Pique)), Game::column(1, 2));
        QVERIFY(game.carte(game.index(CardName(4, Pique))).z >
                game.carte(game.index(CardName(5, Coeur))).z);
        game.hoverPrompt(Rules::FirstEspaceJeu,
                         QStringLiteral("Vous pouvez mettre une carte ou un groupe de cartes ici"));
        game.drag(run[0], Rules::FirstEspaceJeu);
        QCOMPARE(game.where(run[0]), Game::column(0, 0));
        QCOMPARE(game.where(run[2]), Game::column(0, 2));
    }

    // Every column falls towards its exposed card, so sending whatever fits home wins.
    void foundationsFromTheAceToTheWin()
    {
        Game game;
        game.hoverPrompt(Rules::FirstSabot, QStringLiteral("Mettez un AS à cet emplacement."));
        const QString ace = game.carte(reserve(Rules::ReserveSize - 1)).card;
        game.rules.doubleClick(Rules::FirstCarte + reserve(Rules::ReserveSize - 1));
        QCOMPARE(game.at(Rules::FirstSabot).card, ace);
        QCOMPARE(game.at(Rules::FirstSabot).tag, QStringLiteral("01") + Cards::SuitKey(ace));
        game.hoverPrompt(
            Rules::FirstSabot,
            QStringLiteral("Mettez un 2 DE %1  à cet emplacement.").arg(Cards::SuitKey(ace)));
        QString whenComplete; // over the first foundation to take its roi
        for (bool moved = true; moved;) {
            moved = false;
            for (int k = 0; k < Cards::FullDeck; ++k) {
                if (!game.carte(k).visible)
                    continue;
                game.rules.doubleClick(Rules::FirstCarte + k);
                moved = moved || !game.carte(k).visible;
                for (int f = Rules::FirstSabot;
                     whenComplete.isEmpty() && f < Rules::FirstSabot + Rules::Foundations; ++f) {
                    if (game.at(f).tag.startsWith(QStringLiteral("13"))) {
                        game.rules.hover(f);
                        whenComplete = game.prompt();
                    }
                }
            }
        }
        QCOMPARE(whenComplete, QStringLiteral("Famille reconstituée"));
        game.checkEnded(true, {});
    }
};

QTEST_APPLESS_MAIN(TestRoialbert)
#include "tst_roialbert.moc"
