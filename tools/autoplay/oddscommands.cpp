// SPDX-License-Identifier: GPL-3.0-or-later
#include "oddscommands.h"

#include "autoplayer.h"
#include "catalog/gamecatalog.h"
#include "games/gamesession.h"
#include "games/poussepousse/poussesolver.h"
#include "games/quiethost.h"
#include "settings/settingkeys.h"
#include "settings/settingsstore.h"
#include "shared/appstate.h"
#include "shared/cards.h"
#include "shared/randomsource.h"

#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdio>

namespace {

constexpr int BadInput = 2;
const QString PousseName = QStringLiteral("Pousse-pousse");

// The games of pure chance: those of the table of games with exact odds.
const QStringList &chanceGames()
{
    static const QStringList names = [] {
        QStringList list;
        for (const GameInfo &game : GameCatalog::all()) {
            if (game.odds)
                list.append(QString::fromUtf8(game.menuName));
        }
        return list;
    }();
    return names;
}

void print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toUtf8().constData(), stream);
}

int refuse(const QString &problem)
{
    print(stderr, QStringLiteral("autoplay : %1\n").arg(problem));
    return BadInput;
}

// A game of these commands by its menu name, its window name without "frm" or its tag, capitals
// aside; "" for any other.
QString gameNamed(const QString &name)
{
    for (const GameInfo &game : GameCatalog::all()) {
        const QString menu = QString::fromUtf8(game.menuName);
        if (menu != PousseName && !chanceGames().contains(menu))
            continue;
        for (const QString &known :
             {menu, QString::fromUtf8(game.windowName).mid(3), QString::fromUtf8(game.tag)}) {
            if (name.compare(known, Qt::CaseInsensitive) == 0)
                return menu;
        }
    }
    return {};
}

// The codes of the 32- or 52-card deck, for checking a deck given by hand.
QSet<QString> deckCodes(int size)
{
    AppState state;
    BuildCardTables(state);
    QSet<QString> codes;
    for (int k = 0; k < size; ++k)
        codes.insert(size == Cards::SmallDeck ? state.decks.deck32[std::size_t(k)]
                                              : state.decks.deck52[std::size_t(k)]);
    return codes;
}

// A deck of a game of chance, or the grid of Pousse-pousse, read from one line of codes.
struct Deal {
    QStringList codes;
    QString problem; // "" when the line is good
};

Deal readChanceDeck(const QString &game, const QString &line)
{
    Deal deal;
    deal.codes = Autoplay::deckCodes(line);
    const int size = GameCatalog::byMenuName(game)->deckSize;
    if (deal.codes.isEmpty()) {
        deal.problem = QStringLiteral("la donne est vide.");
        return deal;
    }
    if (deal.codes.size() != size) {
        deal.problem =
            QStringLiteral("il faut %1 cartes, la donne en a %2.").arg(size).arg(deal.codes.size());
        return deal;
    }
    const QSet<QString> valid = deckCodes(size);
    QSet<QString> seen;
    for (const QString &code : std::as_const(deal.codes)) {
        if (!valid.contains(code)) {
            deal.problem = QStringLiteral("carte inconnue « %1 » pour un jeu de %2 cartes.")
                               .arg(code)
                               .arg(size);
            return deal;
        }
        if (seen.contains(code)) {
            deal.problem = QStringLiteral("la carte « %1 » est donnée deux fois.").arg(code);
            return deal;
        }
        seen.insert(code);
    }
    if (game == QStringLiteral("Stéphanie")) {
        QSet<int> ranks;
        for (int k = 0; k < 9; ++k)
            ranks.insert(Cards::CardValue(deal.codes.at(k)));
        if (ranks.size() != 9)
            deal.problem =
                QStringLiteral("les neuf premières cartes doivent être de neuf rangs différents.");
    }
    return deal;
}

// The grid in reading order: the cards of one suit, "JEU" twice and "-" for the hole.
Deal readGrid(const QString &line)
{
    Deal deal;
    deal.codes = Autoplay::deckCodes(line);
    if (deal.codes.isEmpty()) {
        deal.problem = QStringLiteral("la grille est vide.");
        return deal;
    }
    if (deal.codes.size() != SlidingGrid::Cells) {
        deal.problem = QStringLiteral("il faut les 16 places de la grille, la ligne en a %1.")
                           .arg(deal.codes.size());
        return deal;
    }
    QSet<QString> seen;
    QString suit;
    int jokers = 0;
    int holes = 0;
    for (const QString &code : std::as_const(deal.codes)) {
        if (code == QStringLiteral("JEU")) {
            ++jokers;
        } else if (code == QStringLiteral("-")) {
            ++holes;
        } else if (!Cards::isCardCode(code)) {
            deal.problem = QStringLiteral("carte inconnue « %1 ».").arg(code);
            return deal;
        } else if (seen.contains(code)) {
            deal.problem = QStringLiteral("la carte « %1 » est donnée deux fois.").arg(code);
            return deal;
        } else if (!suit.isEmpty() && Cards::SuitKey(code) != suit) {
            deal.problem = QStringLiteral("les cartes de la grille sont d'une seule famille.");
            return deal;
        } else {
            suit = Cards::SuitKey(code);
            seen.insert(code);
        }
    }
    if (jokers != 2 || holes != 1)
        deal.problem = QStringLiteral("la grille a deux « JEU » et un trou « - ».");
    return deal;
}

// A source whose one exchange, with "melange" at 0, swaps the first card with itself.
class NoShuffle final : public RandomSource {
public:
    void reseed() override {}
    float next() override { return 0.0f; }
};

QString verdictLine(const SolverAnswer &answer)
{
    const char *word = answer.verdict == SolverAnswer::Verdict::Winnable ? "gagnable"
                       : answer.verdict == SolverAnswer::Verdict::Lost   ? "perdue"
                                                                         : "inconnue";
    return QStringLiteral("%1\t%2\t%3\n")
        .arg(QString::fromLatin1(word))
        .arg(answer.line.size())
        .arg(answer.nodes);
}

// Deals the deck as given, presses JOUER and searches from there.
SolverAnswer solveChanceDeck(const QString &game, const QStringList &codes)
{
    QTemporaryDir dir;
    AppState state;
    BuildCardTables(state);
    for (qsizetype k = 0; k < codes.size(); ++k) {
        if (codes.size() == Cards::SmallDeck)
            state.decks.deck32[std::size_t(k)] = codes.at(k);
        else
            state.decks.deck52[std::size_t(k)] = codes.at(k);
    }
    SettingsStore settings(dir.filePath(QStringLiteral("autoplay.ini")));
    settings.setParameter(Settings::Melange, QStringLiteral("0"));
    NoShuffle still;
    QuietHost host;
    GameSession session(*GameCatalog::byMenuName(game), {state, settings, still}, host);
    session.open();
    session.play();
    const std::atomic<bool> cancel{false};
    return GameCatalog::solverFor(game)->prepare(session.rules())->run(cancel);
}

SolverAnswer solveGrid(const QStringList &codes)
{
    SlidingGrid::Grid cells{};
    for (qsizetype place = 0; place < codes.size(); ++place) {
        const QString &code = codes.at(place);
        cells[std::size_t(place)] = qint8(code == QStringLiteral("JEU") ? SlidingGrid::Joker
                                          : code == QStringLiteral("-") ? SlidingGrid::Hole
                                                                        : Cards::CardValue(code));
    }
    const std::atomic<bool> cancel{false};
    return PousseSolver::answer(cells, cancel);
}

int solve(const QStringList &args)
{
    const QString game = gameNamed(args.value(1));
    if (args.size() != 4 ||
        (args.at(2) != QStringLiteral("--deck") && args.at(2) != QStringLiteral("--decks")))
        return refuse(QStringLiteral("usage : autoplay solve JEU --deck C1,C2,... | --decks "
                                     "FICHIER"));
    QStringList lines;
    if (args.at(2) == QStringLiteral("--deck")) {
        lines.append(args.at(3));
    } else {
        QFile file(args.at(3));
        const bool opened = args.at(3) == QStringLiteral("-")
                                ? file.open(stdin, QIODevice::ReadOnly | QIODevice::Text)
                                : file.open(QIODevice::ReadOnly | QIODevice::Text);
        if (!opened)
            return refuse(QStringLiteral("impossible de lire « %1 ».").arg(args.at(3)));
        QTextStream in(&file);
        while (!in.atEnd()) {
            const QString line = in.readLine().trimmed();
            if (!line.isEmpty())
                lines.append(line);
        }
    }
    // Every deck is checked before the first is searched: a bad one gives its error alone.
    QList<Deal> deals;
    for (qsizetype n = 0; n < lines.size(); ++n) {
        deals.append(game == PousseName ? readGrid(lines.at(n))
                                        : readChanceDeck(game, lines.at(n)));
        if (!deals.constLast().problem.isEmpty())
            return refuse(
                lines.size() == 1
                    ? deals.constLast().problem
                    : QStringLiteral("ligne %1 : %2").arg(n + 1).arg(deals.constLast().problem));
    }
    for (const Deal &deal : std::as_const(deals)) {
        const SolverAnswer answer =
            game == PousseName ? solveGrid(deal.codes) : solveChanceDeck(game, deal.codes);
        print(stdout, verdictLine(answer));
        if (args.at(2) == QStringLiteral("--deck") &&
            answer.verdict == SolverAnswer::Verdict::Winnable) {
            for (const SolverMove &move : answer.line)
                print(stdout, move.text + QLatin1Char('\n'));
        }
    }
    return 0;
}

int odds(const QString &game)
{
    const std::optional<ExactOdds> odds = GameCatalog::odds(game);
    if (!odds)
        return refuse(QStringLiteral("« %1 » n'est pas un jeu de pur hasard.").arg(game));
    print(stdout, QStringLiteral("%1 : probabilité exacte de gagner, chaque ordre du paquet "
                                 "également probable\n"
                                 "probabilité : %2\n"
                                 "fraction : %3\n")
                      .arg(game, GameCatalog::oddsDecimals(game, 17), odds->fraction));
    return 0;
}

} // namespace

namespace OddsCommands {

std::optional<int> dispatch(const QStringList &args)
{
    if (args.size() >= 2 && args.at(0) == QStringLiteral("solve")) {
        if (gameNamed(args.at(1)).isEmpty())
            return std::nullopt;
        return solve(args);
    }
    if (args.size() == 2 && args.at(1) == QStringLiteral("--odds")) {
        const QString game = gameNamed(args.at(0));
        if (game.isEmpty() || game == PousseName)
            return refuse(QStringLiteral("les chances exactes sont celles des jeux de pur "
                                         "hasard : %1.")
                              .arg(chanceGames().join(QStringLiteral(", "))));
        return odds(game);
    }
    return std::nullopt;
}

} // namespace OddsCommands
