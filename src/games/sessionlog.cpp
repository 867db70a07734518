// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/sessionlog.h"

#include <bit>
#include <cmath>

float RecordingRandom::next()
{
    const float drawn = m_source.next();
    m_draws.push_back(std::bit_cast<quint32>(drawn));
    return drawn;
}

float ReplayRandom::next()
{
    if (!m_draws)
        return m_own.next();
    if (m_next < m_draws->size()) {
        const float drawn = std::bit_cast<float>((*m_draws)[m_next++]);
        // A draw outside [0, 1) would index past a deck: a log that holds one is not ours.
        if (std::isfinite(drawn) && drawn >= 0.0f && drawn < 1.0f)
            return drawn;
    }
    m_ranOut = true;
    return 0.0f;
}

void ReplayRandom::replay(const std::vector<quint32> &draws)
{
    m_draws = &draws;
    m_next = 0;
}
