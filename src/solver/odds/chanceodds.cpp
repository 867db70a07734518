// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/odds/chanceodds.h"

#include <QLocale>

ExactOdds OddsOf(const ExactFraction &share)
{
    return {share.value(), share.text()};
}

QString OddsSummary(const ExactFraction &share)
{
    const QLocale french(QLocale::French, QLocale::France);
    return QStringLiteral("Chances de gagner : %1 %")
        .arg(french.toString(100 * share.value(), 'f', 2));
}
