// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/poussepousse/slidinggrid.h"

#include <algorithm>
#include <cstdlib>

namespace SlidingGrid {

Grid goal()
{
    Grid cells{};
    cells[0] = Joker;
    for (int value = 1; value <= 13; ++value)
        cells[std::size_t(value)] = qint8(value);
    cells[14] = Hole;
    cells[15] = Joker;
    return cells;
}

bool solvable(const QList<int> &cells, const QList<int> &goalCells, int width)
{
    QList<int> sorted = cells;
    QList<int> wanted = goalCells;
    std::sort(sorted.begin(), sorted.end());
    std::sort(wanted.begin(), wanted.end());
    if (sorted != wanted || std::count(sorted.begin(), sorted.end(), Hole) != 1)
        return false;
    if (std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end())
        return true;
    // The permutation taking each cell to the goal place of its tile, by its cycles.
    const auto size = cells.size();
    QList<bool> seen(size, false);
    qsizetype cycles = 0;
    for (qsizetype start = 0; start < size; ++start) {
        if (seen[start])
            continue;
        ++cycles;
        for (qsizetype at = start; !seen[at]; at = goalCells.indexOf(cells[at]))
            seen[at] = true;
    }
    const bool odd = (size - cycles) % 2 != 0;
    const int from = int(cells.indexOf(Hole));
    const int to = int(goalCells.indexOf(Hole));
    const int distance = std::abs(from % width - to % width) + std::abs(from / width - to / width);
    return odd == (distance % 2 != 0);
}

QList<int> neighbours(int place, int width, int height)
{
    QList<int> around;
    const int row = place / width;
    const int column = place % width;
    if (row > 0)
        around.append(place - width);
    if (row < height - 1)
        around.append(place + width);
    if (column > 0)
        around.append(place - 1);
    if (column < width - 1)
        around.append(place + 1);
    return around;
}

} // namespace SlidingGrid
