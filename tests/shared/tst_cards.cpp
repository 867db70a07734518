// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared/appstate.h"
#include "shared/cardback.h"
#include "shared/cards.h"
#include "shared/files.h"
#include "shared/gameclock.h"
#include "shared/randomsource.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cmath>

namespace {

// Plays back fixed draws and counts how many were taken.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(QList<float> draws) : m_draws(std::move(draws)) {}
    void reseed() override { ++reseeds; }
    float next() override
    {
        return m_draws.isEmpty() ? 0.0f : m_draws.at(calls++ % m_draws.size());
    }
    int calls = 0;
    int reseeds = 0;

private:
    QList<float> m_draws;
};

// The smallest float r in [0, 1) for which (n - 1) x r computed in float is exactly target.
float drawGiving(int n, float target)
{
    float r = std::nextafter(std::nextafter(target / float(n - 1), 0.0f), 0.0f);
    for (int step = 0; step < 8; ++step, r = std::nextafter(r, 1.0f)) {
        if (float(n - 1) * r == target)
            return r;
    }
    return -1.0f;
}

void shuffle(AppState &state, int deck, int rounds, RandomSource &random)
{
    state.deckSize = qint16(deck);
    state.shuffleRounds = qint16(rounds);
    ShuffleDeck(state, deck, random);
}

AppState freshState()
{
    AppState state;
    BuildCardTables(state);
    return state;
}

} // namespace

class TestCards : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void valueOfEveryRankWord()
    {
        for (int value = 0; value <= 14; ++value)
            QCOMPARE(Cards::CardValue(Cards::RankWord(value) + QStringLiteral("DEPIQUE")),
                     value == 14 ? 0 : value);
        QCOMPARE(Cards::CardValue(QStringLiteral("valetdepique")), 11);
    }

    // One exchange per round and card but the first, plus one, whatever the stored rounds say.
    void exchangeCountFollowsRoundsWithinBounds()
    {
        for (const auto &[deck, rounds, expected] :
             {std::tuple{52, 0, 1}, std::tuple{52, 10, 511}, std::tuple{32, 10, 311},
              std::tuple{52, 32767, ShuffleExchangeCount(52, 642)}}) {
            AppState state = freshState();
            ScriptedRandom random({0.25f, 0.75f, 0.5f});
            shuffle(state, deck, rounds, random);
            QCOMPARE(random.calls, expected);
            QCOMPARE(random.reseeds, 1);
        }
        QCOMPARE(ShuffleRoundsFromSetting(QStringLiteral("2.5"), 52), 2);
        QCOMPARE(ShuffleRoundsFromSetting(QStringLiteral("3.5"), 52), 4);
        QCOMPARE(ShuffleRoundsFromSetting(QStringLiteral("99999"), 52), 642);
        QCOMPARE(ShuffleRoundsFromSetting(QStringLiteral("1e300"), 32), 1057);
        // A deck size that disagrees with the table never reads past it.
        AppState state = freshState();
        ScriptedRandom random({0.99f});
        state.deckSize = 52;
        ShuffleDeck(state, 32, random);
    }

    void drawsRoundHalvesToEven()
    {
        // With one exchange, deck[0] is swapped with deck[j]: the card now at 0 tells j.
        const auto indexDrawn = [](int deck, float r) {
            AppState state = freshState();
            const auto before = state.decks.deck52;
            ScriptedRandom random({r});
            shuffle(state, deck, 0, random);
            const QString &first = deck == 52 ? state.decks.deck52[0] : state.decks.deck32[0];
            return int(std::find(before.begin(), before.end(), first) - before.begin());
        };
        const float half = drawGiving(52, 0.5f);
        QVERIFY(half > 0.0f);
        QCOMPARE(indexDrawn(52, half), 0);
        QCOMPARE(indexDrawn(52, std::nextafter(half, 1.0f)), 1);
        QCOMPARE(indexDrawn(52, drawGiving(52, 1.5f)), 2);
        QCOMPARE(indexDrawn(52, std::nextafter(1.0f, 0.0f)), 51);
        QCOMPARE(indexDrawn(32, drawGiving(32, 30.5f)), 30);
    }

    void shuffleKeepsAPermutationOfItsOwnTable()
    {
        AppState state = freshState();
        const DeckTables initial = state.decks;
        const auto sorted = [](auto deck) {
            std::sort(deck.begin(), deck.end());
            return deck;
        };
        SeededRandom random(7);
        for (int round = 0; round < 40; ++round) {
            const int deck = round % 2 ? 32 : 52;
            const DeckTables before = state.decks;
            shuffle(state, deck, round % 21, random);
            QCOMPARE(sorted(state.decks.deck52), sorted(initial.deck52));
            QCOMPARE(sorted(state.decks.deck32), sorted(initial.deck32));
            QVERIFY(deck == 32 ? state.decks.deck52 == before.deck52
                               : state.decks.deck32 == before.deck32);
        }
        QVERIFY(state.decks.deck52 != initial.deck52);
    }

    void cardBackRule()
    {
        QTemporaryDir dir;
        const QString cards = dir.filePath(QStringLiteral("cartes.res"));
        const QString picture = dir.filePath(QStringLiteral("dos.png"));
        const QString missing = dir.filePath(QStringLiteral("absent.png"));
        using Kind = CardBack::Kind;
        QCOMPARE(ResolveCardBack(DefaultBack, QString(), cards).kind, Kind::Unchanged);
        QFile(cards).open(QIODevice::WriteOnly);
        QFile(picture).open(QIODevice::WriteOnly);
        QCOMPARE(ResolveCardBack(DefaultBack, picture, cards).kind, Kind::BuiltIn);
        QCOMPARE(ResolveCardBack(picture, picture, cards), (CardBack{Kind::UserPicture, picture}));
        QCOMPARE(ResolveCardBack(missing, missing, cards).kind, Kind::BuiltIn);
        QCOMPARE(CardBackChoiceFromSetting(picture), picture);
        QCOMPARE(CardBackChoiceFromSetting(missing), DefaultBack);
        QVERIFY(!FileExists(dir.path()));
    }

    // The clock is a 16-bit count of seconds: it stops at its largest value rather than wrap.
    void clockCountsOnlyDuringAGameAndNeverWraps()
    {
        QCOMPARE(ClockText(3601), QStringLiteral("01:00:01"));
        QCOMPARE(ClockText(32767), QStringLiteral("09:06:07"));
        AppState state;
        QVERIFY(!ClockTick(state));
        QCOMPARE(state.elapsedSeconds, 0);
        state.gameInProgress = true;
        state.elapsedSeconds = 32766;
        QVERIFY(ClockTick(state));
        QVERIFY(!ClockTick(state));
        QCOMPARE(state.elapsedSeconds, 32767);
    }
};

QTEST_GUILESS_MAIN(TestCards)
#include "tst_cards.moc"
