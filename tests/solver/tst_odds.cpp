// SPDX-License-Identifier: GPL-3.0-or-later
#include "autoplayer.h"
#include "catalog/gamecatalog.h"
#include "games/voyageuses/voyageusesrules.h"
#include "solver/odds/bignumber.h"
#include "support/toolrun.h"

#include <QTest>
#include <cmath>

namespace {

// Wilson's score interval at 99.9 %: a seeded run far outside it means the count is wrong.
struct Interval {
    double low;
    double high;
};
Interval wilson(qint64 won, qint64 deals)
{
    constexpr double z = 3.2905267314919255;
    const double n = double(deals);
    const double p = double(won) / n;
    const double z2n = z * z / n;
    const double centre = (p + z2n / 2) / (1 + z2n);
    const double half = z / (1 + z2n) * std::sqrt(p * (1 - p) / n + z2n / (4 * n));
    return {centre - half, centre + half};
}

ToolRun autoplay(const QStringList &arguments, const QByteArray &input = {})
{
    return runTool(QStringLiteral(AUTOPLAY_BINARY), arguments, input);
}

// Every card of Les voyageuses already on its own place.
QString sortedVoyageuses()
{
    QStringList deck;
    for (int place = 0; place < VoyageusesRules::Places; ++place)
        deck.append(VoyageusesRules::ownCard(place));
    return deck.join(u',');
}

BigNumber choose(int n, int k)
{
    return BigNumber::factorial(n)
        .dividedBy(BigNumber::factorial(k) * BigNumber::factorial(n - k))
        .quotient;
}

} // namespace

class TestOdds : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void bigNumbers();
    void closedForms();
    void againstThePlayedRules_data();
    void againstThePlayedRules();
    void oddsCommand();
    void solveCommand();
    void solveRefusesBadDecks_data();
    void solveRefusesBadDecks();
};

void TestOdds::bigNumbers()
{
    QCOMPARE(BigNumber::factorial(25).toString(), QStringLiteral("15511210043330985984000000"));
    const BigNumber big = BigNumber::factorial(30);
    const BigNumber::Division split = big.dividedBy(BigNumber::factorial(28) * 7);
    QCOMPARE(split.quotient.toString(), QStringLiteral("124")); // 870 / 7
    QCOMPARE(split.remainder, BigNumber::factorial(28) * 2);
    QCOMPARE(big - BigNumber::factorial(29) * 29, BigNumber::factorial(29));
    QCOMPARE(BigNumber(1) - BigNumber(1), BigNumber(0));
    const ExactFraction share = ExactFraction::reduced(BigNumber::factorial(10), 8 * 3628800ULL);
    QCOMPARE(share.text(), QStringLiteral("1/8"));
    QCOMPARE(share.decimals(4), QStringLiteral("0,1250"));
    QCOMPARE(ExactFraction::reduced(2, 3).decimals(5), QStringLiteral("0,66666"));
    QCOMPARE(ExactFraction::reduced(2, 3).value(), 2.0 / 3.0);
}

// Two of the games have a closed form, counted here another way than the search of the rules:
// a deal of Les voyageuses (1) is won when every cycle of the deal that holds no ace place is a
// card on its own place, and one of Les voyageuses (2) when the cycle of the first card is the
// only one that is not (each place then gives the same odds).
void TestOdds::closedForms()
{
    BigNumber oneWins;
    for (int k = 0; k <= 28; ++k)
        oneWins += choose(28, k) * BigNumber::factorial(k + 3) * 4;
    QCOMPARE(GameCatalog::odds(QStringLiteral("Les voyageuses (1)"))->fraction,
             ExactFraction::reduced(oneWins, BigNumber::factorial(32)).text());
    BigNumber twoWins;
    for (int k = 0; k <= 31; ++k)
        twoWins += BigNumber::factorial(31).dividedBy(BigNumber::factorial(31 - k)).quotient;
    QCOMPARE(GameCatalog::odds(QStringLiteral("Les voyageuses (2)"))->fraction,
             ExactFraction::reduced(twoWins, BigNumber::factorial(32)).text());
    // About e / 32.
    QVERIFY(std::abs(GameCatalog::odds(QStringLiteral("Les voyageuses (2)"))->probability -
                     std::exp(1.0) / 32) < 1e-12);
}

void TestOdds::againstThePlayedRules_data()
{
    QTest::addColumn<QString>("game");
    QTest::addColumn<int>("deals");
    QTest::newRow("voyageuses 1") << QStringLiteral("Les voyageuses (1)") << 20000;
    QTest::newRow("voyageuses 2") << QStringLiteral("Les voyageuses (2)") << 20000;
    QTest::newRow("annonce") << QStringLiteral("L'annonce") << 60000;
    QTest::newRow("horloge") << QStringLiteral("L'horloge") << 10000;
    QTest::newRow("stephanie") << QStringLiteral("Stéphanie") << 20000;
}

// The exact odds against many deals played through the real rules by autoplay's player.
void TestOdds::againstThePlayedRules()
{
    QFETCH(QString, game);
    QFETCH(int, deals);
    const AutoplayGame *played = Autoplay::find(game);
    QVERIFY(played);
    Autoplayer player(*played, 17, 10);
    qint64 won = 0;
    for (int deal = 0; deal < deals; ++deal) {
        const std::optional<bool> result = player.playDeal();
        QVERIFY(result);
        won += *result ? 1 : 0;
    }
    const double exact = GameCatalog::odds(game)->probability;
    const Interval measured = wilson(won, deals);
    QVERIFY2(measured.low <= exact && exact <= measured.high,
             qPrintable(QStringLiteral("%1 : exact %2, %3 gagnées sur %4")
                            .arg(game)
                            .arg(exact)
                            .arg(won)
                            .arg(deals)));
}

// At least twelve significant digits, those of the exact odds, and the exact fraction.
void TestOdds::oddsCommand()
{
    const ToolRun run = autoplay({u"horloge"_qs, u"--odds"_qs});
    QCOMPARE(run.status, 0);
    const std::optional<ExactOdds> odds = GameCatalog::odds(u"L'horloge"_qs);
    QVERIFY(run.lines().contains(u"fraction : "_qs + odds->fraction));
    const QString printed = run.lines().filter(u"probabilité : "_qs).value(0).section(u' ', 2);
    QVERIFY2(printed.size() >= 14, qPrintable(run.lines().join(u'\n')));
    QVERIFY(std::abs(QString(printed).replace(u',', u'.').toDouble() - odds->probability) < 1e-15);
}

// A deal already in order wins at once: the first card picked up goes straight back, and the 31
// others are turned where they lie. One deal with two cards exchanged is lost.
void TestOdds::solveCommand()
{
    const ToolRun sorted =
        autoplay({u"solve"_qs, u"voyageuses2"_qs, u"--deck"_qs, sortedVoyageuses()});
    QCOMPARE(sorted.status, 0);
    QVERIFY(sorted.err.isEmpty());
    QCOMPARE(sorted.lines().size(), 1 + 33);
    QVERIFY2(sorted.lines().at(0).startsWith(u"gagnable\t33\t"_qs),
             qPrintable(sorted.lines().at(0)));
    QCOMPARE(sorted.lines().at(1), u"clic Carte(0) 7DEPIQUE"_qs);
    QCOMPARE(sorted.lines().at(2), u"glisse imgSabot(0) 7DEPIQUE sur Carte(0)"_qs);

    QStringList swapped = sortedVoyageuses().split(u',');
    swapped.swapItemsAt(3, 4);
    const QByteArray decks = (sortedVoyageuses() + u'\n' + swapped.join(u',') + u'\n').toUtf8();
    const ToolRun both =
        autoplay({u"solve"_qs, u"Les voyageuses (1)"_qs, u"--decks"_qs, u"-"_qs}, decks);
    QCOMPARE(both.status, 0);
    QCOMPARE(both.lines().size(), 2);
    QVERIFY(both.lines().at(0).startsWith(u"gagnable\t"_qs));
    QVERIFY(both.lines().at(1).startsWith(u"perdue\t"_qs));

    const ToolRun grid =
        autoplay({u"solve"_qs, u"pousse-pousse"_qs, u"--deck"_qs,
                  u"JEU,ASDECOEUR,2DECOEUR,3DECOEUR,4DECOEUR,5DECOEUR,6DECOEUR,7DECOEUR,8DECOEUR,"
                  "9DECOEUR,10DECOEUR,VALETDECOEUR,DAMEDECOEUR,-,ROIDECOEUR,JEU"_qs});
    QCOMPARE(grid.status, 0);
    QCOMPARE(grid.lines(), (QStringList{u"gagnable\t1\t1"_qs, u"clic EspaceJeu(14) ROI"_qs}));
}

void TestOdds::solveRefusesBadDecks_data()
{
    QTest::addColumn<QStringList>("arguments");
    const QString sorted = sortedVoyageuses();
    QTest::newRow("short") << QStringList{u"solve"_qs, u"voyageuses1"_qs, u"--deck"_qs,
                                          sorted.section(u',', 1)};
    QTest::newRow("unknown card") << QStringList{u"solve"_qs, u"voyageuses1"_qs, u"--deck"_qs,
                                                 u"2DEPIQUE,"_qs + sorted.section(u',', 1)};
    QTest::newRow("twice") << QStringList{u"solve"_qs, u"voyageuses1"_qs, u"--deck"_qs,
                                          u"8DEPIQUE,"_qs + sorted.section(u',', 1)};
    QTest::newRow("no deck") << QStringList{u"solve"_qs, u"horloge"_qs};
    QTest::newRow("odds of a game of choices") << QStringList{u"Pyramide"_qs, u"--odds"_qs};
    QTest::newRow("grid without hole") << QStringList{
        u"solve"_qs, u"pousse-pousse"_qs, u"--deck"_qs,
        u"JEU,ASDECOEUR,2DECOEUR,3DECOEUR,4DECOEUR,5DECOEUR,6DECOEUR,7DECOEUR,"
        "8DECOEUR,9DECOEUR,10DECOEUR,VALETDECOEUR,DAMEDECOEUR,JEU,ROIDECOEUR,JEU"_qs};
}

void TestOdds::solveRefusesBadDecks()
{
    QFETCH(QStringList, arguments);
    const ToolRun run = autoplay(arguments);
    QCOMPARE(run.status, 2);
    QVERIFY(run.lines().isEmpty());
    QVERIFY(run.err.startsWith(u"autoplay : "_qs));
    QCOMPARE(run.err.count(u'\n'), 1);
}

QTEST_GUILESS_MAIN(TestOdds)
#include "tst_odds.moc"
