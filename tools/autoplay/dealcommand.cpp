// SPDX-License-Identifier: GPL-3.0-or-later
#include "dealcommand.h"

#include "autoplayer.h"

#include "catalog/gamecatalog.h"
#include "games/dealnumber.h"
#include "games/gamesession.h"
#include "games/quiethost.h"
#include "settings/settingsstore.h"
#include "shared/appstate.h"
#include "shared/cards.h"
#include "shared/randomsource.h"

#include <QTemporaryDir>

namespace {

constexpr int BadUsage = 2;
constexpr int NoVerdict = 1;

const QString DealOption = QStringLiteral("--deal");
const QString PrintOption = QStringLiteral("--print-deck");

// A game by its menu name or its window name without "frm", capitals aside.
const GameInfo *findGame(const QString &name)
{
    for (const GameInfo &info : GameCatalog::all()) {
        if (name.compare(QString::fromUtf8(info.menuName), Qt::CaseInsensitive) == 0 ||
            name.compare(QString::fromUtf8(info.windowName).mid(3), Qt::CaseInsensitive) == 0)
            return &info;
    }
    return nullptr;
}

QStringList dealtDeck(const GameInfo &info, quint32 number)
{
    QTemporaryDir dir;
    SettingsStore settings(dir.filePath(QStringLiteral("autoplay.ini")));
    AppState state;
    BuildCardTables(state);
    SeededRandom random(0);
    QuietHost host;
    GameSession session(info, {state, settings, random}, host);
    session.deal(number);
    if (info.deckSize == Cards::SmallDeck)
        return QStringList(state.decks.deck32.begin(), state.decks.deck32.end());
    return QStringList(state.decks.deck52.begin(), state.decks.deck52.end());
}

int usage(const QString &problem, QString &err)
{
    err += QStringLiteral("autoplay : %1\nusage : autoplay JEU --deal N [--print-deck]\n")
               .arg(problem);
    return BadUsage;
}

} // namespace

bool AsksForDeal(const QStringList &args)
{
    return args.contains(DealOption);
}

int RunDealCommand(const QStringList &args, QString &out, QString &err)
{
    if (args.isEmpty())
        return usage(QStringLiteral("il faut un jeu."), err);
    const GameInfo *info = findGame(args.at(0));
    if (!info || !GameCatalog::rulesFor(QString::fromUtf8(info->menuName)))
        return usage(QStringLiteral("jeu inconnu « %1 ».").arg(args.at(0)), err);
    quint32 number = 0;
    bool printDeck = false;
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (args.at(i) == PrintOption) {
            printDeck = true;
        } else if (args.at(i) == DealOption && i + 1 < args.size()) {
            number = DealNumber::Parse(args.at(++i));
            if (number == 0)
                return usage(QStringLiteral("le numéro de donne « %1 » n'est pas un entier de "
                                            "1 à 4294967295.")
                                 .arg(args.at(i)),
                             err);
        } else {
            return usage(QStringLiteral("option inconnue ou incomplète « %1 ».").arg(args.at(i)),
                         err);
        }
    }
    if (number == 0)
        return usage(QStringLiteral("il faut un numéro de donne après --deal."), err);

    const QString name = QString::fromUtf8(info->menuName);
    if (printDeck) {
        out += dealtDeck(*info, number).join(QLatin1Char(',')) + QLatin1Char('\n');
        return 0;
    }
    const AutoplayGame *game = Autoplay::find(name);
    if (!game)
        return usage(QStringLiteral("dans « %1 » le joueur a des choix : autoplay ne joue pas "
                                    "cette donne seul (--print-deck en donne les cartes).")
                         .arg(name),
                     err);
    Autoplayer player(*game, 0, DealNumber::ShuffleRounds);
    const std::optional<bool> won = player.playDeal(number);
    if (!won) {
        err +=
            QStringLiteral("autoplay : la donne n° %1 s'est arrêtée sans verdict.\n").arg(number);
        return NoVerdict;
    }
    out += QStringLiteral("%1, donne n° %2 : %3\n")
               .arg(name, QString::number(number),
                    *won ? QStringLiteral("gagnée") : QStringLiteral("perdue"));
    return 0;
}
