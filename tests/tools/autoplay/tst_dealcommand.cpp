#include "dealcommand.h"
#include "games/dealnumber.h"

#include <QTest>

namespace {

struct Run {
    explicit Run(const QStringList &args) : status(RunDealCommand(args, out, err)) {}
    QString out;
    QString err;
    int status;
};

} // namespace

class TestDealCommand : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The cards of a numbered deal as the game reads them, on one line, for any game and deck.
    void printsTheDeck()
    {
        const Run pyramide({QStringLiteral("Pyramide"), QStringLiteral("--deal"),
                            QStringLiteral("123"), QStringLiteral("--print-deck")});
        QCOMPARE(pyramide.status, 0);
        QCOMPARE(pyramide.out, DealNumber::Deck(123, 52).join(QLatin1Char(',')) + "\n");
        QVERIFY(pyramide.err.isEmpty());

        const Run carnaval({QStringLiteral("carnavalario"), QStringLiteral("--print-deck"),
                            QStringLiteral("--deal"), QStringLiteral("4294967295")});
        QCOMPARE(carnaval.status, 0);
        QCOMPARE(carnaval.out.trimmed().split(QLatin1Char(',')), DealNumber::Deck(4294967295u, 32));

        // Stéphanie may deal again until its row is valid: the deck printed is the one dealt.
        const Run stephanie({QStringLiteral("Stéphanie"), QStringLiteral("--deal"),
                             QStringLiteral("8"), QStringLiteral("--print-deck")});
        QCOMPARE(stephanie.status, 0);
        QCOMPARE(stephanie.out.trimmed().split(QLatin1Char(',')).size(), 52);
    }

    // A game of pure chance is played to its verdict, the same at every run.
    void playsAGameOfChance()
    {
        const QStringList args{QStringLiteral("L'horloge"), QStringLiteral("--deal"),
                               QStringLiteral("5")};
        const Run first(args);
        QCOMPARE(first.status, 0);
        QVERIFY(first.out.startsWith(QStringLiteral("L'horloge, donne n° 5 : ")));
        QCOMPARE(Run(args).out, first.out);
    }

    void badInput_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("number 0") << QStringList{"horloge", "--deal", "0"};
        QTest::newRow("number too big") << QStringList{"horloge", "--deal", "4294967296"};
        QTest::newRow("no number") << QStringList{"horloge", "--deal"};
        QTest::newRow("unknown game") << QStringList{"belote", "--deal", "3"};
        QTest::newRow("unknown option") << QStringList{"horloge", "--deal", "3", "--vite"};
        QTest::newRow("a game with choices") << QStringList{"Pyramide", "--deal", "3"};
    }
    void badInput()
    {
        QFETCH(QStringList, args);
        const Run run(args);
        QCOMPARE(run.status, 2);
        QVERIFY(run.out.isEmpty());
        QVERIFY(run.err.startsWith(QStringLiteral("autoplay : ")));
    }
};

QTEST_GUILESS_MAIN(TestDealCommand)
#include "tst_dealcommand.moc"
