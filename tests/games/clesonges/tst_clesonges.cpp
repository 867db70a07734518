// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/clesonges/clesongesrules.h"
#include "games/gamecase.h"

namespace {

using Rules = CleSongesRules;
using Deal = std::array<QString, Cards::SmallDeck>;

// rank 0 to 7 in column order (7 to as); suit 0 trefle, 1 carreau, 2 coeur, 3 pique.
QString card(int rank, int suit)
{
    constexpr int Ace = 1;
    constexpr int Seven = 7;
    return CardName(rank == Rules::Piles - 1 ? Ace : rank + Seven, suit);
}

int top(int pile)
{
    return Rules::FirstCarte + Rules::PileSize * pile + Rules::PileSize - 1;
}

// Piles 2q and 2q + 1 hold the same ranks at the same heights: turning and pairing their tops
// side by side empties them.
Deal twinPiles()
{
    Deal deal;
    for (int pile = 0; pile < Rules::Piles; ++pile) {
        for (int level = 0; level < Rules::PileSize; ++level)
            deal[std::size_t(Rules::PileSize * pile + level)] =
                card(pile / 4 * 4 + level, pile / 2 % 2 * 2 + pile % 2);
    }
    return deal;
}

// Eight clubs of different ranks on top of the piles, the other cards below.
Deal differentTops()
{
    Deal deal;
    int other = 0;
    for (int k = 0; k < Cards::SmallDeck; ++k) {
        if (k % Rules::PileSize == Rules::PileSize - 1) {
            deal[std::size_t(k)] = card(k / Rules::PileSize, 0);
        } else {
            deal[std::size_t(k)] = card(other % 8, other / 8 + 1);
            ++other;
        }
    }
    return deal;
}

struct Game : GameCase<Rules> {
    explicit Game(const Deal &deal) : GameCase(QStringLiteral("La clé des songes"))
    {
        state.decks.deck32 = deal;
        rules.Distribution();
    }
    const Picture &carte(int k) const { return at(Rules::FirstCarte + k); }
    const Rules::Variables &vars() const { return rules.variables(); }
    // Neither the table nor the game's variables change.
    void checkUnchangedBy(int index)
    {
        const Rules::Variables was = vars();
        QVERIFY(unchanged([&] { rules.click(index); }));
        QCOMPARE(vars(), was);
    }
};

QStringList pairsFound(int count)
{
    return {QStringLiteral("Nbre de paires trouvées: %1").arg(count)};
}

} // namespace

class TestCleSonges : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pairingThePilesDownToTheirBottomsWins()
    {
        Game game(twinPiles());
        for (int k = 0; k < Cards::SmallDeck; ++k) {
            QCOMPARE(game.carte(k).tag, game.state.decks.deck32[std::size_t(k)] + "[R]");
            QCOMPARE(game.carte(k).face, Picture::Face::Back);
            QCOMPARE(game.carte(k).rect.topLeft(), QPoint(Rules::pileLeft(k / 4), Rules::PileTop));
        }
        QCOMPARE(game.prompt(),
                 QStringLiteral("Cliquez sur le bouton JOUER pour commencer la partie."));
        game.start();
        for (int twin = 0; twin < Rules::Piles; twin += 2) {
            for (int level = Rules::PileSize - 1; level >= 0; --level) {
                const int first = Rules::PileSize * twin + level;
                const int second = first + Rules::PileSize;
                for (int k : {first, second, first, second})
                    game.rules.click(k);
                QCOMPARE(game.carte(first).tag, QStringLiteral("VRAI"));
                QCOMPARE(game.carte(second).tag, QStringLiteral("VRAI"));
                QVERIFY(game.carte(second).z > game.carte(first).z);
            }
            if (twin == 0) {
                QCOMPARE(game.prompt(),
                         QStringLiteral("BRAVO, La carte choisie forme une paire avec la carte "
                                        "précédente. Cliquez sur une carte"));
                game.checkUnchangedBy(Rules::FirstCarte);
            }
        }
        game.checkEnded(true, pairsFound(16));
        // The four sevens, from piles 0 to 3, stand in their column one under the other.
        for (int pile = 0; pile < 4; ++pile)
            QCOMPARE(game.carte(Rules::PileSize * pile).rect.topLeft(),
                     QPoint(Rules::pileLeft(0), 1800 + 300 * pile));
        QCOMPARE(game.carte(31).rect.topLeft(), QPoint(Rules::pileLeft(7), 2700));
        QCOMPARE(game.rules.placeName(Rules::FirstCarte + Rules::PileSize * 3),
                 QStringLiteral("Colonne des sept, carte 4"));
    }

    void selectionsAndALossWithEightDifferentTops()
    {
        Game game(differentTops());
        game.start();
        game.rules.click(top(0));
        QCOMPARE(game.carte(top(0)).face, Picture::Face::Front);
        game.rules.click(top(0));
        QCOMPARE(game.vars().Premiere, top(0));
        QVERIFY(game.framed());
        QCOMPARE(game.rules.table().frames.at(Rules::Indicateur).rect.topLeft(), QPoint(60, 60));
        QCOMPARE(game.prompt(), QStringLiteral("Cliquez sur une deuxième carte pour essayer "
                                               "d'obtenir une paire."));
        game.checkUnchangedBy(top(0));
        // A covered card cannot be reached.
        game.checkUnchangedBy(top(0) - 1);
        // Turning a card up keeps the selection; chosen next, it fails to pair.
        game.rules.click(top(1));
        QCOMPARE(game.vars().Premiere, top(0));
        game.rules.click(top(1));
        QCOMPARE(game.prompt(), QStringLiteral("La carte choisie ne forme pas de paire avec la "
                                               "carte précédente. Cliquez sur une carte."));
        QVERIFY(game.vars().Premiere == Rules::NoCard && !game.framed());
        QCOMPARE(game.carte(top(1)).rect.topLeft(), QPoint(Rules::pileLeft(1), Rules::PileTop));
        QCOMPARE(game.rules.placeName(top(1)), QStringLiteral("Pile 2"));

        for (int pile = 2; pile < Rules::Piles; ++pile) {
            QVERIFY(game.host.results.isEmpty());
            game.rules.click(top(pile));
        }
        game.checkEnded(false, pairsFound(0));
    }
};

QTEST_GUILESS_MAIN(TestCleSonges)
#include "tst_clesonges.moc"
