// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "games/chance/tablebook.h"
#include "games/voyageuses/voyageusesrules.h"

// In both games of voyageuses every place owns one card.
namespace VoyageusesBook {

// The place a card code owns, -1 for any other code.
inline int ownPlace(const QString &code)
{
    for (int place = 0; place < VoyageusesRules::Places; ++place) {
        if (VoyageusesRules::ownCard(place) == code)
            return place;
    }
    return -1;
}

// The number of the card a place owns, -1 for no place.
inline int ownCardNumber(int place)
{
    return place < 0 ? -1 : TableBook::cardNumber(VoyageusesRules::ownCard(place));
}

} // namespace VoyageusesBook
