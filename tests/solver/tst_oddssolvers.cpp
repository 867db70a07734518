// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/gamecatalog.h"
#include "games/annonce/annonceposition.h"
#include "games/annonce/annoncerules.h"
#include "games/fakehost.h"
#include "games/horloge/horlogeposition.h"
#include "games/horloge/horlogerules.h"
#include "games/stephanie/stephanieposition.h"
#include "games/stephanie/stephanierules.h"
#include "games/voyageuses1/voyageuses1position.h"
#include "games/voyageuses1/voyageuses1rules.h"
#include "games/voyageuses2/voyageuses2position.h"
#include "games/voyageuses2/voyageuses2rules.h"

#include <QTest>
#include <numeric>

namespace {

constexpr int Deals = 300;
constexpr int MostSteps = 400;

// A move of a line played as the window plays the player's: a click, or a drag over the target
// and the drop there.
bool playThrough(GameRules &rules, const SolverMove &move)
{
    switch (move.action) {
    case SolverMove::Action::Click:
        rules.click(move.picture);
        return true;
    case SolverMove::Action::Drop:
        rules.dragOver(move.picture, move.target);
        rules.drop(move.picture, move.target, move.dropTopLeft);
        return true;
    default:
        return false;
    }
}

// Deals seeded games, asks the game's solver about each deal, then plays its line through the
// real rules and through the compact position together: after every move the position read
// from the rules must be the one the compact position reached, the rules must have taken the
// move, and the game must end as the solver said. Halfway, the solver asked again from there
// must give the rest of the same line.
template <typename Position> void lockstep(const QString &game)
{
    RulesBench bench(7);
    bench.host.state = &bench.state;
    const std::unique_ptr<GameRules> rules =
        GameCatalog::rulesFor(game)(bench.context(), bench.host);
    const std::unique_ptr<Solver> solver = GameCatalog::solverFor(game);
    QVERIFY(solver);
    const std::atomic<bool> cancel{false};
    int won = 0;
    for (int deal = 0; deal < Deals; ++deal) {
        bench.state.gameInProgress = false;
        rules->Distribution();
        if (deal == 0)
            rules->load();
        bench.state.gameInProgress = true;
        rules->play();
        const SolverAnswer answer = solver->prepare(*rules)->run(cancel);
        QVERIFY(answer.verdict != SolverAnswer::Verdict::Unknown);
        QVERIFY(answer.line.size() < MostSteps);
        std::optional<Position> model = Position::read(*rules);
        QVERIFY(model);
        const qsizetype ended = bench.host.results.size();
        for (qsizetype step = 0; step < answer.line.size(); ++step) {
            if (step == answer.line.size() / 2) {
                const SolverAnswer rest = solver->prepare(*rules)->run(cancel);
                QCOMPARE(rest.verdict, answer.verdict);
                QCOMPARE(rest.line, answer.line.mid(step));
            }
            const SolverMove &move = answer.line.at(step);
            QVERIFY(model->moves().contains(move));
            if (move.action == SolverMove::Action::Drop)
                QCOMPARE(move.dropTopLeft, rules->table().at(move.target).rect.topLeft());
            const TableModel before = rules->table();
            QVERIFY(playThrough(*rules, move));
            QVERIFY2(rules->table() != before, qPrintable(move.text));
            model->play(move);
            QVERIFY2(
                Position::read(*rules) == model,
                qPrintable(
                    QStringLiteral("donne %1, coup %2 : %3").arg(deal).arg(step).arg(move.text)));
        }
        QVERIFY(model->moves().isEmpty());
        QCOMPARE(bench.host.results.size(), ended + 1);
        const bool winnable = answer.verdict == SolverAnswer::Verdict::Winnable;
        QCOMPARE(bench.host.results.constLast(), winnable);
        QCOMPARE(model->won(), winnable);
        won += winnable ? 1 : 0;
    }
    // Both verdicts came up.
    QVERIFY(won > 0 || game == QStringLiteral("Stéphanie"));
    QVERIFY(won < Deals);
}

// The rules deal the bench's deck, JOUER is pressed, and the game's solver's line is played.
SolverAnswer solveStacked(RulesBench &bench, const QString &game)
{
    bench.host.state = &bench.state;
    bench.settings.write(u"parametres"_qs, u"melange"_qs, u"0"_qs);
    const std::unique_ptr<GameRules> rules =
        GameCatalog::rulesFor(game)(bench.stacked(), bench.host);
    rules->Distribution();
    bench.state.gameInProgress = true;
    rules->play();
    const std::atomic<bool> cancel{false};
    const SolverAnswer answer = GameCatalog::solverFor(game)->prepare(*rules)->run(cancel);
    for (const SolverMove &move : answer.line) {
        if (!playThrough(*rules, move))
            break;
    }
    return answer;
}

} // namespace

class TestOddsSolvers : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void voyageuses1() { lockstep<Voyageuses1Position>(u"Les voyageuses (1)"_qs); }
    void voyageuses2() { lockstep<Voyageuses2Position>(u"Les voyageuses (2)"_qs); }
    void annonce() { lockstep<AnnoncePosition>(u"L'annonce"_qs); }
    void horloge() { lockstep<HorlogePosition>(u"L'horloge"_qs); }
    void stephanie() { lockstep<StephaniePosition>(u"Stéphanie"_qs); }
    void firstPickOfVoyageuses2();
    void stephanieWins();
    void gameSummaries();
};

// With every card known, Les voyageuses (2) is won when the deal moves the cards along one cycle
// at most: picking up a card of that cycle first carries all of them home. Such deals are rare
// among shuffled ones: places 0 to cycle - 1 form one cycle, and a second cycle of two makes the
// deal lost.
void TestOddsSolvers::firstPickOfVoyageuses2()
{
    for (int cycle : {0, 1, 2, 5, 31}) {
        for (bool second : {false, true}) {
            std::array<int, 32> own{};
            std::iota(own.begin(), own.end(), 0);
            if (cycle > 1)
                std::rotate(own.begin(), own.begin() + 1, own.begin() + cycle);
            if (second && cycle < 30)
                std::swap(own[30], own[31]);
            RulesBench bench;
            for (std::size_t place = 0; place < own.size(); ++place)
                bench.state.decks.deck32[place] = VoyageusesRules::ownCard(own[place]);
            const SolverAnswer answer = solveStacked(bench, u"Les voyageuses (2)"_qs);
            const bool lost = second && cycle >= 2 && cycle < 30;
            QCOMPARE(bench.host.results, QList<bool>{!lost});
            // Tried every first card before saying lost.
            QVERIFY(!lost || answer.nodes > 32);
        }
    }
}

// Winning deals of Stéphanie are one in four thousand: one is laid out by hand, each rank's
// four cards in a row after the nine first cards, the four ranks not dealt first at the end.
// The stock is turned from Carte(51) down: the cards played first go last in the deck.
void TestOddsSolvers::stephanieWins()
{
    QStringList deck;
    for (int rank = 1; rank <= 9; ++rank)
        deck.append(CardName(rank, 0));
    QStringList stock;
    for (int rank = 1; rank <= 13; ++rank) {
        for (int suit = rank <= 9 ? 1 : 0; suit < 4; ++suit)
            stock.prepend(CardName(rank, suit));
    }
    RulesBench bench;
    bench.stack(deck + stock);
    const SolverAnswer answer = solveStacked(bench, u"Stéphanie"_qs);
    QCOMPARE(answer.line.size(), 2 * 43);
    QCOMPARE(bench.host.results, QList<bool>{true});
}

void TestOddsSolvers::gameSummaries()
{
    QCOMPARE(GameCatalog::solverFor(u"Les voyageuses (1)"_qs)->gameSummary(),
             u"Chances de gagner : 30,80 %"_qs);
    for (const QString &game :
         {u"Les voyageuses (2)"_qs, u"L'annonce"_qs, u"L'horloge"_qs, u"Stéphanie"_qs})
        QVERIFY(GameCatalog::solverFor(game)->gameSummary().startsWith(u"Chances de gagner : "_qs));
}

QTEST_GUILESS_MAIN(TestOddsSolvers)
#include "tst_oddssolvers.moc"
