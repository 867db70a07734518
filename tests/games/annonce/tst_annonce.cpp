// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/annonce/annoncerules.h"
#include "games/gamecase.h"

using namespace Qt::StringLiterals;

namespace {

using Rules = AnnonceRules;
constexpr int Ranks = 13;
const QString Section = QStringLiteral("L'ANNONCE");
const QString Key = QStringLiteral("annonce");

// The ranks of the cards in the order turned (0 for "AS"): each gets the rank after the one
// called from "AS", so none matches, but for the swapped turns.
QList<int> turnsFromAs(int a = 0, int b = 0)
{
    QList<int> ranks;
    for (int j = 0; j < Cards::FullDeck; ++j)
        ranks.append((j + 1) % Ranks);
    std::swap(ranks[a], ranks[b]);
    return ranks;
}

// The pile is turned from Carte(51) down: the first card turned is the last of Deck52.
struct Game : GameCase<Rules> {
    explicit Game(const QList<int> &turns, const QString &stored = QStringLiteral("0"))
        : GameCase(QStringLiteral("L'annonce"))
    {
        settings.write(Section, Key, stored);
        QList<int> dealtOfRank(Ranks, 0);
        QStringList deck;
        for (int j = 0; j < Cards::FullDeck; ++j)
            deck.prepend(CardName(turns.at(j) + 1, dealtOfRank[turns.at(j)]++));
        stack(deck);
        rules.Distribution();
        rules.load();
    }
    void click(int picture) { rules.click(picture); }
    void turnTop() { click(Rules::FirstCarte + rules.pileTop()); }
    QString text(const char *control) const
    {
        return rules.table().control(QString::fromLatin1(control))->text;
    }
};

QStringList record(const char *start, int turned)
{
    return {QStringLiteral("Annonce de départ: ") + QString::fromLatin1(start),
            QStringLiteral("Nbre de carte(s) annoncée(s): %1 sur 52").arg(turned)};
}

} // namespace

class TestAnnonce : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Each card turned must not be of the rank called, which goes up by one a card, from ROI
    // back to AS; the game ends at the first match or after the 52nd card.
    void turnsUntilAMatchOrTheEnd_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("called");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QList<int>>("turns");
        QTest::addColumn<int>("turned");
        QTest::addColumn<bool>("won");
        QTest::newRow("ROI, then AS")
            << u"12"_s << u"ROI"_s << u"AS"_s << turnsFromAs(1, 12) << 2 << false;
        QTest::newRow("match on the last card")
            << u"0"_s << u"AS"_s << u"2"_s << turnsFromAs(50, 51) << 52 << false;
        QTest::newRow("no match") << u"0"_s << u"AS"_s << u"2"_s << turnsFromAs() << 52 << true;
    }

    void turnsUntilAMatchOrTheEnd()
    {
        QFETCH(QString, start);
        QFETCH(QString, called);
        QFETCH(QString, second);
        QFETCH(QList<int>, turns);
        QFETCH(int, turned);
        QFETCH(bool, won);
        Game game(turns, start);
        game.start();
        QCOMPARE(game.text("lblAnnonce"), called);
        QVERIFY(game.unchanged([&] { game.click(Rules::FirstCarte + 50); })); // under the top
        for (int j = 1; j < turned; ++j) {
            game.turnTop();
            if (j == 1) {
                QCOMPARE(game.text("lblAnnonce"), second);
                QCOMPARE(game.prompt(), QStringLiteral("Cliquez sur la prochaine carte"));
                QVERIFY(game.unchanged([&] { game.click(Rules::FirstCarte + 51); })); // turned
            }
        }
        QVERIFY(game.host.results.isEmpty());
        game.turnTop();
        game.checkEnded(won, record(qPrintable(called), turned));
        QCOMPARE(game.text("lblNombreCarte"), QStringLiteral("Reste: %1").arg(52 - turned));
    }

    void storedStartingRankHeals()
    {
        for (const char *bad : {"0", "13", "-1", "trois", ""}) {
            Game game(turnsFromAs(), QString::fromLatin1(bad));
            QCOMPARE(game.text("cboAnnonce"), QStringLiteral("AS"));
            QCOMPARE(game.settings.read(Section, Key), QStringLiteral("0"));
        }
        Game game(turnsFromAs(), QStringLiteral("0"));
        game.rules.select(QStringLiteral("cboAnnonce"), 10);
        QCOMPARE(game.settings.read(Section, Key), QStringLiteral("10"));
        game.start();
        QCOMPARE(game.text("lblAnnonce"), QStringLiteral("VALET"));
    }
};

QTEST_GUILESS_MAIN(TestAnnonce)
#include "tst_annonce.moc"
