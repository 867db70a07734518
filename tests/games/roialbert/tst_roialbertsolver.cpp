// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/roialbert/roialbertrules.h"
#include "games/roialbert/roialbertsolver.h"
#include "solver/search/cardbyte.h"
#include "solver/search/depthfirst.h"
#include "solver/solverdeal.h"

#include <QTest>
#include <algorithm>
#include <map>
#include <random>
#include <tuple>
#include <unordered_map>
#include <unordered_set>

namespace {

using Rules = RoialbertRules;
using Model = RoialbertModel;
using Move = Model::Move;
constexpr int AnyFoundation = -2;

// A seeded deal of the real rules, with the drags and double clicks the lines of this game are
// made of.
struct Deal : SolverDeal<Rules> {
    explicit Deal(quint32 seed) : SolverDeal(QStringLiteral("Roi Albert"), seed)
    {
        for (int k = 0; k < Cards::FullDeck; ++k)
            pictureOf[CardByte(rules().table().at(Rules::FirstCarte + k).card)] = k;
    }
    bool won() const { return results() == QList<bool>{true}; }
    bool framed() const { return rules().table().frames.at(Rules::Indicateur).visible; }
    // The deal is not const: only its reading is.
    Rules &player() { return const_cast<Rules &>(rules()); }

    // Every (dragged card, target) the rules' drag feedback accepts, any foundation counted as one.
    std::vector<std::pair<int, int>> rulesDrops()
    {
        std::vector<std::pair<int, int>> drops;
        for (int source = Rules::FirstCarte; source < Rules::FirstCarte + Cards::FullDeck;
             ++source) {
            if (!rules().table().at(source).visible)
                continue;
            for (int target = 0; target < Rules::FirstSabot + Rules::Foundations; ++target) {
                player().drop(source, -1, {}); // let go on the bare table: hides the frame
                player().dragOver(source, target);
                if (framed())
                    drops.emplace_back(source,
                                       target >= Rules::FirstSabot ? AnyFoundation : target);
            }
        }
        std::sort(drops.begin(), drops.end());
        drops.erase(std::unique(drops.begin(), drops.end()), drops.end());
        return drops;
    }
    // Whether every card is drawn where the rules say it lies: the table only shows their places.
    bool drawnWhereItLies() const
    {
        for (int k = 0; k < Cards::FullDeck; ++k) {
            const Rules::Place &place = rules().variables().places[std::size_t(k)];
            const Picture &card = rules().table().at(Rules::FirstCarte + k);
            const bool home = place.area == Rules::Place::Area::Foundation;
            if (card.visible == home || (!home && card.rect.topLeft() != Rules::topLeft(place)))
                return false;
        }
        return true;
    }
    int picture(std::uint8_t card) const { return Rules::FirstCarte + pictureOf[card]; }
    int target(const Model &model, const Move &move) const
    {
        if (move.kind() == Move::ToFoundation)
            return AnyFoundation;
        if (move.kind() == Move::ToEmpty)
            return Rules::FirstEspaceJeu + move.to();
        return picture(model.at(move.to(), model.height(move.to()) - 1));
    }
    void playMove(const Model &model, const Move &move)
    {
        if (move.kind() == Move::ToFoundation)
            player().doubleClick(picture(move.card()));
        else
            player().drop(picture(move.card()), target(model, move), {});
    }
    void playMove(const SolverMove &move)
    {
        if (move.action == SolverMove::Action::DoubleClick)
            player().doubleClick(move.picture);
        else
            player().drop(move.picture, move.target, move.dropTopLeft);
    }

    std::array<int, 52> pictureOf{};
};

// The model searched with every legal move and an exact key: no safe move, no move left out,
// no column order forgotten.
struct Unpruned {
    using Move = Model::Move;
    using Key = Model::ExactKey;
    using KeyHash = Key::Hash;

    Model model;
    void moves(std::vector<Move> &out) const { model.legal(out); }
    void play(const Move &move) { model.play(move); }
    void undo(const Move &move) { model.undo(move); }
    bool won() const { return model.won(); }
    int progress() const { return model.progress(); }
    Key key() const { return model.exactKey(); }
};

// A position read whole, the columns in order of their head: what key() must tell apart.
using Layout = std::tuple<std::vector<std::vector<std::uint8_t>>, std::vector<bool>,
                          std::array<int, Model::Suits>>;
Layout layoutOf(const Model &model)
{
    std::vector<std::vector<std::uint8_t>> columns(Model::Columns);
    for (int c = 0; c < Model::Columns; ++c) {
        for (int depth = 0; depth < model.height(c); ++depth)
            columns[std::size_t(c)].push_back(model.at(c, depth));
    }
    std::sort(columns.begin(), columns.end());
    std::vector<bool> reserve;
    for (std::uint8_t card = 0; card < 52; ++card)
        reserve.push_back(model.inReserve(card));
    std::array<int, Model::Suits> foundations{};
    for (int s = 0; s < Model::Suits; ++s)
        foundations[std::size_t(s)] = model.foundation(s);
    return {columns, reserve, foundations};
}

// A seeded deal's winning line played up to `cleared` cards home, then `wander` random moves,
// half of them, where there are some, moves no move takes back (a card sent home or played from
// the reserve): positions near the end, some still winnable, some lost. Nothing for a deal not won
// quickly.
std::optional<Model> nearTheEnd(quint32 seed, int cleared, int wander, std::mt19937 &pick)
{
    const std::atomic<bool> cancel{false};
    Model model = *RoialbertSolver::model(Deal(seed).rules());
    Search::DepthFirst<Model> search(cancel, {.nodes = 20'000});
    const auto result = search.solve(model);
    if (result.outcome != Search::Outcome::Won)
        return std::nullopt;
    for (std::size_t i = 0; i < result.line.size() && model.progress() < cleared; ++i)
        model.play(result.line[i]);
    std::vector<Move> moves;
    for (int step = 0; step < wander; ++step) {
        moves.clear();
        model.legal(moves);
        if (moves.empty())
            break;
        std::vector<Move> lasting;
        std::copy_if(moves.begin(), moves.end(), std::back_inserter(lasting), [](const Move &m) {
            return m.kind() == Move::ToFoundation || m.from() == Model::Reserve;
        });
        model.play(!lasting.empty() && pick() % 2 ? lasting[pick() % lasting.size()]
                                                  : moves[pick() % moves.size()]);
    }
    return model;
}

} // namespace

class TestRoialbertSolver : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Random legal moves through the rules and through a model that only sees its own moves:
    // the same cards in the same places, drawn there, and the same drops accepted at every step.
    void theModelMovesInLockstepWithTheRules()
    {
        for (quint32 seed = 1; seed <= 25; ++seed) {
            Deal deal(seed);
            Model model = *RoialbertSolver::model(deal.rules());
            std::mt19937 pick(seed);
            for (int step = 0; step < 80 && !deal.won(); ++step) {
                QVERIFY(RoialbertSolver::model(deal.rules())->samePosition(model));
                QVERIFY(deal.drawnWhereItLies());
                std::vector<Move> moves;
                model.legal(moves);
                std::vector<std::pair<int, int>> drops;
                for (const Move &move : moves)
                    drops.emplace_back(deal.picture(move.card()), deal.target(model, move));
                std::sort(drops.begin(), drops.end());
                QCOMPARE(drops.size(), moves.size()); // each move listed once
                QCOMPARE(drops, deal.rulesDrops());
                if (moves.empty())
                    break;
                // Foundations half the time they are open, so that games get somewhere.
                std::vector<Move> home;
                std::copy_if(moves.begin(), moves.end(), std::back_inserter(home),
                             [](const Move &m) { return m.kind() == Move::ToFoundation; });
                const Move move = !home.empty() && pick() % 2 ? home[pick() % home.size()]
                                                              : moves[pick() % moves.size()];
                deal.playMove(model, move);
                model.play(move);
            }
            QCOMPARE(deal.won(), model.won());
        }
    }

    // Each line the solver gives wins through the rules, from a fresh deal or from one played
    // for a while; a lost deal's best line is played through the rules without a refused move.
    void everyWinningLineWinsThroughTheRules()
    {
        int winnable = 0;
        int lost = 0;
        for (quint32 seed = 1; seed <= 60; ++seed) {
            Deal deal(seed);
            std::mt19937 pick(seed);
            for (int step = 0; seed % 3 == 0 && step < 15; ++step) {
                const Model model = *RoialbertSolver::model(deal.rules());
                std::vector<Move> moves;
                model.legal(moves);
                if (!moves.empty())
                    deal.playMove(model, moves[pick() % moves.size()]);
            }
            const std::atomic<bool> cancel{false};
            const SolverAnswer answer = RoialbertSolver{}.prepare(deal.rules())->run(cancel);
            QVERIFY(answer.verdict != SolverAnswer::Verdict::Unknown);
            for (const SolverMove &move : answer.line) {
                QVERIFY(!deal.won());
                const Model before = *RoialbertSolver::model(deal.rules());
                deal.playMove(move);
                QVERIFY2(!RoialbertSolver::model(deal.rules())->samePosition(before),
                         qPrintable(move.text));
            }
            if (answer.verdict == SolverAnswer::Verdict::Winnable) {
                ++winnable;
                QVERIFY(deal.won());
            } else {
                ++lost;
                QVERIFY(!deal.won());
            }
        }
        QVERIFY2(winnable > 30 && lost > 0,
                 qPrintable(QStringLiteral("%1 winnable, %2 lost").arg(winnable).arg(lost)));
    }

    // Two positions reached from one deal share a key exactly when they hold the same columns in
    // some order, the same reserve and the same foundations.
    void theKeyTellsPositionsApartUpToTheColumnsOrder()
    {
        std::mt19937 pick(7);
        for (quint32 seed = 1; seed <= 6; ++seed) {
            std::map<Layout, Model::Key> keyOf;
            std::unordered_map<Model::Key, Layout, Model::KeyHash> layoutOfKey;
            const Model start = *RoialbertSolver::model(Deal(seed).rules());
            std::vector<Move> moves;
            // Many short walks from the deal: the same positions are met again by other roads,
            // their columns in another order.
            for (int walk = 0; walk < 40; ++walk) {
                Model model = start;
                for (int step = 0; step < 80; ++step) {
                    const Layout layout = layoutOf(model);
                    const Model::Key key = model.key();
                    QVERIFY(keyOf.emplace(layout, key).first->second == key);
                    QVERIFY(layoutOfKey.emplace(key, layout).first->second == layout);
                    moves.clear();
                    model.legal(moves);
                    if (moves.empty())
                        break;
                    model.play(moves[pick() % moves.size()]);
                }
            }
            QVERIFY(keyOf.size() > 300);
        }
    }

    // In every order the search tries only legal moves, and each legal move it leaves out leads
    // where it goes anyway, by another move or by staying put (the same columns in another
    // order); only a lone move to a foundation, the safe one, stands for all the others, and a
    // card from the reserve or a run off a card it builds on may wait for a move that needs it
    // (the pruned search's agreement with the full one checks those).
    void theSearchLeavesOutOnlyMovesThatReachNothingNew()
    {
        std::mt19937 pick(3);
        int checked = 0;
        std::size_t leftOut = 0;
        std::vector<Move> legal;
        std::vector<Move> tried;
        const auto keyAfter = [](Model model, const Move &move) {
            model.play(move);
            return model.key();
        };
        const auto mayWait = [](const Model &model, const Move &move) {
            if (move.kind() == Move::ToFoundation || move.from() == Model::Reserve)
                return move.kind() != Move::ToFoundation;
            int depth = model.height(move.from()) - 1;
            while (model.at(move.from(), depth) != move.card())
                --depth;
            return depth > 0 && Model::buildsOn(move.card(), model.at(move.from(), depth - 1));
        };
        for (quint32 seed = 1; seed <= 8; ++seed) {
            const Model start = *RoialbertSolver::model(Deal(seed).rules());
            for (int walk = 0; walk < 30; ++walk) {
                Model model = start;
                for (int step = 0; step < 60; ++step) {
                    legal.clear();
                    model.legal(legal);
                    if (legal.empty())
                        break;
                    for (std::uint32_t order = 0; order < 4; ++order) {
                        model.setOrder(order);
                        tried.clear();
                        model.moves(tried);
                        if (tried.size() == 1 && tried.front().kind() == Move::ToFoundation)
                            continue;
                        std::unordered_set<Model::Key, Model::KeyHash> reached{model.key()};
                        for (const Move &move : tried) {
                            QVERIFY(std::find(legal.begin(), legal.end(), move) != legal.end());
                            reached.insert(keyAfter(model, move));
                        }
                        for (const Move &move : legal)
                            QVERIFY(mayWait(model, move) ||
                                    reached.contains(keyAfter(model, move)));
                        ++checked;
                        leftOut += legal.size() - tried.size();
                    }
                    model.play(legal[pick() % legal.size()]);
                }
            }
        }
        QVERIFY2(checked > 10'000 && leftOut > 1'000,
                 qPrintable(QStringLiteral("%1 positions, %2 moves left out")
                                .arg(checked)
                                .arg(qulonglong(leftOut))));
    }

    // The search with its safe moves, left-out moves and canonical key, in the plain order and
    // the others the solver tries (the last with buried cards weighed lightly), against the
    // search of every legal move, on positions a few dozen cards from the end, winnable and lost.
    void thePrunedSearchAgreesWithTheFullOne()
    {
        std::mt19937 pick(11);
        const std::atomic<bool> cancel{false};
        int won = 0;
        int lost = 0;
        for (quint32 seed = 1; seed <= 200; ++seed) {
            const std::optional<Model> start = nearTheEnd(seed, 6 + int(pick() % 20), 60, pick);
            if (!start)
                continue;
            Search::DepthFirst<Unpruned> full(cancel, {.nodes = 100'000});
            const auto answer = full.solve(Unpruned{*start}).outcome;
            if (answer == Search::Outcome::Unknown)
                continue;
            for (std::uint32_t order = 0; order < 3; ++order) {
                Model ordered = *start;
                ordered.setOrder(order);
                ordered.setBurialWeight(order == 2 ? Model::LightBurial : Model::PlainBurial);
                Search::DepthFirst<Model> pruned(cancel, {});
                QCOMPARE(pruned.solve(ordered).outcome, answer);
            }
            (answer == Search::Outcome::Won ? won : lost) += 1;
        }
        QVERIFY2(won > 20 && lost > 20,
                 qPrintable(QStringLiteral("%1 won, %2 lost").arg(won).arg(lost)));
    }

    // Wins that need a move the search leaves out elsewhere, found by the full search and by the
    // pruned one. The five of hearts is next for its foundation, both black foundations reach
    // three, but the three of diamonds can only leave the ace it covers for the four of spades,
    // which must first come out of the reserve onto that five: sent home early, the five loses the
    // deal. The seven of hearts must leave the eight of spades for the eight of clubs though no
    // card can land on the spade (the seven of diamonds is home): the spade must go home to free
    // the six of hearts it covers.
    void winsThatNeedARareMoveAreFound()
    {
        const auto card = [](int rank, int suit) { return std::uint8_t((rank - 1) * 4 + suit); };
        enum { Trefle, Carreau, Coeur, Pique };
        const std::atomic<bool> cancel{false};
        const auto bothWin =
            [&](const std::array<std::vector<std::uint8_t>, Model::Columns> &columns,
                std::uint8_t inReserve, const std::array<int, Model::Suits> &home) {
                std::array<std::uint8_t, Model::ReserveSize> reserve{};
                reserve.fill(Model::NoCard);
                reserve[0] = inReserve;
                Model start;
                QVERIFY(start.set(columns, reserve, home));
                Search::DepthFirst<Unpruned> full(cancel, {});
                QCOMPARE(full.solve(Unpruned{start}).outcome, Search::Outcome::Won);
                Search::DepthFirst<Model> pruned(cancel, {});
                QCOMPARE(pruned.solve(start).outcome, Search::Outcome::Won);
            };
        bothWin({{
                    {card(1, Carreau), card(3, Carreau)},
                    {card(7, Carreau), card(5, Coeur)},
                    {card(4, Trefle), card(6, Coeur), card(5, Pique), card(2, Carreau)},
                    {card(5, Trefle), card(6, Trefle), card(7, Trefle), card(8, Trefle),
                     card(9, Trefle), card(7, Coeur), card(4, Carreau)},
                    {card(10, Trefle), card(11, Trefle), card(12, Trefle), card(13, Trefle),
                     card(8, Coeur), card(6, Carreau)},
                    {card(6, Pique), card(7, Pique), card(8, Pique), card(9, Pique), card(9, Coeur),
                     card(8, Carreau)},
                    {card(10, Pique), card(11, Pique), card(12, Pique), card(13, Pique),
                     card(10, Coeur), card(10, Carreau)},
                    {card(5, Carreau), card(11, Coeur), card(12, Carreau)},
                    {card(9, Carreau), card(11, Carreau), card(12, Coeur), card(13, Coeur),
                     card(13, Carreau)},
                }},
                card(4, Pique), {3, 0, 4, 3});
        bothWin({{
                    {card(6, Coeur), card(8, Pique), card(7, Coeur)},
                    {card(13, Coeur), card(8, Trefle)},
                    {card(10, Coeur), card(13, Trefle)},
                    {card(10, Trefle), card(9, Coeur), card(9, Pique)},
                    {card(11, Coeur), card(13, Pique)},
                    {card(9, Trefle), card(8, Coeur)},
                    {card(12, Coeur), card(10, Pique)},
                    {card(11, Trefle)},
                    {card(12, Trefle), card(11, Pique)},
                }},
                card(12, Pique), {7, 13, 5, 7});
    }

    // A cancelled search says Unknown.
    void aCancelledSearchIsUnknown()
    {
        Deal deal(3);
        const std::atomic<bool> cancelled{true};
        QCOMPARE(RoialbertSolver{}.prepare(deal.rules())->run(cancelled).verdict,
                 SolverAnswer::Verdict::Unknown);
    }

    // A table the model cannot read (no deal yet, or a card out of its places) gives no model.
    void noModelWithoutAFullDeal()
    {
        RulesBench bench;
        Rules rules{GameCatalog::byId(GameId::Roialbert), bench.context(), bench.host};
        QVERIFY(!RoialbertSolver::model(rules));
        Model model;
        std::array<std::vector<std::uint8_t>, Model::Columns> columns;
        std::array<std::uint8_t, Model::ReserveSize> reserve{};
        reserve.fill(Model::NoCard);
        columns[0] = {0, 0};
        QVERIFY(!model.set(columns, reserve, {13, 13, 13, 13}));
    }
};

QTEST_GUILESS_MAIN(TestRoialbertSolver)
#include "tst_roialbertsolver.moc"
