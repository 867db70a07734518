#include "games/gamecatalog.h"
#include "games/gamehost.h"
#include "games/rulesregistry.h"
#include "settings/settingkeys.h"
#include "settings/settingsstore.h"
#include "shared/appstate.h"
#include "shared/randomsource.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <optional>
#include <random>

namespace {

// Plays one game headless as a careless player would, through the events the window sends:
// clicks, double clicks, right presses and hovers on random pictures or points, drags of the
// cards that can be dragged to anywhere, the game's own controls, its timer, JOUER, DISTRIBUER
// and both answers to every question. After every event it checks what holds in every game: the
// cards are those dealt, a deal ends at most once, and out of a game the cards do not move.
class RandomPlayer final : public GameHost {
public:
    RandomPlayer(const RegisteredRules &game, const QString &settingsPath, quint32 seed)
        : m_settings(settingsPath), m_random(seed), m_choices(seed)
    {
        BuildCardTables(m_state);
        m_settings.setParameter(Settings::Melange, QString::number(m_choices() % 21));
        m_rules = game.make(CoreContext{m_state, m_settings, m_random}, *this);
        m_area = m_rules->layout().area;
        newDeal();
        m_rules->load();
        check(QStringLiteral("load"));
    }

    // Plays until the number of events is reached or an invariant breaks; "" when all held.
    QString play(int events)
    {
        for (int i = 0; i < events && m_failure.isEmpty(); ++i) {
            const QString event = step();
            check(event);
        }
        return m_failure;
    }

    int ends() const { return m_ends; }

    // GameHost
    void setPrompt(const QString &text) override { m_prompt = text; }
    QString prompt() const override { return m_prompt; }
    void setTimer(int) override {}
    void gameOver(bool) override
    {
        // As the window does: the end is recorded, then the question may deal again at once.
        note(QStringLiteral("fin de partie"));
        if (!m_state.gameInProgress)
            fail(QStringLiteral("a game ended while none was in progress"));
        if (++m_endsThisDeal > 1)
            fail(QStringLiteral("a deal ended twice"));
        ++m_ends;
        m_state.gameInProgress = false;
        if (chance(2)) {
            note(QStringLiteral("Oui"));
            newDeal();
        } else {
            note(QStringLiteral("Non"));
        }
    }

private:
    bool chance(int oneIn) { return m_choices() % unsigned(oneIn) == 0; }
    int below(qsizetype n) { return n > 0 ? int(m_choices() % quint32(n)) : -1; }

    void newDeal()
    {
        m_state.gameInProgress = false;
        m_jouer = true;
        m_endsThisDeal = 0;
        m_rules->Distribution();
        const int size = m_rules->info().deckSize;
        const auto &decks = m_state.decks;
        m_dealt.clear();
        for (int i = 0; i < size; ++i)
            m_dealt.append(size == 32 ? decks.deck32[std::size_t(i)]
                                      : decks.deck52[std::size_t(i)]);
        m_dealt.sort();
    }

    QPoint somewhere()
    {
        // A third of the time a picture under the hand pointer, as a player follows it, a third
        // a picture that shows, else any point of the table.
        const TableModel &table = m_rules->table();
        const int choice = below(3);
        QList<int> pictures;
        for (int i = 0; i < table.pictures.size(); ++i) {
            if (table.at(i).visible && (choice == 1 || table.at(i).hand))
                pictures.append(i);
        }
        if (choice < 2 && !pictures.isEmpty())
            return table.at(pictures.at(below(pictures.size()))).rect.center();
        return {below(m_area.width()), below(m_area.height())};
    }

    int pictureAt(QPoint at, const QList<int> &ignore = {}) const
    {
        return m_rules->table().pictureAt(at, ignore);
    }

    // One event; returns what it was.
    QString step()
    {
        const TableModel before = m_rules->table();
        const bool playing = m_state.gameInProgress;
        QString event;
        bool moves = true; // an event of the cards, which must change nothing out of a game
        // Games in progress are seldom given up, so that many of them reach their end.
        switch (below(2000)) {
        case 0:
        case 1:
            if (m_state.gameInProgress && chance(2))
                return QStringLiteral("DISTRIBUER, Non");
            newDeal();
            return QStringLiteral("DISTRIBUER");
        default:
            if (below(100) == 0) {
                moves = false;
                event = pressControl();
            } else if (m_rules->timerRunning() && chance(10)) {
                moves = false;
                event = QStringLiteral("minuterie");
                m_rules->timerTick();
            } else if (m_jouer && chance(20)) {
                m_jouer = false;
                m_state.gameInProgress = true;
                m_rules->play();
                return QStringLiteral("JOUER");
            } else {
                event = cardEvent();
            }
        }
        if (moves && !playing && m_rules->table() != before)
            fail(QStringLiteral("the table changed while no game was in progress"));
        return event;
    }

    QString cardEvent()
    {
        const QPoint at = somewhere();
        const int picture = pictureAt(at);
        const QString where = QStringLiteral(" %1 (%2, %3)").arg(picture).arg(at.x()).arg(at.y());
        switch (below(6)) {
        case 0:
            m_rules->hover(picture);
            return QStringLiteral("survol") + where;
        case 1:
            if (picture >= 0)
                m_rules->doubleClick(picture);
            return QStringLiteral("double clic") + where;
        case 2:
            if (picture >= 0)
                m_rules->rightPress(picture);
            return QStringLiteral("clic droit") + where;
        case 3:
        case 4:
            if (picture >= 0)
                m_rules->click(picture);
            return QStringLiteral("clic") + where;
        default:
            return drag(picture, where);
        }
    }

    QString drag(int source, const QString &where)
    {
        if (source < 0 || !m_rules->table().at(source).draggable)
            return QStringLiteral("glisser rien") + where;
        const QList<int> group = m_rules->dragged(source);
        // Half the time the mouse wanders over a few places; else it passes over every picture
        // in turn until a frame shows, as a player looks for the frame. It is let go where the
        // frame showed, or wherever it is after the last move.
        QList<QPoint> path;
        if (chance(2)) {
            for (int moves = 1 + below(4); moves > 0; --moves)
                path.append(somewhere());
        } else {
            for (const Picture &picture : m_rules->table().pictures) {
                if (picture.visible)
                    path.append(picture.rect.center());
            }
            std::shuffle(path.begin(), path.end(), m_choices);
        }
        QPoint at = somewhere();
        for (const QPoint &next : std::as_const(path)) {
            at = next;
            const QList<Frame> frames = m_rules->table().frames;
            m_rules->dragOver(source, pictureAt(at, group));
            if (!m_failure.isEmpty())
                return QStringLiteral("glisser") + where;
            if (m_rules->table().frames != frames && !chance(4))
                break;
        }
        const int target = pictureAt(at, group);
        const QPoint topLeft = at - QPoint(CardWidth / 2, CardHeight / 2);
        m_rules->drop(source, target, topLeft);
        return QStringLiteral("glisser") + where +
               QStringLiteral(" sur %1 (%2, %3)").arg(target).arg(at.x()).arg(at.y());
    }

    QString pressControl()
    {
        QList<Control> usable;
        for (const Control &control : m_rules->table().controls) {
            if (control.enabled && control.visible && control.kind != Control::Kind::Label)
                usable.append(control);
        }
        if (usable.isEmpty())
            return QStringLiteral("aucun contrôle");
        const Control control = usable.at(below(usable.size()));
        if (control.kind == Control::Kind::Button) {
            m_rules->press(control.name);
            return QStringLiteral("bouton ") + control.name;
        }
        const int entry = below(control.entries.size());
        m_rules->select(control.name, entry);
        return QStringLiteral("liste %1, entrée %2").arg(control.name).arg(entry);
    }

    void check(const QString &event)
    {
        note(event);
        QStringList cards = m_rules->cardCodes();
        cards.sort();
        if (cards == m_dealt)
            return;
        QStringList missing, extra;
        for (const QString &card : std::as_const(m_dealt)) {
            if (cards.count(card) < m_dealt.count(card) && !missing.contains(card))
                missing.append(card);
        }
        for (const QString &card : std::as_const(cards)) {
            if (cards.count(card) > m_dealt.count(card) && !extra.contains(card))
                extra.append(card);
        }
        fail(QStringLiteral("the cards are not those dealt: missing %1, extra %2")
                 .arg(missing.join(QLatin1Char(' ')), extra.join(QLatin1Char(' '))));
    }

    void note(const QString &event)
    {
        m_trace.append(event);
        if (m_trace.size() > 40)
            m_trace.removeFirst();
    }

    void fail(const QString &why)
    {
        if (m_failure.isEmpty())
            m_failure =
                why + QStringLiteral("\nlast events:\n  ") + m_trace.join(QStringLiteral("\n  "));
    }

    AppState m_state;
    SettingsStore m_settings;
    SeededRandom m_random;
    std::mt19937 m_choices;
    std::unique_ptr<GameRules> m_rules;
    QSize m_area;
    QString m_prompt;
    QStringList m_dealt;
    bool m_jouer = true; // JOUER can be pressed
    int m_endsThisDeal = 0;
    int m_ends = 0;
    QStringList m_trace;
    QString m_failure;
};

// Each session deals with its own seed and then deals again as often as the player asks.
constexpr int Sessions = 15;
constexpr int EventsPerSession = 4000;

} // namespace

class TestRandomPlay : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        // Games write their own settings as they are played: a memory file system keeps that
        // from waiting on the disk.
        if (QDir(QStringLiteral("/dev/shm")).exists())
            m_dir.emplace(QStringLiteral("/dev/shm/vorelles-XXXXXX"));
        if (!m_dir || !m_dir->isValid())
            m_dir.emplace();
        QVERIFY(m_dir->isValid());
    }

    void everyGameKeepsItsCards_data()
    {
        QTest::addColumn<QString>("game");
        QVERIFY(!RulesRegistry::all().empty());
        for (const RegisteredRules &game : RulesRegistry::all())
            QTest::newRow(qPrintable(game.menuName)) << game.menuName;
    }

    void everyGameKeepsItsCards()
    {
        QFETCH(QString, game);
        const auto entry = std::find_if(
            RulesRegistry::all().begin(), RulesRegistry::all().end(),
            [&](const RegisteredRules &registered) { return registered.menuName == game; });
        QVERIFY(GameCatalog::byMenuName(game));
        QElapsedTimer clock;
        clock.start();
        int ends = 0;
        for (int session = 1; session <= Sessions; ++session) {
            RandomPlayer player(*entry,
                                m_dir->filePath(game.toLatin1().toHex() + QStringLiteral(".ini")),
                                quint32(session));
            const QString failure = player.play(EventsPerSession);
            QVERIFY2(failure.isEmpty(),
                     qPrintable(QStringLiteral("seed %1: %2").arg(session).arg(failure)));
            ends += player.ends();
        }
        const double seconds = double(clock.nsecsElapsed()) / 1e9;
        qInfo("%s: %d events, %d games ended, %.2f s, %.0f events/s", qPrintable(game),
              Sessions * EventsPerSession, ends, seconds, Sessions * EventsPerSession / seconds);
    }

private:
    std::optional<QTemporaryDir> m_dir;
};

QTEST_GUILESS_MAIN(TestRandomPlay)
#include "tst_randomplay.moc"
