#include "games/fakehost.h"
#include "games/frmAnnonce/annoncerules.h"

#include <QTest>

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

struct Game : RulesBench, Rules {
    // The pile is turned from Carte(51) down: the first card turned is the last of Deck52.
    explicit Game(const QList<int> &turns, const QString &stored = QStringLiteral("0"))
        : Rules(stacked(), host)
    {
        host.state = &this->RulesBench::state;
        settings.write(Section, Key, stored);
        QList<int> dealtOfRank(Ranks, 0);
        QStringList deck;
        for (int j = 0; j < Cards::FullDeck; ++j)
            deck.prepend(CardName(turns.at(j) + 1, dealtOfRank[turns.at(j)]++));
        stack(deck);
        Distribution();
        load();
    }
    void start()
    {
        RulesBench::state.gameInProgress = true;
        play();
    }
    void turnTop() { click(FirstCarte + pileTop()); }
    QString text(const char *control) const
    {
        return table().control(QString::fromLatin1(control))->text;
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
    void matchOnTheFirstCardLoses()
    {
        Game game(turnsFromAs(0, 12));
        game.turnTop(); // before JOUER
        QCOMPARE(game.text("lblNombreCarte"), QStringLiteral("Reste: 52"));
        game.start();
        game.click(Rules::FirstCarte + 50); // under the top
        game.turnTop();
        QCOMPARE(game.host.results, QList<bool>{false});
        QCOMPARE(game.host.current, QStringLiteral("DESOLE, vous avez perdu..."));
        QCOMPARE(game.text("lblNombreCarte"), QStringLiteral("Reste: 51"));
        QCOMPARE(game.table().at(Rules::FirstCarte + 51).tag, QStringLiteral("ASDETREFLE"));
        game.turnTop(); // after the end
        QCOMPARE(game.statistic(), record("AS", 1));
    }

    void callWrapsFromRoiToAs()
    {
        Game game(turnsFromAs(1, 12), QStringLiteral("12"));
        game.start();
        QCOMPARE(game.text("lblAnnonce"), QStringLiteral("ROI"));
        game.turnTop();
        QCOMPARE(game.text("lblAnnonce"), QStringLiteral("AS"));
        QCOMPARE(game.host.current, QStringLiteral("Cliquez sur la prochaine carte"));
        const TableModel once = game.table();
        game.click(Rules::FirstCarte + 51); // the turned pile
        QCOMPARE(game.table(), once);
        game.turnTop();
        QCOMPARE(game.host.results, QList<bool>{false});
        QCOMPARE(game.statistic(), record("ROI", 2));
    }

    void fiftySecondCardDecides()
    {
        // The last card is called ROI: an AS wins, a ROI loses.
        for (const bool won : {true, false}) {
            Game game(won ? turnsFromAs() : turnsFromAs(50, 51));
            game.start();
            for (int j = 0; j < Cards::FullDeck - 1; ++j)
                game.turnTop();
            QVERIFY(game.host.results.isEmpty());
            game.turnTop();
            QCOMPARE(game.host.results, QList<bool>{won});
            QCOMPARE(game.text("lblNombreCarte"), QStringLiteral("Reste: 0"));
            QCOMPARE(game.statistic(), record("AS", Cards::FullDeck));
        }
    }

    void storedStartingRankHeals()
    {
        for (const char *bad : {"0", "13", "-1", "trois", ""}) {
            Game game(turnsFromAs(), QString::fromLatin1(bad));
            QCOMPARE(game.text("cboAnnonce"), QStringLiteral("AS"));
            QCOMPARE(game.settings.read(Section, Key), QStringLiteral("0"));
        }
        Game game(turnsFromAs(), QStringLiteral("0"));
        game.select(QStringLiteral("cboAnnonce"), 10);
        QCOMPARE(game.settings.read(Section, Key), QStringLiteral("10"));
        game.start();
        QCOMPARE(game.text("lblAnnonce"), QStringLiteral("VALET"));
    }
};

QTEST_GUILESS_MAIN(TestAnnonce)
#include "tst_annonce.moc"
