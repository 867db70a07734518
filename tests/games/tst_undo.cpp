#include "games/gamehistory.h"
#include "games/gamehost.h"
#include "games/rulesregistry.h"
#include "randomplayer.h"
#include "settings/settingsstore.h"
#include "shared/appstate.h"
#include "shared/randomsource.h"

#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

// One game's rules as the window runs them, with its history: the end of a game forgets the
// history and stops the game, as the window does.
class Table final : public GameHost {
public:
    Table(const QString &game, quint32 seed)
        : m_settings(m_dir.filePath(QStringLiteral("t.ini"))), m_random(seed)
    {
        BuildCardTables(state);
        m_settings.write(QStringLiteral("parametres"), QStringLiteral("melange"),
                         QStringLiteral("10"));
        rules = (*RulesRegistry::rulesFor(game))({state, m_settings, m_random}, *this);
        history = std::make_unique<GameHistory>(*rules, *this);
        rules->deal(0);
        rules->load();
    }

    // JOUER
    void play()
    {
        state.gameInProgress = true;
        rules->play();
        if (state.gameInProgress)
            history->start();
    }
    // One action through the history; whether it made a step.
    bool act(const PlayerAction &action)
    {
        const std::size_t before = history->size();
        const bool couldRedo = history->canRedo();
        history->act([&] { action.apply(*rules); });
        return history->size() > before || (couldRedo && !history->canRedo());
    }

    void setPrompt(const QString &text) override { m_prompt = text; }
    QString prompt() const override { return m_prompt; }
    void gameOver(bool) override
    {
        ++ends;
        state.gameInProgress = false;
        history->forget();
    }
    void setTimer(int) override {}

    AppState state;
    std::unique_ptr<GameRules> rules;
    std::unique_ptr<GameHistory> history;
    int ends = 0;

private:
    QTemporaryDir m_dir;
    SettingsStore m_settings;
    SeededRandom m_random;
    QString m_prompt;
};

} // namespace

class TestUndo : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void undoAndRedoRestoreExactly_data()
    {
        QTest::addColumn<QString>("name");
        for (const RegisteredRules &rules : RulesRegistry::all())
            QTest::newRow(rules.menuName.toUtf8().constData()) << rules.menuName;
    }

    // Moves, undos and redos in random order, each checked against the moves still done played
    // again from the deal on other rules of the same game. Then undo goes back step by step,
    // each step changing the position, to the very snapshot of JOUER, and redo to the newest.
    void undoAndRedoRestoreExactly()
    {
        QFETCH(QString, name);
        int steps = 0;
        for (quint32 seed = 1; seed <= 5; ++seed) {
            Table t(name, seed);
            const GameSnapshot deal = t.history->capture();
            t.play();
            const GameSnapshot dealt = t.history->capture();
            GameSnapshot newest = dealt;
            Table replay(name, seed);
            std::mt19937 random(seed);
            QList<PlayerAction> done;
            QList<PlayerAction> undone;
            for (int i = 0; i < 200 && t.ends == 0 && t.history->active(); ++i) {
                const auto roll = quint32(random() % 10);
                if (roll < 2 && t.history->canUndo()) {
                    t.history->undo();
                    undone.append(done.takeLast());
                } else if (roll < 4 && t.history->canRedo()) {
                    t.history->redo();
                    done.append(undone.takeLast());
                } else {
                    const PlayerAction action = PlayerAction::draw(*t.rules, random);
                    if (!t.act(action) || t.ends != 0)
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
            if (t.ends != 0) {
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
        if (name != QStringLiteral("Carnaval à Rio"))
            QVERIFY2(steps > 0, "no move was ever made");
    }
};

QTEST_GUILESS_MAIN(TestUndo)
#include "tst_undo.moc"
