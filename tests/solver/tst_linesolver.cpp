#include "games/fakehost.h"
#include "games/frmDuodereve/duodereverules.h"
#include "games/frmMariage/mariagerules.h"
#include "games/frmPaquetsEscamotables/duorules.h"
#include "games/linerules.h"
#include "solver/line/linesolver.h"
#include "solver/search/cardbyte.h"

#include <QTest>
#include <random>

namespace {

using Move = LineModel::Move;

struct Game {
    const char *name;
    RulesFactory make;
    LineSolver solver;
};

// A seeded deal of the real rules, started as the window starts it.
struct Deal {
    Deal(const Game &game, quint32 seed) : bench(seed)
    {
        bench.host.state = &bench.state;
        rules = game.make(bench.context(), bench.host);
        rules->Distribution();
        bench.state.gameInProgress = true;
        rules->play();
    }
    LineRules &line() { return static_cast<LineRules &>(*rules); }
    bool over() const { return !bench.host.results.isEmpty(); }
    void play(const SolverMove &move)
    {
        if (move.action == SolverMove::Action::Drop) {
            rules->drop(move.picture, move.target, move.dropTopLeft);
            return;
        }
        rules->click(move.picture);
        if (move.partner >= 0)
            rules->click(move.partner);
        if (!move.button.isEmpty())
            rules->press(move.button);
    }
    bool mariage() const { return dynamic_cast<const MariageRules *>(rules.get()); }
    // The slides the rules take, found by dragging every card over each of its neighbours and
    // looking for the red frame; then the stock while it has cards.
    std::vector<Move> legalMoves()
    {
        std::vector<Move> moves;
        const CardLine &cards = line().line();
        const TableModel &table = rules->table();
        // Mariage's own test of what SUPPRIMER takes.
        for (int place = 0; mariage() && place < cards.length(); ++place) {
            for (const int span : {1, 2}) {
                if (cards.framed(place, span))
                    moves.push_back({std::uint8_t(place), std::uint8_t(span)});
            }
        }
        for (int place = 0; !mariage() && place < cards.length(); ++place) {
            for (const int side : {-1, 1}) {
                if (place + side < 0)
                    continue;
                rules->hover(cards.picture(place)); // hides the frame
                rules->dragOver(cards.picture(place), cards.picture(place + side));
                if (table.frames.at(SlideRules::Indicateur).visible)
                    moves.push_back({std::uint8_t(place)});
            }
        }
        if (!cards.stockEmpty())
            moves.push_back({LineModel::Deal});
        return moves;
    }

    RulesBench bench;
    std::unique_ptr<GameRules> rules;
};

const std::vector<Game> &games()
{
    static const std::vector<Game> all{{"Duo", MakeDuoRules, LineSolver::duo()},
                                       {"Duo de rêve", MakeDuodereveRules, LineSolver::duoDeReve()},
                                       {"Mariage", MakeMariageRules, LineSolver::mariage()}};
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
                Deal deal(game, seed);
                auto start = game.solver.model(*deal.rules);
                QVERIFY(start);
                LineModel model = *start;
                std::mt19937 pick(seed);
                while (!deal.over()) {
                    std::vector<Move> modelMoves;
                    model.legal(modelMoves);
                    const std::vector<Move> legal = deal.legalMoves();
                    QCOMPARE(modelMoves, legal);
                    const CardLine &cards = deal.line().line();
                    QCOMPARE(model.length(), cards.length());
                    for (int place = 0; place < cards.length(); ++place)
                        QCOMPARE(model.card(place), CardByte(cards.card(place)));
                    QVERIFY(!legal.empty());
                    // Slides more often than deals, so the lines stay short and end both ways.
                    const Move move = legal.size() > 1 && pick() % 4 != 0
                                          ? legal[pick() % (legal.size() - 1)]
                                          : legal[pick() % legal.size()];
                    if (move.place == LineModel::Deal) {
                        deal.rules->click(deal.line().sabot());
                    } else if (deal.mariage()) {
                        const int before = cards.length();
                        deal.rules->click(cards.picture(move.place));
                        if (move.span == 2)
                            deal.rules->click(cards.picture(move.place + 1));
                        deal.rules->press(QString::fromLatin1(MariageRules::Supprimer));
                        QVERIFY(cards.length() == before - move.span || deal.over());
                    } else {
                        bool moved = false;
                        for (const int side : {-1, 1}) {
                            const int before = cards.length();
                            if (!moved && move.place + side >= 0) {
                                deal.rules->drop(cards.picture(move.place),
                                                 cards.picture(move.place + side), {});
                                moved = cards.length() < before || deal.over();
                            }
                        }
                        QVERIFY(moved);
                    }
                    model.play(move);
                }
                std::vector<Move> left;
                model.legal(left);
                QVERIFY(left.empty());
                QCOMPARE(deal.bench.host.results, QList<bool>{model.won()});
            }
        }
    }

    // Every winning line wins through the real rules, and every lost deal's best line is legal.
    void everyWinningLineWinsThroughTheRules()
    {
        for (const Game &game : games()) {
            int winnable = 0;
            int lost = 0;
            for (quint32 seed = 1; seed <= 6; ++seed) {
                Deal deal(game, seed);
                // A Mariage card selected by the player, once the stock is dealt: the line must
                // first drop it.
                if (deal.mariage() && seed % 4 == 0) {
                    while (!deal.line().line().stockEmpty())
                        deal.rules->click(deal.line().sabot());
                    for (int place = 0; place < deal.line().line().length(); ++place) {
                        if (static_cast<MariageRules &>(*deal.rules).removable(place)) {
                            deal.rules->click(deal.line().line().picture(place));
                            break;
                        }
                    }
                }
                if (deal.over())
                    continue;
                const std::atomic<bool> cancel{false};
                const SolverAnswer answer = game.solver.prepare(*deal.rules)->run(cancel);
                if (answer.verdict == SolverAnswer::Verdict::Unknown)
                    continue;
                for (const SolverMove &move : answer.line) {
                    QVERIFY(!deal.over());
                    const TableModel before = deal.rules->table();
                    deal.play(move);
                    QVERIFY(deal.rules->table() != before);
                }
                if (answer.verdict == SolverAnswer::Verdict::Winnable) {
                    ++winnable;
                    QCOMPARE(deal.bench.host.results, QList<bool>{true});
                } else {
                    ++lost;
                    QVERIFY(deal.bench.host.results != QList<bool>{true});
                }
            }
            // Few deals of these games are decided within the budget; those that are must replay.
            QVERIFY2(winnable + lost > 0, game.name);
            qInfo("%s: %d winnable, %d lost of 6", game.name, winnable, lost);
        }
    }
};

QTEST_GUILESS_MAIN(TestLineSolver)
#include "tst_linesolver.moc"
