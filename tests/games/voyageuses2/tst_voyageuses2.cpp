// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/gamecase.h"
#include "games/voyageuses2/voyageuses2rules.h"

#include <QTest>

namespace {

using Rules = Voyageuses2Rules;
using State = Rules::PlaceState;
using Deal = std::array<QString, Rules::Places>;

Deal atHome()
{
    Deal order;
    for (int place = 0; place < Rules::Places; ++place)
        order[std::size_t(place)] = Rules::ownCard(place);
    return order;
}

struct Game : GameCase<Rules> {
    explicit Game(const Deal &order) : GameCase(QStringLiteral("Les voyageuses (2)"))
    {
        state.decks.deck32 = order;
        rules.Distribution();
    }
    const Picture &hand() const { return at(Rules::ImgSabot); }
    // Drops the card in hand on its own place.
    void carry()
    {
        int place = 0;
        while (Rules::ownCard(place) != hand().card)
            ++place;
        rules.drop(Rules::ImgSabot, Rules::FirstCarte + place, {});
    }
    // During the chain no click, hover or drop on the places changes anything, but for a drop
    // on the place allowed.
    void checkInert(int allowed)
    {
        checkRefused([&] {
            for (int place = 0; place < Rules::Places; ++place) {
                rules.click(place);
                rules.hover(place);
                if (place != allowed)
                    rules.drop(Rules::ImgSabot, place, {});
            }
        });
    }
};

} // namespace

class TestVoyageuses2 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A chain of one, then every other card is turned up; the verdict comes with the last, lost
    // for the two cards exchanged.
    void firstCardAlreadyHome()
    {
        Deal order = atHome();
        std::swap(order[5], order[6]);
        Game game(order);
        game.start();
        QCOMPARE(game.host.current,
                 QStringLiteral("Cliquez sur une des cartes du jeu pour commencer la vorelle."));

        const int first = 3;
        game.rules.click(first);
        QCOMPARE(game.hand().card, Rules::ownCard(first));
        QVERIFY(game.hand().draggable && game.hand().face == Picture::Face::Front);
        QCOMPARE(game.at(first).tag, QStringLiteral("FAUX"));
        QCOMPARE(game.at(first).face, Picture::Face::None);
        QCOMPARE(game.host.current, QStringLiteral("Glissez la carte à l'endroit voulu."));
        game.checkInert(first); // the places ignore clicks during the chain, and refuse the card

        game.rules.dragOver(Rules::ImgSabot, first);
        QVERIFY(game.frameOn(first));
        game.carry(); // fills the hole: the chain is over
        QVERIFY(!game.frameOn(first));
        QCOMPARE(game.at(first).card, Rules::ownCard(first));
        QCOMPARE(game.hand().tag, QStringLiteral("FAUX"));
        QVERIFY(!game.hand().draggable && game.hand().face == Picture::Face::None);
        QCOMPARE(game.host.current,
                 QStringLiteral("Cliquez maintenant sur le(s) carte(s) non découverte(s)."));

        game.rules.hover(first);
        QVERIFY(!game.at(first).hand);
        game.rules.hover(0);
        QVERIFY(game.at(0).hand);
        for (int place = 0; place < Rules::Places - 1; ++place) {
            game.rules.click(place);
            if (place == 5) { // turned up wrong: a click shows it again, no more
                QCOMPARE(game.rules.variables().EtatPlace[5], State::Wrong);
                const TableModel wrong = game.rules.table();
                game.rules.click(place);
                QCOMPARE(game.rules.table(), wrong);
            }
        }
        QVERIFY(game.host.results.isEmpty());
        game.rules.click(Rules::Places - 1);
        QCOMPARE(game.host.results, QList<bool>{false});
        QCOMPARE(game.host.current, QStringLiteral("DESOLE, vous avez perdu..."));
        QVERIFY(game.rules.statistic().isEmpty()); // no line of its own in the record
    }
};

QTEST_GUILESS_MAIN(TestVoyageuses2)
#include "tst_voyageuses2.moc"
