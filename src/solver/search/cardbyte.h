// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shared/cards.h"

#include <QString>
#include <cstdint>

// A card code as one byte, rank x 4 + suit (trèfle, carreau, coeur, pique), NoCard for anything
// else: two cards match in rank or in suit exactly when their codes' keys do.
inline constexpr std::uint8_t NoCard = 0xFF;

inline std::uint8_t CardByte(const QString &code)
{
    if (!Cards::isCardCode(code))
        return NoCard;
    static const QString suits[] = {QStringLiteral("REFLE"), QStringLiteral("RREAU"),
                                    QStringLiteral("COEUR"), QStringLiteral("PIQUE")};
    const QString suit = Cards::SuitKey(code).toUpper();
    int index = 0;
    while (index < 3 && suits[index] != suit)
        ++index;
    return std::uint8_t((Cards::CardValue(code) - 1) * 4 + index);
}
