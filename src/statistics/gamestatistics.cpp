// SPDX-License-Identifier: GPL-3.0-or-later
#include "statistics/gamestatistics.h"

#include "catalog/gamecatalog.h"

#include <QCollator>
#include <QSet>
#include <algorithm>
#include <map>
#include <vector>

namespace {

// Builds one summary game by game, in order.
class SummaryBuilder {
public:
    void add(const PlayedGame &game)
    {
        ++m_summary.played;
        m_seconds.push_back(game.seconds);
        if (game.won) {
            ++m_summary.won;
            m_summary.currentStreak = std::max(m_summary.currentStreak, 0) + 1;
            m_summary.longestWinStreak =
                std::max(m_summary.longestWinStreak, m_summary.currentStreak);
            if (!m_summary.bestSeconds || game.seconds < *m_summary.bestSeconds)
                m_summary.bestSeconds = game.seconds;
        } else {
            m_summary.currentStreak = std::min(m_summary.currentStreak, 0) - 1;
            m_summary.longestLossStreak =
                std::max(m_summary.longestLossStreak, -m_summary.currentStreak);
        }
    }

    GameSummary finish()
    {
        if (m_seconds.empty())
            return m_summary;
        qint64 total = 0;
        for (const qint64 seconds : m_seconds)
            total += seconds;
        const auto count = qint64(m_seconds.size());
        m_summary.meanSeconds = (2 * total + count) / (2 * count);
        const auto upper = m_seconds.begin() + std::ptrdiff_t(m_seconds.size() / 2);
        std::nth_element(m_seconds.begin(), upper, m_seconds.end());
        if (m_seconds.size() % 2 == 1) {
            m_summary.medianSeconds = *upper;
        } else {
            const qint64 lower = *std::max_element(m_seconds.begin(), upper);
            m_summary.medianSeconds = (lower + *upper + 1) / 2;
        }
        return m_summary;
    }

private:
    GameSummary m_summary;
    std::vector<qint64> m_seconds;
};

bool included(const PlayedGame &game, const std::optional<QString> &player)
{
    return !player || game.player == *player;
}

} // namespace

std::optional<double> GameSummary::winPercent() const
{
    if (played == 0)
        return std::nullopt;
    return 100.0 * won / played;
}

namespace Statistics {

QString rowName(int row)
{
    if (row == TotalRow)
        return QStringLiteral("Toutes les vorelles");
    return QString::fromUtf8(GameCatalog::all()[std::size_t(row)].menuName);
}

QString everyone()
{
    return QStringLiteral("Tous les joueurs");
}

QStringList playerNames(const QList<PlayedGame> &games)
{
    QSet<QString> seen;
    for (const PlayedGame &game : games)
        seen.insert(game.player);
    QStringList names(seen.begin(), seen.end());
    QCollator collator(QLocale(QLocale::French, QLocale::France));
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(names.begin(), names.end(), collator);
    return names;
}

QList<GameSummary> summariseByGame(const QList<PlayedGame> &games,
                                   const std::optional<QString> &player)
{
    std::vector<SummaryBuilder> builders(RowCount);
    for (const PlayedGame &game : games) {
        if (!included(game, player))
            continue;
        builders[std::size_t(game.game)].add(game);
        builders[TotalRow].add(game);
    }
    QList<GameSummary> rows;
    for (SummaryBuilder &builder : builders)
        rows.append(builder.finish());
    return rows;
}

QList<MonthResults> resultsByMonth(const QList<PlayedGame> &games,
                                   const std::optional<QString> &player,
                                   const std::optional<int> &game)
{
    std::map<QDate, MonthResults> months;
    for (const PlayedGame &played : games) {
        if (!included(played, player) || (game && played.game != *game))
            continue;
        const QDate day = played.when.date();
        const QDate first(day.year(), day.month(), 1);
        MonthResults &month = months[first];
        month.month = first;
        ++month.played;
        month.won += played.won ? 1 : 0;
    }
    QList<MonthResults> ordered;
    for (const auto &entry : months)
        ordered.append(entry.second);
    return ordered;
}

} // namespace Statistics
