// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "solver/odds/bignumber.h"

// The exact share of the deals that a game of pure chance wins, every order of the deck being
// as likely, counted from the way its rules play a deal.
//
// The games reveal their face-down cards one at a time, and where the next one is looked for
// depends on the cards seen so far only. Whatever that place, the card found there is equally
// likely to be any card not seen yet, so a deal is counted through the numbers of unseen cards
// of each kind, and the cards never turned are equally likely to lie in any order.
namespace ChanceCounts {

ExactFraction voyageuses1();
// The first card picked up anywhere: by symmetry every place gives the same odds.
ExactFraction voyageuses2();
// Every starting call gives the same odds: each rank is called on four turns.
ExactFraction annonce();
ExactFraction horloge();
// Among the deals the game keeps, the nine first cards of nine different ranks.
ExactFraction stephanie();

} // namespace ChanceCounts

// The share Count gives, counted at the first call only, then kept: a function-local static, so
// counted once even when the first calls come from two threads.
template <ExactFraction (*Count)()> const ExactFraction &CountedOnce()
{
    static const ExactFraction share = Count();
    return share;
}
