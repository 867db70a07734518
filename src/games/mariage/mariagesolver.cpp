// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/line/linesolver.h"
#include "games/mariage/mariagerules.h"
#include "solver/search/cardbyte.h"

LineSolver LineSolver::mariage()
{
    return LineSolver({.dropBefore = false,
                       .draggedLeaves = true,
                       .twoAtOnce = true,
                       .firstLeft = CardByte(QStringLiteral("DAMEDECOEUR")),
                       .secondLeft = CardByte(QStringLiteral("ROIDECOEUR"))},
                      QString::fromLatin1(MariageRules::Supprimer));
}
