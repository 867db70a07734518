// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/fakehost.h"
#include "games/poussepousse/poussepousserules.h"

#include <QTest>

namespace {

using Rules = PoussePousseRules;
const QString Section = QStringLiteral("POUSSE-POUSSE");
const QString Key = QStringLiteral("famille");
const QString Joker = QStringLiteral("JEU");

// Draws given in advance, then 0: with "melange" 0, each shuffle makes one exchange from the
// next draw.
class ScriptedRandom final : public RandomSource {
public:
    void reseed() override {}
    float next() override { return draws.isEmpty() ? 0.0f : draws.takeFirst(); }
    QList<float> draws;
};

// The rules over a settings file; with scripted draws, "melange" is 0 and the deck keeps the
// order written, but for its hearts, which take the order given.
struct Game {
    explicit Game(const QList<float> &draws = {}, const QStringList &heartOrder = {},
                  const QString &melange = QStringLiteral("0"))
        : rules(GameCatalog::byId(GameId::PoussePousse),
                CoreContext{bench.state, bench.settings,
                            draws.isEmpty() ? static_cast<RandomSource &>(bench.random) : random},
                bench.host)
    {
        bench.host.state = &bench.state;
        if (draws.isEmpty())
            return;
        random.draws = QList<float>{0.0f} + draws; // the deck's one exchange changes nothing
        bench.settings.write(QStringLiteral("parametres"), QStringLiteral("melange"), melange);
        int next = 0;
        for (QString &code : bench.state.decks.deck52) {
            if (code.endsWith(QStringLiteral("COEUR")) && !heartOrder.isEmpty())
                code = heartOrder.at(next++) + QStringLiteral("DECOEUR");
        }
        rules.Distribution();
    }
    void start()
    {
        bench.state.gameInProgress = true;
        rules.play();
    }
    void slide(int place) { rules.click(Rules::FirstPlace + place); }
    void refuse(int place)
    {
        const TableModel before = rules.table();
        slide(place);
        QCOMPARE(rules.table(), before);
    }
    void hover(int place) { rules.hover(place < 0 ? place : Rules::FirstPlace + place); }
    const Picture &place(int i) const { return rules.table().at(Rules::FirstPlace + i); }
    QStringList tags() const
    {
        QStringList all;
        for (int i = 0; i < Rules::Places; ++i)
            all.append(place(i).tag);
        return all;
    }
    // The place that shows the hand and the red frame, if any.
    int slidable() const
    {
        const Frame &frame = rules.table().frames.at(Rules::Indicateur);
        int found = Rules::NoPlace;
        for (int i = 0; i < Rules::Places; ++i) {
            if (place(i).hand && frame.visible &&
                frame.rect.topLeft() + QPoint(FrameMargin, FrameMargin) == Rules::placePosition(i))
                found = i;
        }
        return found;
    }
    const Control &famille() const { return *rules.table().control(QStringLiteral("cboFamille")); }
    const QString &prompt() const { return bench.host.current; }

    RulesBench bench;
    ScriptedRandom random;
    Rules rules;
};

// Dealt first, the king changes places with a joker at the draw 13/15: the goal, but for the
// hole in place 15 and a joker in 14.
const QStringList KingFirst =
    QStringLiteral("ROI AS 2 3 4 5 6 7 8 9 10 VALET DAME").split(QLatin1Char(' '));
constexpr float ToPlace13 = 13.0f / 15.0f;

QStringList withJokers(const QStringList &middle)
{
    return QStringList{Joker} + middle + QStringList{Joker, QString()};
}

QStringList holeAt15()
{
    QStringList numbers;
    for (int value = 1; value <= 13; ++value)
        numbers.append(QString::number(value));
    return withJokers(numbers);
}

// The hearts in the order of the shuffled deck, which is the order they fill the grid in.
QStringList dealtHearts(const Game &game)
{
    const auto &deck = game.bench.state.decks.deck52;
    return QStringList(deck.begin(), deck.end()).filter(QStringLiteral("COEUR"));
}

} // namespace

class TestPoussePousse : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // With "melange" 0 the grid makes one exchange, of place 0 with the place drawn; a round
    // exchanges places 0 to 14 in turn.
    void mixingOfTheGrid()
    {
        for (const auto &[draw, exchanged] :
             {std::pair{0.0f, 0}, std::pair{0.5f, 8}, // half to even
              std::pair{0.99f, 15}}) {
            Game game({draw});
            QStringList expected = dealtHearts(game) << Joker << Joker << QString();
            expected.swapItemsAt(0, exchanged);
            QCOMPARE(game.tags(), expected);
            for (int i = 0; i < Rules::Places; ++i)
                QCOMPARE(game.place(i).face, Picture::Face::Back);
            QCOMPARE(game.prompt(),
                     QStringLiteral("Appuyez sur le bouton JOUER pour commencer la partie."));
        }
        // Each draw of 0 brings the next place to place 0: the second joker ends first.
        Game round({0.0f}, {}, QStringLiteral("1"));
        QCOMPARE(round.tags(), withJokers(dealtHearts(round)));
    }

    // The hover tells what belongs where and frames what can slide; slides reach the goal.
    void hoverAndSlidesToTheGoal()
    {
        Game game({ToPlace13}, KingFirst);
        game.hover(-1);
        QCOMPARE(game.prompt(),
                 QStringLiteral("Appuyez sur le bouton JOUER pour commencer la vorelle."));
        game.start();
        QCOMPARE(game.tags(), holeAt15());
        QVERIFY(!game.famille().enabled);
        QCOMPARE(game.place(0).face, Picture::Face::Icon);
        QCOMPARE(game.place(15).face, Picture::Face::None);
        const QString joker = QStringLiteral("Glissez cette carte au début ou à la fin du jeu");
        const auto belongs = [](const char *rank) {
            return QStringLiteral("Vous devez mettre le %1 DE COEUR à cet emplacement").arg(rank);
        };
        const QList<std::tuple<int, QString, int>> moves{
            {14, joker, 14},
            {11, belongs("VALET"), 11},
            {0, joker, Rules::NoPlace},
            {13, belongs("ROI"), Rules::NoPlace},
            {15,
             QStringLiteral("Servez-vous de cette carte vierge pour glisser les cartes à leurs "
                            "emplacements."),
             Rules::NoPlace},
            {-1, QStringLiteral("Glissez les cartes à la bonne place"), Rules::NoPlace}};
        for (const auto &[place, prompt, slidable] : moves) {
            game.hover(place);
            QCOMPARE(game.prompt(), prompt);
            QCOMPARE(game.slidable(), slidable);
        }
        // Two places along the row, diagonal, or at the other end of the row above: no slide.
        for (int place : {13, 10})
            game.refuse(place);
        for (int place : {11, 7, 3})
            game.slide(place);
        QCOMPARE(game.place(7).card, QStringLiteral("3DECOEUR"));
        QCOMPARE(game.place(3).face, Picture::Face::None);
        game.refuse(4);
        // Back to the hole in place 15, which does not win.
        for (int place : {7, 11, 15})
            game.slide(place);
        QCOMPARE(game.tags(), holeAt15());
        QVERIFY(game.bench.host.results.isEmpty());

        game.slide(14);
        QCOMPARE(game.bench.host.results, QList<bool>{true});
        QCOMPARE(game.prompt(), QStringLiteral("BRAVO, vous avez gagné..."));
        QCOMPARE(game.place(15).face, Picture::Face::Icon);
        QCOMPARE(game.rules.statistic(), QStringList{QStringLiteral("Famille affichée: COEUR")});
    }

    // Anything but a list index gives hearts, and the file heals; a choice is kept and dealt.
    void storedSuit()
    {
        for (const auto &[stored, suit, kept] :
             {std::tuple{"", "COEUR", "3"}, std::tuple{"0", "PIQUE", "0"},
              std::tuple{"4", "COEUR", "3"}, std::tuple{"-1", "COEUR", "3"},
              std::tuple{"deux", "COEUR", "3"}}) {
            Game game;
            if (*stored)
                game.bench.settings.write(Section, Key, QString::fromUtf8(stored));
            game.rules.load();
            QCOMPARE(game.famille().text, QString::fromUtf8(suit));
            QCOMPARE(game.bench.settings.read(Section, Key), QString::fromUtf8(kept));
            QCOMPARE(game.tags().filter(QString::fromUtf8(suit)).size(), 13);
        }
        Game game;
        game.rules.load();
        game.rules.select(QStringLiteral("cboFamille"), 1);
        QCOMPARE(game.bench.settings.read(Section, Key), QStringLiteral("1"));
        QCOMPARE(game.tags().filter(QStringLiteral("CARREAU")).size(), 13);
        QCOMPARE(game.rules.statistic(), QStringList{QStringLiteral("Famille affichée: CARREAU")});
    }
};

QTEST_GUILESS_MAIN(TestPoussePousse)
#include "tst_poussepousse.moc"
