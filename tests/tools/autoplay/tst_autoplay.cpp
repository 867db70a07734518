// SPDX-License-Identifier: GPL-3.0-or-later
#include "autoplayer.h"
#include "games/dealnumber.h"
#include "support/toolrun.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

ToolRun autoplay(const QStringList &arguments)
{
    return runTool(QStringLiteral(AUTOPLAY_BINARY), arguments);
}

} // namespace

class TestAutoplay : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The tool counts the wins of its player (whose verdicts the odds tests check against the
    // exact odds), the same for the same seed every time.
    void countsThePlayersWins_data()
    {
        QTest::addColumn<QString>("game");
        QTest::newRow("voyageuses 2") << u"Les voyageuses (2)"_s;
        QTest::newRow("horloge") << u"horloge"_s;
    }

    void countsThePlayersWins()
    {
        QFETCH(QString, game);
        constexpr int Deals = 60;
        Autoplayer player(*Autoplay::find(game), 12, 3);
        int won = 0;
        for (int deal = 0; deal < Deals; ++deal)
            won += player.playDeal().value_or(false) ? 1 : 0;
        const QStringList arguments{game,    QString::number(Deals), u"--seed"_s,
                                    u"12"_s, u"--melange"_s,         u"3"_s};
        const ToolRun first = autoplay(arguments);
        QCOMPARE(first.status, 0);
        const QString wins = u"gagnées : %1\n"_s.arg(won);
        QVERIFY2(first.out.contains(wins), qPrintable(first.out));
        QCOMPARE(autoplay(arguments).out.section(u'\n', 0, 1), first.out.section(u'\n', 0, 1));
    }

    // A numbered deal: its cards as the game reads them, for any game and deck (Stéphanie may
    // deal again until its row is valid: the deck printed is the one dealt), or a game of pure
    // chance played to its verdict, the same at every run.
    void numberedDeals()
    {
        const ToolRun pyramide =
            autoplay({u"Pyramide"_s, u"--deal"_s, u"123"_s, u"--print-deck"_s});
        QCOMPARE(pyramide.status, 0);
        QCOMPARE(pyramide.out, DealNumber::Deck(123, 52).join(u',') + u'\n');
        const ToolRun carnaval =
            autoplay({u"carnavalario"_s, u"--print-deck"_s, u"--deal"_s, u"4294967295"_s});
        QCOMPARE(carnaval.out.trimmed().split(u','), DealNumber::Deck(4294967295u, 32));
        const ToolRun stephanie =
            autoplay({u"Stéphanie"_s, u"--deal"_s, u"8"_s, u"--print-deck"_s});
        QCOMPARE(stephanie.out.trimmed().split(u',').size(), 52);

        const QStringList chance{u"L'horloge"_s, u"--deal"_s, u"5"_s};
        const ToolRun first = autoplay(chance);
        QCOMPARE(first.status, 0);
        QVERIFY(first.out.startsWith(u"L'horloge, donne n° 5 : "_s));
        QCOMPARE(autoplay(chance).out, first.out);
    }

    void refusesBadArguments_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("nothing") << QStringList{} << u"il faut un jeu et un nombre de donnes."_s;
        QTest::newRow("unknown game")
            << QStringList{u"Belote"_s, u"5"_s} << u"jeu inconnu « Belote »."_s;
        QTest::newRow("no count") << QStringList{u"horloge"_s}
                                  << u"il faut un jeu et un nombre de donnes."_s;
        for (const QString &count : {u"0"_s, u"-3"_s, u"douze"_s, u"2.5"_s})
            QTest::addRow("count %s", qPrintable(count))
                << QStringList{u"horloge"_s, count}
                << u"le nombre de donnes « %1 » n'est pas un entier positif."_s.arg(count);
        QTest::newRow("unknown option")
            << QStringList{u"horloge"_s, u"5"_s, u"--vite"_s} << u"option inconnue « --vite »."_s;
        QTest::newRow("seed without value") << QStringList{u"horloge"_s, u"5"_s, u"--seed"_s}
                                            << u"valeur incorrecte «  » pour --seed."_s;
        QTest::newRow("melange too large")
            << QStringList{u"horloge"_s, u"5"_s, u"--melange"_s, u"700"_s}
            << u"valeur incorrecte « 700 » pour --melange."_s;
        QTest::newRow("deal 0") << QStringList{u"horloge"_s, u"--deal"_s, u"0"_s}
                                << u"le numéro de donne « 0 » n'est pas un entier de 1 à "
                                   "4294967295."_s;
        QTest::newRow("deal too big") << QStringList{u"horloge"_s, u"--deal"_s, u"4294967296"_s}
                                      << u"le numéro de donne « 4294967296 » n'est pas un entier "
                                         "de 1 à 4294967295."_s;
        QTest::newRow("no deal") << QStringList{u"horloge"_s, u"--deal"_s}
                                 << u"option inconnue ou incomplète « --deal »."_s;
        QTest::newRow("deal of an unknown game")
            << QStringList{u"belote"_s, u"--deal"_s, u"3"_s} << u"jeu inconnu « belote »."_s;
        QTest::newRow("deal with an unknown option")
            << QStringList{u"horloge"_s, u"--deal"_s, u"3"_s, u"--vite"_s}
            << u"option inconnue ou incomplète « --vite »."_s;
        QTest::newRow("empty deck")
            << QStringList{u"solve"_s, u"Pyramide"_s, u"--deck"_s, {}} << u"la donne est vide."_s;
        QTest::newRow("empty deck of a game of chance")
            << QStringList{u"solve"_s, u"L'horloge"_s, u"--deck"_s, {}} << u"la donne est vide."_s;
        // Only ASCII letters are raised: a dotless i is no I.
        const QString deck = DealNumber::Deck(1, 52).join(u',');
        QTest::newRow("letter outside ASCII")
            << QStringList{u"solve"_s, u"Pyramide"_s, u"--deck"_s,
                           QString(deck).replace(u"ASDEPIQUE"_s, u"asdepıque"_s)}
            << u"carte inconnue « ASDEPıQUE »."_s;
        QTest::newRow("deal of a game with choices")
            << QStringList{u"Pyramide"_s, u"--deal"_s, u"3"_s}
            << u"dans « Pyramide » le joueur a des choix : autoplay ne joue pas cette donne seul "
               "(--print-deck en donne les cartes)."_s;
    }

    void refusesBadArguments()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const ToolRun run = autoplay(arguments);
        QCOMPARE(run.status, 2);
        QVERIFY(run.out.isEmpty());
        QCOMPARE(run.err.section(u'\n', 0, 0), u"autoplay : "_s + message);
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
