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
    Table(const QString &game, quint32 seed, const QString &melange = QStringLiteral("10"))
        : m_settings(m_dir.filePath(QStringLiteral("t.ini"))), m_random(seed)
    {
        BuildCardTables(state);
        m_settings.write(QStringLiteral("parametres"), QStringLiteral("melange"), melange);
        rules = (*RulesRegistry::rulesFor(game))({state, m_settings, m_random}, *this);
        history = std::make_unique<GameHistory>(*rules, *this);
    }

    void deal(quint32 number = 0)
    {
        state.gameInProgress = false;
        rules->deal(number);
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
    // One random action through the history; whether it made a step.
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

void addGames()
{
    QTest::addColumn<QString>("name");
    for (const RegisteredRules &rules : RulesRegistry::all())
        QTest::newRow(rules.menuName.toUtf8().constData()) << rules.menuName;
}

} // namespace

class TestUndo : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Random moves, then undo to the deal and redo to the last move: each step back or forth
    // changes the position, and both ends come back exactly.
    void undoAllRedoAll_data() { addGames(); }
    void undoAllRedoAll()
    {
        QFETCH(QString, name);
        int steps = 0;
        for (quint32 seed = 1; seed <= 6; ++seed) {
            Table t(name, seed);
            t.deal();
            t.play();
            if (!t.history->active())
                continue;
            const GameSnapshot dealt = t.history->capture();
            std::mt19937 random(seed);
            GameSnapshot last = dealt;
            for (int i = 0; i < 300 && t.ends == 0; ++i) {
                if (t.act(PlayerAction::draw(*t.rules, random)) && t.ends == 0)
                    last = t.history->capture();
            }
            if (t.ends != 0) {
                // The end of the game leaves nothing to undo.
                QVERIFY(!t.history->canUndo());
                QVERIFY(!t.history->canRedo());
                continue;
            }
            const std::size_t made = t.history->size() - 1;
            steps += int(made);
            for (std::size_t i = 0; i < made; ++i) {
                const RulesSnapshot was = t.rules->snapshot();
                QVERIFY(t.history->canUndo());
                t.history->undo();
                QVERIFY2(!t.rules->snapshot().samePosition(was), "a step that changed nothing");
            }
            QVERIFY(!t.history->canUndo());
            QCOMPARE(t.history->capture(), dealt);
            while (t.history->canRedo())
                t.history->redo();
            QCOMPARE(t.history->capture(), last);
        }
        if (name != QStringLiteral("Carnaval à Rio"))
            QVERIFY2(steps > 0, "no move was ever made");
    }

    // Moves, undos and redos in random order, checked after each against the moves still done,
    // played again from the deal on other rules of the same game.
    void interleaving_data() { addGames(); }
    void interleaving()
    {
        QFETCH(QString, name);
        for (quint32 seed = 11; seed <= 14; ++seed) {
            Table t(name, seed);
            t.deal();
            t.play();
            if (!t.history->active())
                continue;
            const GameSnapshot dealt = t.history->capture();
            Table replay(name, seed);
            std::mt19937 random(seed);
            QList<PlayerAction> done;
            QList<PlayerAction> undone;
            for (int i = 0; i < 200 && t.ends == 0; ++i) {
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
                    done.append(action);
                    undone.clear();
                }
                replay.state.gameInProgress = true;
                replay.history->restore(dealt);
                for (const PlayerAction &action : std::as_const(done))
                    action.apply(*replay.rules);
                QVERIFY2(t.rules->snapshot().samePosition(replay.rules->snapshot()),
                         qPrintable(QStringLiteral("after %1 actions").arg(i)));
                QCOMPARE(t.history->size() - 1, std::size_t(done.size() + undone.size()));
            }
        }
    }

    // A new deal forgets the history; nothing is undone across it.
    void dealForgets()
    {
        Table t(QStringLiteral("Monte-Carlo"), 3);
        t.deal();
        t.play();
        std::mt19937 random(3);
        for (int i = 0; i < 100 && !t.history->canUndo(); ++i)
            t.act(PlayerAction::draw(*t.rules, random));
        QVERIFY(t.history->canUndo());
        t.history->forget();
        QVERIFY(!t.history->canUndo());
        QVERIFY(!t.history->canRedo());
        // A history forgotten records nothing until the next JOUER.
        t.act(PlayerAction::draw(*t.rules, random));
        QVERIFY(!t.history->active());
    }

    void policies()
    {
        QCOMPARE(UndoPolicyFor("frmCarnavalaRio"), UndoPolicy::Refused);
        for (const char *chance :
             {"frmVoyageuses1", "frmVoyageuses2", "frmAnnonce", "frmHorloge", "frmStephanie"})
            QCOMPARE(UndoPolicyFor(chance), UndoPolicy::None);
        QCOMPARE(UndoPolicyFor("frmPyramide"), UndoPolicy::Allowed);
    }
};

QTEST_GUILESS_MAIN(TestUndo)
#include "tst_undo.moc"
