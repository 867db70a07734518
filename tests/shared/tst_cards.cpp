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
        const float value = m_draws.isEmpty() ? 0.0f : m_draws.at(calls % m_draws.size());
        ++calls;
        return value;
    }
    int calls = 0;
    int reseeds = 0;

private:
    QList<float> m_draws;
};

// The smallest float r in [0, 1) for which (n - 1) x r computed in float is exactly target.
float drawGiving(int n, float target)
{
    float r = target / float(n - 1);
    r = std::nextafter(r, 0.0f);
    r = std::nextafter(r, 0.0f);
    for (int step = 0; step < 8; ++step, r = std::nextafter(r, 1.0f)) {
        if (float(n - 1) * r == target)
            return r;
    }
    return -1.0f;
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
    void tablesStartInTheirInitialOrder()
    {
        AppState state;
        state.deckSize = 32;
        BuildCardTables(state);
        QCOMPARE(state.deckSize, 52);
        const auto &d32 = state.decks.deck32;
        const auto &d52 = state.decks.deck52;
        QCOMPARE(d32[0], QStringLiteral("7DETREFLE"));
        QCOMPARE(d32[3], QStringLiteral("10DETREFLE"));
        QCOMPARE(d32[4], QStringLiteral("VALETDETREFLE"));
        QCOMPARE(d32[7], QStringLiteral("ASDETREFLE"));
        QCOMPARE(d32[8], QStringLiteral("7DECARREAU"));
        QCOMPARE(d32[16], QStringLiteral("7DECOEUR"));
        QCOMPARE(d32[24], QStringLiteral("7DEPIQUE"));
        QCOMPARE(d32[31], QStringLiteral("ASDEPIQUE"));
        QVERIFY(std::equal(d32.begin(), d32.end(), d52.begin()));
        QCOMPARE(d52[32], QStringLiteral("2DETREFLE"));
        QCOMPARE(d52[36], QStringLiteral("6DETREFLE"));
        QCOMPARE(d52[37], QStringLiteral("2DEPIQUE"));
        QCOMPARE(d52[42], QStringLiteral("2DECARREAU"));
        QCOMPARE(d52[47], QStringLiteral("2DECOEUR"));
        QCOMPARE(d52[51], QStringLiteral("6DECOEUR"));
        auto sorted = d52;
        std::sort(sorted.begin(), sorted.end());
        QVERIFY(std::adjacent_find(sorted.begin(), sorted.end()) == sorted.end());
        QVERIFY(std::all_of(d52.begin(), d52.end(), Cards::isCardCode));
    }

    void valueAndSuitKey()
    {
        QCOMPARE(Cards::CardValue(QStringLiteral("10DETREFLE")), 10);
        QCOMPARE(Cards::CardValue(QStringLiteral("2DEPIQUE")), 2);
        QCOMPARE(Cards::CardValue(QStringLiteral("ASDECOEUR")), 1);
        QCOMPARE(Cards::CardValue(QStringLiteral("ROIDECARREAU")), 13);
        QCOMPARE(Cards::CardValue(QStringLiteral("DAMEDECOEUR")), 12);
        QCOMPARE(Cards::CardValue(QStringLiteral("valetdepique")), 11);
        QCOMPARE(Cards::CardValue(QString()), 0);
        for (int value : {0, 1, 2, 10, 11, 12, 13, 14})
            QCOMPARE(Cards::CardValue(Cards::RankWord(value) + QStringLiteral("DEPIQUE")),
                     value == 14 ? 0 : value);
        QCOMPARE(Cards::SuitKey(QStringLiteral("7DECARREAU")), QStringLiteral("RREAU"));
        QCOMPARE(Cards::SuitKey(QStringLiteral("DAMEDETREFLE")), QStringLiteral("REFLE"));
        QVERIFY(Cards::isRed(QStringLiteral("7DECARREAU")));
        QVERIFY(Cards::isRed(QStringLiteral("ROIDECOEUR")));
        QVERIFY(!Cards::isRed(QStringLiteral("ROIDEPIQUE")));
        QVERIFY(!Cards::isCardCode(QStringLiteral("DOS")));
    }

    void exchangeCountFollowsRounds()
    {
        for (const auto &[deck, rounds, expected] :
             {std::tuple{52, 0, 1}, std::tuple{52, 10, 511}, std::tuple{32, 10, 311},
              std::tuple{32, 0, 1}}) {
            AppState state = freshState();
            state.deckSize = qint16(deck);
            state.shuffleRounds = qint16(rounds);
            ScriptedRandom random({0.25f, 0.75f, 0.5f});
            ShuffleDeck(state, deck, random);
            QCOMPARE(random.calls, expected);
            QCOMPARE(random.reseeds, 1);
        }
    }

    void drawsRoundHalvesToEven()
    {
        // With one exchange, deck[0] is swapped with deck[j]: the card now at 0 tells j.
        const auto indexDrawn = [](int deck, float r) {
            AppState state = freshState();
            const auto before = state.decks.deck52;
            state.deckSize = qint16(deck);
            state.shuffleRounds = 0;
            ScriptedRandom random({r});
            ShuffleDeck(state, deck, random);
            const QString &first = deck == 52 ? state.decks.deck52[0] : state.decks.deck32[0];
            return int(std::find(before.begin(), before.end(), first) - before.begin());
        };
        QCOMPARE(indexDrawn(52, 0.0f), 0);
        QCOMPARE(indexDrawn(52, std::nextafter(1.0f, 0.0f)), 51);
        const float half = drawGiving(52, 0.5f);
        QVERIFY(half > 0.0f);
        QCOMPARE(indexDrawn(52, half), 0);
        QCOMPARE(indexDrawn(52, std::nextafter(half, 1.0f)), 1);
        QCOMPARE(indexDrawn(52, drawGiving(52, 1.5f)), 2);
        QCOMPARE(indexDrawn(52, drawGiving(52, 50.5f)), 50);
        QCOMPARE(indexDrawn(32, drawGiving(32, 30.5f)), 30);
        QCOMPARE(indexDrawn(32, std::nextafter(1.0f, 0.0f)), 31);
    }

    void shuffleKeepsAPermutationOfItsOwnTable()
    {
        AppState state = freshState();
        const DeckTables initial = state.decks;
        SeededRandom random(7);
        for (int round = 0; round < 40; ++round) {
            const int deck = round % 2 ? 32 : 52;
            const DeckTables before = state.decks;
            state.deckSize = qint16(deck);
            state.shuffleRounds = qint16(round % 21);
            ShuffleDeck(state, deck, random);
            auto a = state.decks.deck52, b = initial.deck52;
            auto c = state.decks.deck32, d = initial.deck32;
            std::sort(a.begin(), a.end());
            std::sort(b.begin(), b.end());
            std::sort(c.begin(), c.end());
            std::sort(d.begin(), d.end());
            QCOMPARE(a, b);
            QCOMPARE(c, d);
            // The other table is left exactly as it was.
            if (deck == 32)
                QCOMPARE(state.decks.deck52, before.deck52);
            else
                QCOMPARE(state.decks.deck32, before.deck32);
        }
        QVERIFY(state.decks.deck52 != initial.deck52);
    }

    void storedRoundsAreClampedToWhatADealCanTake()
    {
        QCOMPARE(ShuffleRoundsFromSetting(QStringLiteral("10"), 52), 10);
        QCOMPARE(ShuffleRoundsFromSetting(QString(), 52), 0);
        QCOMPARE(ShuffleRoundsFromSetting(QStringLiteral("abc"), 52), 0);
        QCOMPARE(ShuffleRoundsFromSetting(QStringLiteral("-5"), 52), 0);
        QCOMPARE(ShuffleRoundsFromSetting(QStringLiteral("2.5"), 52), 2);
        QCOMPARE(ShuffleRoundsFromSetting(QStringLiteral("3.5"), 52), 4);
        QCOMPARE(ShuffleRoundsFromSetting(QStringLiteral("99999"), 52), 642);
        QCOMPARE(ShuffleRoundsFromSetting(QStringLiteral("1e300"), 32), 1057);
        // Even a deal handed an out-of-range count by hand stays bounded.
        AppState state = freshState();
        state.deckSize = 52;
        state.shuffleRounds = 32767;
        ScriptedRandom random({0.3f});
        ShuffleDeck(state, 52, random);
        QCOMPARE(random.calls, ShuffleExchangeCount(52, 642));
        // A deck size that disagrees with the table never reads past it.
        state.deckSize = 52;
        state.shuffleRounds = 1;
        ShuffleDeck(state, 32, random);
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
        QCOMPARE(CardBackChoiceFromSetting(QString()), DefaultBack);
        QVERIFY(!FileExists(dir.path()));
        QVERIFY(FileExists(cards));
    }

    void foldersAndHelpPages()
    {
        QCOMPARE(AppFolderFor(QStringLiteral("/")), QStringLiteral("/"));
        QCOMPARE(AppFolderFor(QStringLiteral("/opt/vorelles")), QStringLiteral("/opt/vorelles/"));
        QCOMPARE(HelpPagePath(QStringLiteral("/a/"), QStringLiteral("aide.htm")),
                 QStringLiteral("/a/aide.htm"));
        QCOMPARE(HelpPagePath(QStringLiteral("/a/"), QStringLiteral("pyramide.htm")),
                 QStringLiteral("/a/aide/pyramide.htm"));
    }

    void clockCountsOnlyDuringAGameAndNeverWraps()
    {
        QCOMPARE(ClockText(59), QStringLiteral("00:00:59"));
        QCOMPARE(ClockText(60), QStringLiteral("00:01:00"));
        QCOMPARE(ClockText(3600), QStringLiteral("01:00:00"));
        QCOMPARE(ClockText(3601), QStringLiteral("01:00:01"));
        QCOMPARE(ClockText(32767), QStringLiteral("09:06:07"));
        AppState state;
        QVERIFY(!ClockTick(state));
        QCOMPARE(state.elapsedSeconds, 0);
        state.gameInProgress = true;
        QVERIFY(ClockTick(state));
        QCOMPARE(state.elapsedSeconds, 1);
        state.elapsedSeconds = 32766;
        QVERIFY(ClockTick(state));
        QVERIFY(!ClockTick(state));
        QCOMPARE(state.elapsedSeconds, 32767);
    }
};

QTEST_GUILESS_MAIN(TestCards)
#include "tst_cards.moc"
