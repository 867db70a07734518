// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalog/gamecatalog.h"
#include "games/noshuffle.h"
#include "games/roialbert/roialbertrules.h"
#include "settings/settingsstore.h"
#include "shared/appstate.h"

#include <QMap>

// Decks laid out for Roi Albert: the cards named for some places of the deal, the others in
// falling value, with no shuffle.
namespace RoialbertDeck {

// rank 1 (as) to 13 (roi); suits "PIQUE", "COEUR", "CARREAU", "TREFLE".
inline QString card(int rank, const char *suit)
{
    static const QStringList ranks =
        QStringLiteral("AS 2 3 4 5 6 7 8 9 10 VALET DAME ROI").split(QLatin1Char(' '));
    return ranks.at(rank - 1) + QStringLiteral("DE") + QString::fromLatin1(suit);
}

// The deal index of the card at depth d of column c (d = 0 at the head of the column).
inline int at(int column, int depth)
{
    int index = 0;
    for (int row = 0; row < depth; ++row)
        index += RoialbertRules::Columns - row;
    return index + column - depth;
}

inline int reserve(int k)
{
    return Cards::FullDeck - RoialbertRules::ReserveSize + k;
}

// Kings first: every column then falls in value towards its exposed card.
inline void lay(AppState &state, SettingsStore &settings, const QMap<int, QString> &placed = {})
{
    QStringList rest(state.decks.deck52.begin(), state.decks.deck52.end());
    for (const QString &code : placed) {
        if (!rest.removeOne(code))
            qFatal("%s is placed twice", qPrintable(code));
    }
    std::stable_sort(rest.begin(), rest.end(), [](const QString &a, const QString &b) {
        return Cards::CardValue(a) > Cards::CardValue(b);
    });
    for (int i = 0; i < Cards::FullDeck; ++i)
        state.decks.deck52[std::size_t(i)] =
            placed.contains(i) ? placed.value(i) : rest.takeFirst();
    settings.write(QStringLiteral("parametres"), QStringLiteral("melange"), QStringLiteral("0"));
}

} // namespace RoialbertDeck
