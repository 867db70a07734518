// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared/randomsource.h"

#include <chrono>

void TimeSeededRandom::reseed()
{
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    m_engine.seed(static_cast<std::mt19937::result_type>(now ^ (now >> 32)));
}

float TimeSeededRandom::next()
{
    return unitFloat(static_cast<quint32>(m_engine()));
}

float SeededRandom::next()
{
    return unitFloat(static_cast<quint32>(m_engine()));
}

float unitFloat(quint32 bits)
{
    return static_cast<float>(bits >> 8) * (1.0f / 16777216.0f);
}
