// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/odds/chanceodds.h"

#include <QCoreApplication>
#include <QLocale>

ExactOdds OddsOf(const ExactFraction &share)
{
    return {share.value(), share.text()};
}

QString OddsSummary(const ExactFraction &share)
{
    // French figures unless the program speaks English.
    const QLocale figures = QLocale().language() == QLocale::English
                                ? QLocale()
                                : QLocale(QLocale::French, QLocale::France);
    return QCoreApplication::translate("ChanceOdds", "Chances de gagner : %1 %")
        .arg(figures.toString(100 * share.value(), 'f', 2));
}
