// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/duo/duorules.h"
#include "games/duodereve/duodereverules.h"
#include "games/fakehost.h"
#include "games/mariage/mariagerules.h"

#include <QTest>

namespace {

// Cards written short, separated by spaces: a rank (A, 2 to 10, V, D, R) and a suit sign.
QStringList codes(const QString &names)
{
    static const QStringList words =
        QStringLiteral("AS VALET DAME ROI PIQUE COEUR CARREAU TREFLE").split(QLatin1Char(' '));
    const auto word = [](const QString &sign) {
        const qsizetype at = QStringLiteral("AVDR♠♥♦♣").indexOf(sign);
        return at < 0 ? sign : words.at(at);
    };
    QStringList list;
    for (const QString &name : names.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        list.append(word(name.chopped(1)) + QStringLiteral("DE") + word(name.right(1)));
    return list;
}

// No two cards two or three places apart share a rank or a suit: nothing ever moves.
const QString NoMove = QStringLiteral(
    "D♥ 2♦ R♣ 6♠ 9♠ 3♥ 2♣ V♣ 10♦ A♥ 5♥ 7♣ 2♠ R♠ V♥ A♦ 5♣ 3♠ 7♥ 4♥ 6♦ 3♣ D♣ V♠ A♠ 4♦ 8♥ 8♣ 9♣ "
    "V♦ 4♠ 8♠ 6♣ 3♦ 5♦ 9♥ A♣ 10♣ 7♠ 2♥ 8♦ D♦ D♠ 10♥ 4♣ R♦ 9♦ 6♥ 10♠ 5♠ 7♦ R♥");
// Each card is like the card two places before it: Duo keeps a line of three at most.
const QString Chain = QStringLiteral(
    "A♠ A♦ 2♠ 2♦ 3♠ 3♦ 4♠ 4♦ 5♠ 5♦ 6♠ 6♦ 7♠ 7♦ 8♠ 8♦ 9♠ 9♦ 10♠ 10♦ V♠ V♦ D♠ D♦ R♠ R♦ R♥ R♣ D♥ "
    "D♣ V♥ V♣ 10♥ 10♣ 9♥ 9♣ 8♥ 8♣ 7♥ 7♣ 6♥ 6♣ 5♥ 5♣ 4♥ 4♣ 3♥ 3♣ 2♥ 2♣ A♥ A♣");
// Taking the card between two alike cards as soon as it may leaves the queen and king of hearts.
const QString Hearts = QStringLiteral(
    "D♥ D♠ V♠ R♠ D♣ V♣ R♣ D♦ A♥ A♠ A♦ R♦ A♣ 2♥ 2♠ 2♦ V♦ 2♣ 3♥ 3♠ 3♦ 3♣ 4♥ 4♠ 4♦ 4♣ 5♥ 5♠ 5♦ "
    "5♣ 6♥ 6♠ 6♦ 6♣ 7♥ 7♠ 7♦ 7♣ 8♥ 8♠ 8♦ 8♣ 9♥ 9♠ 9♦ 9♣ 10♥ 10♠ 10♦ 10♣ V♥ R♥");
// Place 9 alone lies between two diamonds, across the row break.
const QString OneMove = QStringLiteral("D♥ 2♦ R♣ 6♠ 9♠ 3♥ 2♣ V♣ 10♦ A♥ 5♦ 7♣");

enum Kind { Duo, Reve, Mariage };
constexpr std::array<GameId, 3> Games{GameId::Duo, GameId::DuoDeReve, GameId::Mariage};
constexpr std::array<int, 3> DropOffsets{-1, 1, 0}; // Mariage selects and removes instead

// A line game dealing the cards listed, in their order, then the others of the deck table.
struct Game {
    Game(Kind game, const QString &first) : kind(game)
    {
        QStringList order = codes(first);
        for (const QString &code : bench.state.decks.deck52)
            order.append(order.contains(code) ? QStringList() : QStringList{code});
        std::reverse(order.begin(), order.end()); // the deal list is dealt from its end
        bench.stack(order);
        const GameInfo &info = GameCatalog::byId(Games[kind]);
        owned = info.makeRules(info, bench.stacked(), bench.host);
        rules = static_cast<LineRules *>(owned.get());
        mariage = dynamic_cast<MariageRules *>(rules);
        rules->Distribution();
    }
    // The rules, the game being in progress from JOUER to its end, as the window keeps it.
    LineRules &act()
    {
        bench.state.gameInProgress = started && bench.host.results.isEmpty();
        return *rules;
    }
    void start()
    {
        started = true;
        act().play();
    }
    void deal(int count = 1)
    {
        for (int i = 0; i < count; ++i)
            act().click(rules->sabot());
    }
    void drop(int from, int to) { act().drop(picture(from), to < 0 ? -1 : picture(to), {}); }
    void click(int place) { act().click(picture(place)); }
    void supprimer() { act().press(QString::fromLatin1(MariageRules::Supprimer)); }
    bool supprimerEnabled() const
    {
        return table().control(QString::fromLatin1(MariageRules::Supprimer))->enabled;
    }
    // Takes the first card lying alone between two alike cards away, the game's way.
    bool removeFirst()
    {
        int at = 1;
        while (at < CardLine::Capacity && !line().framed(at, 1))
            ++at;
        if (at < CardLine::Capacity && mariage)
            click(at);
        if (at < CardLine::Capacity)
            mariage ? supprimer() : drop(at, at + DropOffsets[kind]);
        return at < CardLine::Capacity;
    }

    const CardLine &line() const { return rules->line(); }
    int picture(int place) const { return line().picture(place); }
    const TableModel &table() const { return rules->table(); }
    const Picture &place(int i) const { return table().at(picture(i)); }
    const Picture &sabot() const { return table().at(rules->sabot()); }
    const QString &prompt() const { return bench.host.current; }
    bool framing(int frame, int place) const
    {
        const Frame &f = table().frames.at(frame);
        return f.visible && f.rect.topLeft() == CardLine::placePosition(place) - QPoint(60, 60);
    }
    // The cards of the line, which fill its first places face up, with a border but in Duo;
    // every later place is empty.
    QStringList cards() const
    {
        QStringList names;
        for (int i = 0; i < table().group(QStringLiteral("Carte"))->count; ++i) {
            const bool holding = i < line().length();
            const Picture &p = place(i);
            if (p.card != p.tag || p.border != (holding && kind != Duo) ||
                p.face != (holding ? Picture::Face::Front : Picture::Face::None))
                return {QStringLiteral("place %1 out of order").arg(i)};
            names.append(holding ? QStringList{p.card} : QStringList());
        }
        return names;
    }
    Kind kind;
    RulesBench bench;
    std::unique_ptr<GameRules> owned;
    LineRules *rules = nullptr;
    MariageRules *mariage = nullptr;
    bool started = false;
};

} // namespace

class TestLineGames : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void wholeGames_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("deal");
        QTest::addColumn<QString>("left");
        QTest::newRow("Duo won") << int(Duo) << Chain << "A♥ A♣";
        QTest::newRow("Duo lost") << int(Duo) << NoMove << NoMove;
        QTest::newRow("Duo de rêve won") << int(Reve) << Hearts << "D♥ R♥";
        QTest::newRow("Duo de rêve lost") << int(Reve) << NoMove << NoMove;
        QTest::newRow("Mariage won") << int(Mariage) << Hearts << "D♥ R♥";
        QTest::newRow("Mariage lost") << int(Mariage) << NoMove << NoMove;
    }

    void wholeGames()
    {
        QFETCH(int, kind);
        QFETCH(QString, deal);
        QFETCH(QString, left);
        const bool won = left != NoMove;
        Game game(Kind(kind), deal);
        game.start();
        QVERIFY(game.sabot().hand);
        // The end comes only with the last card of the stock.
        while (!game.line().stockEmpty()) {
            QVERIFY(game.bench.host.results.isEmpty());
            game.deal();
            while (game.bench.host.results.isEmpty() && game.removeFirst()) {
            }
        }
        QCOMPARE(game.cards(), codes(left));
        if (won && kind != Duo) // the last to leave lay alone between the queen and the king
            QCOMPARE(game.line().variables().gone.last(), codes("V♥").first());
        QCOMPARE(game.bench.host.results, QList<bool>{won});
        QCOMPARE(game.prompt(), won ? QStringLiteral("BRAVO, vous avez gagné...")
                                    : QStringLiteral("DESOLE, vous avez perdu..."));
        QCOMPARE(game.rules->statistic(),
                 QStringList{QStringLiteral("Cartes restantes: %1").arg(codes(left).size())});
        QVERIFY(!game.sabot().visible);
    }

    void dragAcrossTheRowBreak_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("gone");
        QTest::newRow("Duo: the card before leaves")
            << int(Duo) << "Glissez cette carte sur la carte précédente."
            << "D♥ 2♦ R♣ 6♠ 9♠ 3♥ 2♣ V♣ A♥ 5♦ 7♣"
            << "10♦";
        QTest::newRow("Duo de rêve: the dragged card leaves")
            << int(Reve) << "Glissez cette carte sous la carte suivante."
            << "D♥ 2♦ R♣ 6♠ 9♠ 3♥ 2♣ V♣ 10♦ 5♦ 7♣"
            << "A♥";
    }

    void dragAcrossTheRowBreak()
    {
        QFETCH(int, kind);
        QFETCH(QString, prompt);
        QFETCH(QString, left);
        QFETCH(QString, gone);
        Game game(Kind(kind), OneMove);
        game.start();
        game.deal(12);
        game.act().hover(game.picture(8));
        QCOMPARE(game.prompt(),
                 QStringLiteral("Cliquez sur la carte de la réserve afin de l'ajouter au jeu."));
        game.act().hover(game.picture(9));
        QCOMPARE(game.prompt(), prompt);
        QVERIFY(game.place(9).hand && game.place(9).draggable && !game.place(8).draggable);

        // Only the one neighbour takes the card; the first card and the last one never move.
        const int target = 9 + DropOffsets[kind];
        const TableModel before = game.table();
        for (const auto &[from, to] : std::initializer_list<std::pair<int, int>>{
                 {9, 18 - target}, {9, 7}, {9, -1}, {0, 1}, {11, 10}, {11, 12}, {8, 7}}) {
            game.act().dragOver(game.picture(from), game.picture(to));
            game.drop(from, to);
            QCOMPARE(game.table(), before);
        }
        game.act().dragOver(game.picture(9), game.picture(target));
        QVERIFY(game.framing(SlideRules::Indicateur, target));
        game.drop(9, target);
        QCOMPARE(game.cards(), codes(left));
        QCOMPARE(game.line().variables().gone, codes(gone));
        // The frame goes, and so does the mark of the card that was in place 9.
        QVERIFY(!game.table().frames.at(SlideRules::Indicateur).visible);
        QVERIFY(!game.place(9).hand && !game.place(9).draggable);
        const TableModel after = game.table();
        game.drop(9, target);
        QCOMPARE(game.table(), after);
    }

    void mariageSelectionsAndSupprimer()
    {
        // 2♦ lies between two queens, D♣ between two diamonds, but D♥ and 6♦ around both share
        // nothing. A♥ and 5♥ together lie between two diamonds across the row break, A♥ alone
        // between unlike cards.
        Game game(Mariage, QStringLiteral("D♥ 2♦ D♣ 6♦ 9♠ 3♥ 2♣ V♣ 10♦ A♥ 5♥ 7♦ 2♠ 4♣"));
        game.start();
        game.deal(13);
        game.act().hover(game.picture(9));
        QCOMPARE(game.prompt(), QStringLiteral("Cliquez sur cette carte puis sur le bouton "
                                               "SUPPRIMER pour l'enlever du jeu."));
        QVERIFY(game.place(9).hand);
        const TableModel start = game.table();
        game.click(0);
        game.click(4);
        QCOMPARE(game.table(), start);
        // A♥ can only go with its neighbour: SUPPRIMER stays off and the prompt says what is
        // missing, also as the mouse passes over the other cards.
        const QString neighbour =
            QStringLiteral("Selectionnez une carte adjacente à la première carte selectionnée.");
        game.click(9);
        QVERIFY(game.framing(MariageRules::Indicateur0, 9) && !game.supprimerEnabled());
        QCOMPARE(game.prompt(), neighbour);
        game.act().hover(game.picture(4));
        QCOMPARE(game.prompt(), neighbour);
        game.deal(); // drops the choice
        QCOMPARE(game.mariage->variables(), MariageRules::Variables{});
        QVERIFY(!game.supprimerEnabled() && !game.framing(MariageRules::Indicateur0, 9));

        // A♥ alone is refused and stays chosen, waiting for its neighbour.
        game.click(9);
        const TableModel one = game.table();
        game.supprimer();
        QCOMPARE(game.prompt(), neighbour);
        game.click(9);
        QCOMPARE(game.prompt(), QStringLiteral("Selectionnez une autre carte différent de la "
                                               "première carte selectionnée."));
        game.click(2);
        QCOMPARE(game.prompt(), neighbour);
        QCOMPARE(game.table(), one);
        game.click(10);
        QVERIFY(game.framing(MariageRules::Indicateur1, 10) && game.supprimerEnabled());
        game.supprimer();
        QCOMPARE(game.cards(), codes("D♥ 2♦ D♣ 6♦ 9♠ 3♥ 2♣ V♣ 10♦ 7♦ 2♠ 4♣"));
        QVERIFY(!game.supprimerEnabled() && !game.framing(MariageRules::Indicateur1, 10));

        // Two neighbours that each fit alone but not together are refused and let go.
        game.click(1);
        game.click(2);
        game.supprimer();
        QCOMPARE(game.prompt(),
                 QStringLiteral("Cliquez sur la/les cartes qui peuvent être sélectionnées."));
        QCOMPARE(game.mariage->variables(), MariageRules::Variables{});
        game.click(2);
        game.supprimer();
        QCOMPARE(game.cards(), codes("D♥ 2♦ 6♦ 9♠ 3♥ 2♣ V♣ 10♦ 7♦ 2♠ 4♣"));
        QCOMPARE(game.line().variables().gone, codes("A♥ 5♥ D♣"));
    }
};

QTEST_GUILESS_MAIN(TestLineGames)
#include "tst_linegames.moc"
