#include "solver/odds/chanceodds.h"

#include "solver/odds/chancecounts.h"

#include <QLocale>
#include <map>

namespace {

struct Counted {
    ExactFraction share;
    ExactOdds odds;
};

Counted counted(const ExactFraction &share)
{
    return {share, {share.value(), share.text()}};
}

const std::map<QString, Counted> &allOdds()
{
    // A function-local static: counted once, even when the first calls come from two threads.
    static const std::map<QString, Counted> odds{
        {QStringLiteral("Les voyageuses (1)"), counted(ChanceCounts::voyageuses1())},
        {QStringLiteral("Les voyageuses (2)"), counted(ChanceCounts::voyageuses2())},
        {QStringLiteral("L'annonce"), counted(ChanceCounts::annonce())},
        {QStringLiteral("L'horloge"), counted(ChanceCounts::horloge())},
        {QStringLiteral("Stéphanie"), counted(ChanceCounts::stephanie())},
    };
    return odds;
}

} // namespace

std::optional<ExactOdds> ChanceOdds(const QString &menuName)
{
    const auto &odds = allOdds();
    const auto found = odds.find(menuName);
    if (found == odds.end())
        return std::nullopt;
    return found->second.odds;
}

QString ChanceOddsDecimals(const QString &menuName, int significant)
{
    const auto &odds = allOdds();
    const auto found = odds.find(menuName);
    return found == odds.end() ? QString() : found->second.share.decimals(significant);
}

QString ChanceOddsSummary(const QString &menuName)
{
    const std::optional<ExactOdds> odds = ChanceOdds(menuName);
    if (!odds)
        return {};
    const QLocale french(QLocale::French, QLocale::France);
    return QStringLiteral("Chances de gagner : %1 %")
        .arg(french.toString(100 * odds->probability, 'f', 2));
}
