// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/line/betweenclearing.h"
#include "games/line/duoclearing.h"
#include "games/line/linerules.h"
#include "games/line/linesolver.h"
#include "games/mariage/mariagerules.h"
#include "solver/search/cardbyte.h"
#include "solver/search/depthfirst.h"
#include "solver/solverdeal.h"

#include <QTest>
#include <numeric>
#include <random>

namespace {

using Move = LineModel::Move;
using Deal = SolverDeal<LineRules>;

struct Game {
    const char *name;
    LineSolver solver;
    LineTally least; // of the seeded deals
};

// The deck in rank order, each rank in suit order: all three games can be won from it.
QStringList rankOrder()
{
    QStringList order;
    for (int rank = 1; rank <= 13; ++rank) {
        for (int suit = 0; suit < 4; ++suit)
            order.append(CardName(rank, suit));
    }
    return order;
}

bool isMariage(const Deal &deal)
{
    return dynamic_cast<const MariageRules *>(&deal.rules());
}

// One move of the model, played as the player would; whether the rules took it.
bool apply(Deal &deal, const Move &move)
{
    LineRules &rules = deal.rules();
    const CardLine &cards = rules.line();
    const int before = cards.length();
    if (move.place == LineModel::Deal) {
        rules.click(rules.sabot());
        return cards.length() == before + 1 || deal.over();
    }
    if (isMariage(deal)) {
        rules.click(cards.picture(move.place));
        if (move.span == 2)
            rules.click(cards.picture(move.place + 1));
        rules.press(QString::fromLatin1(MariageRules::Supprimer));
        return cards.length() == before - move.span || deal.over();
    }
    for (const int side : {-1, 1}) {
        if (move.place + side >= 0)
            rules.drop(cards.picture(move.place), cards.picture(move.place + side), {});
        if (cards.length() < before || deal.over())
            return true;
    }
    return false;
}

// Selects the first card that may be removed, once the stock is dealt.
void selectACard(Deal &deal)
{
    auto &rules = static_cast<MariageRules &>(deal.rules());
    while (!rules.line().stockEmpty())
        rules.click(rules.sabot());
    for (int place = 0; place < rules.line().length(); ++place) {
        if (rules.removable(place)) {
            rules.click(rules.line().picture(place));
            return;
        }
    }
}

// The moves the rules take: Mariage's own test of what SUPPRIMER takes, or the slides found by
// dragging every card over each of its neighbours and looking for the red frame; then the stock
// while it has cards.
std::vector<Move> legalMoves(Deal &deal)
{
    std::vector<Move> moves;
    LineRules &rules = deal.rules();
    const CardLine &cards = rules.line();
    for (int place = 0; isMariage(deal) && place < cards.length(); ++place) {
        for (const int span : {1, 2}) {
            if (cards.framed(place, span))
                moves.push_back({std::uint8_t(place), std::uint8_t(span)});
        }
    }
    for (int place = 0; !isMariage(deal) && place < cards.length(); ++place) {
        for (const int side : {-1, 1}) {
            if (place + side < 0)
                continue;
            rules.hover(cards.picture(place)); // hides the frame
            rules.dragOver(cards.picture(place), cards.picture(place + side));
            if (rules.table().frames.at(SlideRules::Indicateur).visible)
                moves.push_back({std::uint8_t(place)});
        }
    }
    if (!cards.stockEmpty())
        moves.push_back({LineModel::Deal});
    return moves;
}

// A search's removals played through the model, Duo's as the drag of the card after the one
// that leaves.
LineModel replay(LineModel model, const std::vector<LineClearing::Removal> &line, bool duo)
{
    std::vector<int> left(std::size_t(model.length()));
    std::iota(left.begin(), left.end(), 0);
    for (const LineClearing::Removal &removal : line) {
        const auto at = std::find(left.begin(), left.end(), removal.first);
        if (at == left.end())
            return model;
        const auto place = std::uint8_t(at - left.begin());
        const Move move{std::uint8_t(duo ? place + 1 : place), removal.span};
        std::vector<Move> legal;
        model.legal(legal);
        if (std::find(legal.begin(), legal.end(), move) == legal.end())
            return model;
        model.play(move);
        left.erase(at, at + removal.span);
    }
    return model;
}

const std::vector<Game> &games()
{
    // Duo and Duo de rêve are as good as never won from a shuffled deck.
    static const std::vector<Game> all{{"Duo", LineSolver::duo(), {0, 30}},
                                       {"Duo de rêve", LineSolver::duoDeReve(), {0, 30}},
                                       {"Mariage", LineSolver::mariage(), {30, 0}}};
    return all;
}

} // namespace

class TestLineSolver : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Random legal moves through the rules and through a model that only ever sees its own
    // moves: the same moves at every step, the same line, the same end.
    void theModelMovesInLockstepWithTheRules()
    {
        for (const Game &game : games()) {
            for (quint32 seed = 1; seed <= 150; ++seed) {
                Deal deal(QString::fromUtf8(game.name), seed);
                auto start = game.solver.model(deal.rules());
                QVERIFY(start);
                LineModel model = *start;
                std::mt19937 pick(seed);
                while (!deal.over()) {
                    std::vector<Move> modelMoves;
                    model.legal(modelMoves);
                    const std::vector<Move> legal = legalMoves(deal);
                    QCOMPARE(modelMoves, legal);
                    const CardLine &cards = deal.rules().line();
                    QCOMPARE(model.length(), cards.length());
                    for (int place = 0; place < cards.length(); ++place)
                        QCOMPARE(model.card(place), CardByte(cards.card(place)));
                    QVERIFY(!legal.empty());
                    // Slides more often than deals, so the lines stay short and end both ways.
                    const Move move = legal.size() > 1 && pick() % 4 != 0
                                          ? legal[pick() % (legal.size() - 1)]
                                          : legal[pick() % legal.size()];
                    QVERIFY(apply(deal, move));
                    model.play(move);
                }
                std::vector<Move> left;
                model.legal(left);
                QVERIFY(left.empty());
                QCOMPARE(deal.results(), QList<bool>{model.won()});
            }
        }
    }

    // Every winning line wins through the real rules and every lost deal's line does not, from
    // fresh deals, from positions part played (the stock partly dealt, cards gone, a Mariage
    // card selected), and from the deck in rank order, which each game clears.
    void everyLineReplaysThroughTheRules()
    {
        for (const Game &game : games()) {
            const QString name = QString::fromUtf8(game.name);
            playSolvedLines<LineRules>(
                name, game.solver, 40, game.least, [](Deal &deal, quint32 seed) {
                    std::mt19937 pick(seed);
                    for (int step = 0; seed % 3 == 0 && step < 30 && !deal.over(); ++step) {
                        const std::vector<Move> legal = legalMoves(deal);
                        QVERIFY(apply(deal, legal[pick() % legal.size()]));
                    }
                    if (isMariage(deal) && seed % 4 == 0)
                        selectACard(deal);
                });
            Deal ordered(name, 1, rankOrder());
            QCOMPARE(ordered.solveAndPlay(game.solver).verdict, SolverAnswer::Verdict::Winnable);
            QCOMPARE(ordered.results(), QList<bool>{true});
        }
    }

    // Short lines, of random cards or of cards of two suits (more alike, more often cleared):
    // the searches agree with a search of every order of the model's moves, their lines replay
    // through the model, and a lost line of Duo de rêve or Mariage leaves as few cards as any.
    void theSearchesAgreeWithEveryOrderOfMoves()
    {
        const std::atomic<bool> cancel{false};
        std::mt19937 pick(17);
        int won = 0;
        for (int trial = 0; trial < 900; ++trial) {
            std::vector<std::uint8_t> cards(52);
            std::iota(cards.begin(), cards.end(), std::uint8_t(0));
            if (trial % 2 == 1)
                std::erase_if(cards, [](std::uint8_t card) { return card % 4 >= 2; });
            std::shuffle(cards.begin(), cards.end(), pick);
            cards.resize(std::size_t(3 + trial % 18));
            for (const Game &game : games()) {
                LineModel::Rules rules = game.solver.rules();
                const bool duo = rules.dropBefore;
                if (!duo) {
                    rules.firstLeft = cards.front();
                    rules.secondLeft = cards.back();
                }
                LineModel model;
                QVERIFY(model.set(rules, cards, {}));
                Search::DepthFirst<LineModel> every(cancel, {.nodes = 100'000'000});
                const auto expected = every.solve(model);
                QVERIFY(expected.outcome != Search::Outcome::Unknown);
                const LineClearing found =
                    duo ? ClearDuo(cards, cancel)
                        : ClearBetween(cards, rules.twoAtOnce, rules.firstLeft, rules.secondLeft);
                const bool wins = expected.outcome == Search::Outcome::Won;
                QCOMPARE(found.outcome,
                         wins ? LineClearing::Outcome::Won : LineClearing::Outcome::Lost);
                won += wins ? 1 : 0;
                const LineModel end = replay(model, found.line, duo);
                QCOMPARE(end.won(), wins);
                if (!wins && !duo) {
                    LineModel best = model;
                    for (const Move &move : expected.line)
                        best.play(move);
                    QCOMPARE(end.progress(), best.progress());
                }
            }
        }
        QVERIFY(won > 100);
    }

    // Never a guess: a cancelled search is Unknown, also when the cancel stops the search of an
    // end of the line, which would otherwise read as an end that cannot be cleared.
    void aCancelledSearchIsUnknown()
    {
        // The six lowest ranks in order: cleared, but only after many positions.
        std::vector<std::uint8_t> cards(24);
        std::iota(cards.begin(), cards.end(), std::uint8_t(0));
        const std::atomic<bool> going{false};
        const std::atomic<bool> cancelled{true};
        QCOMPARE(ClearDuo(cards, going).outcome, LineClearing::Outcome::Won);
        QCOMPARE(ClearDuo(cards, cancelled).outcome, LineClearing::Outcome::Unknown);
    }
};

QTEST_GUILESS_MAIN(TestLineSolver)
#include "tst_linesolver.moc"
