// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>
#include <random>

// The random source of the shuffle: single-precision draws in [0, 1).
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Called at the start of every shuffle.
    virtual void reseed() = 0;
    virtual float next() = 0;
};

// Production source: re-seeded from the clock at every shuffle.
class TimeSeededRandom final : public RandomSource {
public:
    void reseed() override;
    float next() override;

private:
    std::mt19937 m_engine;
};

// Test source: a fixed seed that reseed() leaves alone, so successive deals are reproducible.
class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(quint32 seed) : m_engine(seed) {}
    void reseed() override {}
    float next() override;

private:
    std::mt19937 m_engine;
};

// Turns 24 random bits into a float in [0, 1); every value is exact, 1.0 is never reached.
float unitFloat(quint32 bits);
