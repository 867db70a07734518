// SPDX-License-Identifier: GPL-3.0-or-later
// autoplay GAME DEALS [--seed S] [--melange M]
// autoplay GAME --deal N [--print-deck]
// Plays DEALS deals of a game in which the player has no choice, through the game's own rules,
// and prints how many were won, the win rate with its 95 % interval and the deals per second.

#include "autoplayer.h"
#include "dealcommand.h"
#include "oddscommands.h"
#include "solvecommand.h"

#include "catalog/gamecatalog.h"

#include <QElapsedTimer>
#include <QLocale>
#include <QStringList>
#include <cstdio>
#include <optional>

namespace {

constexpr int BadUsage = 2;
constexpr int NoVerdict = 1;

void print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toUtf8().constData(), stream);
}

int usage(const QString &problem)
{
    QStringList names;
    for (const AutoplayGame &game : Autoplay::games())
        names.append(QStringLiteral("« %1 »").arg(QString::fromUtf8(game.info->menuName)));
    print(stderr, QStringLiteral("autoplay : %1\n"
                                 "usage : autoplay JEU DONNES [--seed GRAINE] [--melange M]\n"
                                 "jeux : %2\n")
                      .arg(problem, names.join(QStringLiteral(", "))));
    return BadUsage;
}

QString percent(const QLocale &french, double fraction)
{
    return french.toString(100 * fraction, 'f', 3) + QStringLiteral(" %");
}

} // namespace

int main(int argc, char *argv[])
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args.append(QString::fromLocal8Bit(argv[i]));
    if (const std::optional<int> handled = OddsCommands::dispatch(args))
        return *handled;
    // The solver's commands have a file of their own.
    if (args.value(0) == QLatin1String("solve"))
        return SolveCommand::solve(args.mid(1));
    if (args.contains(QStringLiteral("--solve")))
        return SolveCommand::solveDeals(args);
    if (AsksForDeal(args)) {
        QString out;
        QString err;
        const int status = RunDealCommand(args, out, err);
        print(stdout, out);
        print(stderr, err);
        return status;
    }
    if (args.size() < 2)
        return usage(QStringLiteral("il faut un jeu et un nombre de donnes."));
    const AutoplayGame *game = Autoplay::find(args.at(0));
    if (!game)
        return usage(QStringLiteral("jeu inconnu « %1 ».").arg(args.at(0)));
    const int deckSize = game->info->deckSize;
    QString problem;
    const std::optional<Autoplay::DealRun> run =
        Autoplay::parseDealRun(args.mid(1), deckSize, problem);
    if (!run)
        return usage(problem);

    Autoplayer player(*game, quint32(run->seed), int(run->melange));
    QElapsedTimer clock;
    clock.start();
    qint64 won = 0;
    for (qint64 deal = 1; deal <= run->deals; ++deal) {
        const std::optional<bool> result = player.playDeal();
        if (!result) {
            print(stderr,
                  QStringLiteral("autoplay : la donne %1 s'est arrêtée sans verdict.\n").arg(deal));
            return NoVerdict;
        }
        won += *result ? 1 : 0;
    }
    const double seconds = double(clock.nsecsElapsed()) / 1e9;

    const QLocale french(QLocale::French, QLocale::France);
    const Autoplay::WinRate rate = Autoplay::winRate(won, run->deals);
    print(stdout,
          QStringLiteral("%1 : %2 donnes (graine %3, mélange %4)\n"
                         "gagnées : %5\n"
                         "taux de réussite : %6 (intervalle de confiance à 95 % : %7 à %8)\n"
                         "donnes par seconde : %9\n")
              .arg(QString::fromUtf8(game->info->menuName), QString::number(run->deals),
                   QString::number(run->seed), QString::number(run->melange), QString::number(won),
                   percent(french, rate.rate), percent(french, rate.low),
                   percent(french, rate.high),
                   QString::number(seconds > 0 ? double(run->deals) / seconds : 0.0, 'f', 0)));
    return 0;
}
