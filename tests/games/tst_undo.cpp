// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/gamecatalog.h"
#include "fakehost.h"
#include "games/dealnumber.h"
#include "games/gamehistory.h"
#include "games/gamesession.h"
#include "games/quiethost.h"
#include "randomplayer.h"
#include "settings/settingsstore.h"
#include "shared/appstate.h"
#include "shared/cards.h"
#include "shared/randomsource.h"

#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

// One game as the window runs it, through a session: the end of a game forgets the history and
// stops the game, and the question after it is answered No.
class Table {
public:
    Table(const QString &game, quint32 seed, const QString &melange = QStringLiteral("10"))
        : m_settings(m_dir.filePath(QStringLiteral("t.ini"))), m_random(seed)
    {
        BuildCardTables(state);
        m_settings.write(QStringLiteral("parametres"), QStringLiteral("melange"), melange);
        session = std::make_unique<GameSession>(*GameCatalog::byMenuName(game),
                                                CoreContext{state, m_settings, m_random}, host);
        rules = &session->rules();
        history = &session->history();
        session->open();
    }

    // JOUER
    void play() { session->play(); }
    // One action through the session; whether it made a step.
    bool act(const PlayerAction &action)
    {
        const std::size_t before = history->size();
        const bool couldRedo = history->canRedo();
        // The window makes no step of a tick of the rules' timer; here one that changes the
        // position is a step, so that the moves done can be played again on other rules.
        if (action.kind == PlayerAction::Kind::Tick)
            history->act([&] { action.apply(*session); });
        else
            action.apply(*session);
        return history->size() > before || (couldRedo && !history->canRedo());
    }
    qsizetype ends() const { return host.results.size(); }

    AppState state;
    QuietHost host;
    std::unique_ptr<GameSession> session;
    GameRules *rules = nullptr;
    GameHistory *history = nullptr;

private:
    QTemporaryDir m_dir;
    SettingsStore m_settings;
    SeededRandom m_random;
};

} // namespace

class TestUndo : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void undoAndRedoRestoreExactly_data() { addEveryGame(); }

    // Moves, undos and redos in random order, each checked against the moves still done played
    // again from the deal on other rules of the same game. Then undo goes back step by step,
    // each step changing the position, to the very snapshot of JOUER, and redo to the newest.
    void undoAndRedoRestoreExactly()
    {
        QFETCH(QString, game);
        int steps = 0;
        for (quint32 seed = 1; seed <= 5; ++seed) {
            Table t(game, seed);
            const GameSnapshot deal = t.history->capture();
            t.play();
            const GameSnapshot dealt = t.history->capture();
            GameSnapshot newest = dealt;
            Table replay(game, seed);
            std::mt19937 random(seed);
            QList<PlayerAction> done;
            QList<PlayerAction> undone;
            for (int i = 0; i < 200 && t.ends() == 0 && t.history->active(); ++i) {
                const auto roll = quint32(random() % 10);
                if (roll < 2 && t.history->canUndo()) {
                    t.history->undo();
                    undone.append(done.takeLast());
                } else if (roll < 4 && t.history->canRedo()) {
                    t.history->redo();
                    done.append(undone.takeLast());
                } else {
                    const PlayerAction action = PlayerAction::draw(*t.rules, random);
                    if (!t.act(action) || t.ends() != 0)
                        continue;
                    newest = t.history->capture();
                    done.append(action);
                    undone.clear();
                }
                replay.state.gameInProgress = true;
                replay.history->restore(dealt);
                for (const PlayerAction &action : std::as_const(done))
                    action.apply(*replay.rules);
                QVERIFY2(t.rules->snapshot().samePosition(replay.rules->snapshot()),
                         qPrintable(QStringLiteral("seed %1, after %2 actions").arg(seed).arg(i)));
                QCOMPARE(t.history->size() - 1, std::size_t(done.size() + undone.size()));
            }
            if (t.ends() != 0) {
                // The end leaves nothing to undo, and nothing is recorded until the next JOUER.
                QVERIFY(!t.history->canUndo() && !t.history->canRedo());
                t.act(PlayerAction::draw(*t.rules, random));
                QVERIFY(!t.history->active());
            } else if (t.history->active()) {
                steps += int(t.history->size() - 1);
                while (t.history->canUndo()) {
                    const RulesSnapshot was = t.rules->snapshot();
                    t.history->undo();
                    QVERIFY2(!t.rules->snapshot().samePosition(was), "a step that changed nothing");
                }
                QCOMPARE(t.history->capture(), dealt);
                while (t.history->canRedo())
                    t.history->redo();
                QCOMPARE(t.history->capture(), newest);
            }
            // Replaying the deal puts back the snapshot taken before JOUER, however the game went.
            t.history->restore(deal);
            QCOMPARE(t.history->capture(), deal);
        }
        if (game != QStringLiteral("Carnaval à Rio"))
            QVERIFY2(steps > 0, "no move was ever made");
    }

    // The generator is SplitMix64 and the deal function is fixed: these decks are the deals of
    // these numbers in every version.
    void vectors()
    {
        QCOMPARE(DealNumber::Generator(0).next(), 0xE220A8397B1DCDAFull);
        QCOMPARE(DealNumber::Generator(1).next(), 0x910A2DEC89025CC1ull);
        QCOMPARE(DealNumber::Deck(1, 52).join(QLatin1Char(',')),
                 QStringLiteral(
                     "10DECOEUR,7DECARREAU,7DECOEUR,3DETREFLE,VALETDECOEUR,3DECARREAU,ASDECOEUR,"
                     "9DECOEUR,2DECOEUR,9DECARREAU,8DECOEUR,8DEPIQUE,9DETREFLE,ROIDECARREAU,"
                     "6DETREFLE,ROIDEPIQUE,2DETREFLE,DAMEDEPIQUE,8DETREFLE,DAMEDECARREAU,"
                     "4DECARREAU,VALETDECARREAU,3DEPIQUE,5DETREFLE,3DECOEUR,4DECOEUR,ROIDECOEUR,"
                     "6DECARREAU,10DECARREAU,2DECARREAU,DAMEDETREFLE,ROIDETREFLE,4DEPIQUE,"
                     "VALETDETREFLE,9DEPIQUE,6DECOEUR,ASDEPIQUE,5DECOEUR,2DEPIQUE,7DEPIQUE,"
                     "DAMEDECOEUR,ASDECARREAU,6DEPIQUE,7DETREFLE,10DETREFLE,10DEPIQUE,ASDETREFLE,"
                     "8DECARREAU,VALETDEPIQUE,5DEPIQUE,4DETREFLE,5DECARREAU"));
        QCOMPARE(DealNumber::Deck(4294967295u, 52).mid(0, 4),
                 QStringList({"ASDEPIQUE", "ROIDECARREAU", "3DETREFLE", "6DEPIQUE"}));
        QCOMPARE(DealNumber::Deck(2026, 32).mid(0, 4),
                 QStringList({"VALETDETREFLE", "9DEPIQUE", "ASDETREFLE", "7DETREFLE"}));
    }

    void parse()
    {
        QCOMPARE(DealNumber::Parse(QStringLiteral(" 123 ")), 123u);
        QCOMPARE(DealNumber::Parse(QStringLiteral("4294967295")), 4294967295u);
        for (const char *bad : {"0", "4294967296", "-5", "12a", "", "1.5"})
            QCOMPARE(DealNumber::Parse(QString::fromLatin1(bad)), 0u);
    }

    // Every game deals the same table for the same number, whatever was shuffled before and
    // whatever the shuffle setting (the grid of Pousse-pousse and the retried deals of Stéphanie
    // draw from the number too); other numbers give other deals.
    void sameDealForTheSameNumber_data() { addEveryGame(); }
    void sameDealForTheSameNumber()
    {
        QFETCH(QString, game);
        const auto dealt = [&game](quint32 number, quint32 seed, const QString &melange) {
            Table t(game, seed, melange);
            t.rules->deal(number);
            return t.rules->snapshot();
        };
        for (quint32 number : {1u, DealNumber::Last}) {
            const RulesSnapshot first = dealt(number, 1, QStringLiteral("10"));
            QVERIFY(dealt(number, 99, QStringLiteral("0")).samePosition(first));
            const quint32 other = number == DealNumber::Last ? number - 1 : number + 1;
            QVERIFY(!dealt(other, 1, QStringLiteral("10")).samePosition(first));
        }
    }
};

QTEST_GUILESS_MAIN(TestUndo)
#include "tst_undo.moc"
