#include "autoplayer.h"
#include "games/frmHorloge/horlogerules.h"
#include "games/voyageuses/voyageusesrules.h"
#include "shared/cards.h"

#include <QProcess>
#include <QTest>
#include <functional>

namespace {

using Finished = std::function<bool(const TableModel &)>;

// Every place of the grid shows its own card.
bool gridAllHome(const TableModel &table)
{
    for (int place = 0; place < VoyageusesRules::Places; ++place) {
        const Picture &shown = table.at(VoyageusesRules::FirstCarte + place);
        if (shown.face != Picture::Face::Front || shown.card != VoyageusesRules::ownCard(place))
            return false;
    }
    return true;
}

// Every pile shows the four cards of its hour.
bool clockAllHome(const TableModel &table)
{
    for (int i = HorlogeRules::FirstHourCard; i < HorlogeRules::FirstSabot; ++i) {
        const Picture &shown = table.at(i);
        if (shown.face != Picture::Face::Front ||
            !HorlogeRules::belongsTo(shown.card, HorlogeRules::hourOf(i)))
            return false;
    }
    return true;
}

// Every card is turned, none with the rank called as it came: the calls start at the ace with
// the top card, Carte(51).
bool noCallMatched(const TableModel &table)
{
    const PictureGroup *cartes = table.group(QStringLiteral("Carte"));
    for (int k = 0; k < cartes->count; ++k) {
        const Picture &shown = table.at(cartes->first + k);
        const int called = (cartes->count - 1 - k) % 13 + 1;
        if (shown.face != Picture::Face::Front || Cards::CardValue(shown.card) == called)
            return false;
    }
    return true;
}

struct Run {
    int status = -1;
    QString out;
    QString err;
};

Run autoplay(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(AUTOPLAY_BINARY), arguments);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

// The games-won count the program prints.
int wonIn(const QString &out)
{
    const QString label = QStringLiteral("gagnées : ");
    const qsizetype at = out.indexOf(label);
    return at < 0 ? -1 : out.mid(at + label.size()).section(QLatin1Char('\n'), 0, 0).toInt();
}

} // namespace

class TestAutoplay : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void countsTheRulesVerdicts_data()
    {
        QTest::addColumn<QString>("game");
        QTest::addColumn<Finished>("allHome");
        QTest::newRow("voyageuses 1") << QStringLiteral("voyageuses1") << Finished(gridAllHome);
        QTest::newRow("voyageuses 2")
            << QStringLiteral("Les voyageuses (2)") << Finished(gridAllHome);
        QTest::newRow("annonce") << QStringLiteral("annonce") << Finished(noCallMatched);
        QTest::newRow("horloge") << QStringLiteral("horloge") << Finished(clockAllHome);
    }

    // Each deal ends with the rules' verdict, which the table bears out; the program counts the
    // same wins for the same seed, every time.
    void countsTheRulesVerdicts()
    {
        QFETCH(QString, game);
        QFETCH(Finished, allHome);
        constexpr int Deals = 60;
        const QStringList arguments{game,
                                    QString::number(Deals),
                                    QStringLiteral("--seed"),
                                    QStringLiteral("12"),
                                    QStringLiteral("--melange"),
                                    QStringLiteral("3")};
        Autoplayer player(*Autoplay::find(game), 12, 3);
        int won = 0;
        for (int deal = 0; deal < Deals; ++deal) {
            const std::optional<bool> verdict = player.playDeal();
            QVERIFY(verdict.has_value());
            QCOMPARE(*verdict, allHome(player.rules().table()));
            won += *verdict ? 1 : 0;
        }
        const Run first = autoplay(arguments);
        QCOMPARE(first.status, 0);
        QCOMPARE(wonIn(first.out), won);
        QCOMPARE(wonIn(autoplay(arguments).out), won);
    }

    void refusesBadArguments_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("nothing") << QStringList{};
        QTest::newRow("unknown game") << QStringList{QStringLiteral("Belote"), QStringLiteral("5")};
        QTest::newRow("no count") << QStringList{QStringLiteral("horloge")};
        for (const char *count : {"0", "-3", "douze", "2.5"})
            QTest::newRow(count) << QStringList{QStringLiteral("horloge"),
                                                QString::fromLatin1(count)};
        QTest::newRow("unknown option") << QStringList{
            QStringLiteral("horloge"), QStringLiteral("5"), QStringLiteral("--vite")};
        QTest::newRow("seed without value") << QStringList{
            QStringLiteral("horloge"), QStringLiteral("5"), QStringLiteral("--seed")};
        QTest::newRow("melange too large")
            << QStringList{QStringLiteral("horloge"), QStringLiteral("5"),
                           QStringLiteral("--melange"), QStringLiteral("700")};
    }

    void refusesBadArguments()
    {
        QFETCH(QStringList, arguments);
        const Run run = autoplay(arguments);
        QCOMPARE(run.status, 2);
        QVERIFY(run.out.isEmpty());
        QVERIFY(run.err.startsWith(QStringLiteral("autoplay : ")));
    }

    void wilsonInterval()
    {
        const auto check = [](qint64 won, qint64 deals, double low, double high) {
            const Autoplay::WinRate rate = Autoplay::winRate(won, deals);
            QVERIFY(qAbs(rate.low - low) < 5e-5 && qAbs(rate.high - high) < 5e-5);
        };
        check(0, 10, 0.0, 0.2775);
        check(5, 10, 0.2366, 0.7634);
        check(10, 10, 0.7225, 1.0);
    }
};

QTEST_GUILESS_MAIN(TestAutoplay)
#include "tst_autoplay.moc"
