// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/gamecatalog.h"
#include "games/fakehost.h"
#include "games/gamesession.h"
#include "games/quiethost.h"
#include "games/randomplayer.h"
#include "resume/resumefile.h"
#include "settings/settingkeys.h"
#include "settings/settingsstore.h"
#include "shared/appstate.h"
#include "shared/cards.h"
#include "shared/randomsource.h"
#include "support/filebytes.h"

#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

namespace {

// A fresh window's session of a game, on settings and a shuffle of its own.
struct Fresh {
    Fresh(const QString &game, const QString &melange = QStringLiteral("3"))
        : settings(dir.filePath(QStringLiteral("fresh.ini"))), random(99)
    {
        BuildCardTables(state);
        settings.setParameter(Settings::Melange, melange);
        session = std::make_unique<GameSession>(*GameCatalog::byMenuName(game),
                                                CoreContext{state, settings, random}, host);
        session->open();
    }
    QTemporaryDir dir;
    AppState state;
    SettingsStore settings;
    SeededRandom random;
    QuietHost host;
    std::unique_ptr<GameSession> session;
};

// Monte-Carlo after JOUER and a few clicks of a seeded player, and its log.
SessionLog playedMonteCarlo()
{
    QTemporaryDir dir;
    RandomPlayer player(QStringLiteral("Monte-Carlo"), dir.filePath(QStringLiteral("m.ini")), 5);
    GameSession &session = player.session();
    session.play();
    std::mt19937 choices(5);
    for (int i = 0; i < 30 && session.inProgress(); ++i)
        PlayerAction::draw(session.rules(), choices).apply(session);
    return session.saved();
}

} // namespace

class TestResume : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyGameComesBackAsItStood_data() { addEveryGame(); }

    // Random play, kept through the file at many moments of games in progress and resumed in a
    // fresh window whose settings and shuffle differ: what shows, the rules' variables and timer,
    // the prompt and the undo history are those of the game kept, and undo and redo from there
    // give the same positions on both.
    void everyGameComesBackAsItStood()
    {
        QFETCH(QString, game);
        QTemporaryDir dir;
        int resumed = 0;
        for (quint32 seed = 1; seed <= 2; ++seed) {
            RandomPlayer player(game, dir.filePath(QStringLiteral("p%1.ini").arg(seed)), seed);
            for (int round = 0; round < 12; ++round) {
                QVERIFY2(player.play(120).isEmpty(), qPrintable(player.failure()));
                GameSession &kept = player.session();
                if (!kept.inProgress())
                    continue;
                const std::optional<SessionLog> log = Resume::decode(Resume::encode(kept.saved()));
                QVERIFY(log && *log == kept.saved());
                Fresh fresh(game);
                QVERIFY2(fresh.session->resume(*log),
                         qPrintable(QStringLiteral("seed %1, round %2").arg(seed).arg(round)));
                ++resumed;
                GameSession &back = *fresh.session;
                QCOMPARE(back.positionDigest(), kept.positionDigest());
                QVERIFY(back.rules().snapshot().samePosition(kept.rules().snapshot()));
                QCOMPARE(fresh.host.prompt(), player.prompt());
                QVERIFY(back.inProgress() && !back.waitingForPlay());
                QCOMPARE(back.history().size(), kept.history().size());
                QCOMPARE(back.canRedo(), kept.canRedo());
                QCOMPARE(back.saved(), kept.saved());
                if (back.canUndo()) {
                    back.undo();
                    kept.undo();
                    QVERIFY(back.rules().snapshot().samePosition(kept.rules().snapshot()));
                    back.redo();
                    kept.redo();
                    QCOMPARE(back.positionDigest(), kept.positionDigest());
                }
            }
        }
        QVERIFY2(resumed > 0, "no game was in progress at any check");
    }

    // What a file must not pass for: cut short, altered, of another version, or well formed but
    // not a game of this window as it was played. The window's session stays as it was.
    void aBadLogIsRefusedAndChangesNothing()
    {
        const SessionLog good = playedMonteCarlo();
        const QByteArray bytes = Resume::encode(good);
        QVERIFY(Resume::decode(bytes).has_value());
        QVERIFY(!Resume::decode(bytes.left(bytes.size() - 1)).has_value());
        QByteArray altered = bytes;
        altered[altered.size() / 2] = char(altered[altered.size() / 2] ^ 0x20);
        QVERIFY(!Resume::decode(altered).has_value());
        QByteArray later = bytes;
        later[19] = 2; // the version's last byte
        QVERIFY(!Resume::decode(later).has_value());
        QVERIFY(!Resume::decode(QByteArray("VORELLES-REPRISE")).has_value());

        const std::vector<std::pair<const char *, std::function<void(SessionLog &)>>> bad{
            {"another game", [](SessionLog &l) { l.game = QStringLiteral("Pyramide"); }},
            {"a card twice", [](SessionLog &l) { l.deck[1] = l.deck[0]; }},
            {"a deck too short", [](SessionLog &l) { l.deck.removeLast(); }},
            {"a click past the table", [](SessionLog &l) { l.events.back().picture = 100000; }},
            {"a draw left over", [](SessionLog &l) { l.draws.push_back(0); }},
            {"a draw out of range", [](SessionLog &l) { l.draws.front() = 0x7f800000; }},
            {"JOUER twice", [](SessionLog &l) { l.events.push_back(l.events.front()); }},
            {"another position", [](SessionLog &l) { l.position[0] = char(~l.position[0]); }},
            {"a clock past its end", [](SessionLog &l) { l.elapsedSeconds = 40000; }},
            {"no game in progress", [](SessionLog &l) { l.events.clear(); }},
        };
        QVERIFY(good.events.front().kind == SessionEvent::Kind::Play);
        for (const auto &[what, spoil] : bad) {
            SessionLog log = good;
            spoil(log);
            const std::optional<SessionLog> read = Resume::decode(Resume::encode(log));
            QVERIFY2(read.has_value(), what);
            Fresh fresh(QStringLiteral("Monte-Carlo"));
            const RulesSnapshot before = fresh.session->rules().snapshot();
            QVERIFY2(!fresh.session->resume(*read), what);
            QVERIFY2(fresh.session->rules().snapshot() == before, what);
            QVERIFY2(!fresh.session->inProgress(), what);
        }
        Fresh fresh(QStringLiteral("Monte-Carlo"));
        QVERIFY(fresh.session->resume(good));
    }

    // The file: written whole, read back, set aside under a free name when it is not a log.
    void theFileIsKeptReadAndSetAside()
    {
        QTemporaryDir dir;
        const ResumeFile file(dir.filePath(QStringLiteral("state/vorelles/partie.vorelles")));
        SessionLog log;
        QCOMPARE(file.read(log), ResumeFile::Found::Nothing);
        const SessionLog good = playedMonteCarlo();
        QCOMPARE(file.save(good), QString());
        QCOMPARE(file.read(log), ResumeFile::Found::Log);
        QVERIFY(log == good);
        for (const QString &suffix :
             {QStringLiteral(".illisible"), QStringLiteral(".illisible-2")}) {
            QVERIFY(writeBytes(file.path(), "pas une partie"));
            QCOMPARE(file.read(log), ResumeFile::Found::Unreadable);
            QCOMPARE(file.setAside(), file.path() + suffix);
            QCOMPARE(file.read(log), ResumeFile::Found::Nothing);
        }
        QVERIFY(file.remove());
    }
};

QTEST_GUILESS_MAIN(TestResume)
#include "tst_resume.moc"
