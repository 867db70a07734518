// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>
#include <vector>

// A whole number of any size, for counting deals exactly: 52! has 68 digits.
class BigNumber {
public:
    BigNumber(std::uint64_t value = 0);

    static BigNumber factorial(int n);

    bool isZero() const { return m_limbs.empty(); }
    BigNumber &operator+=(const BigNumber &other);
    // Requires other <= *this.
    BigNumber &operator-=(const BigNumber &other);
    BigNumber &operator*=(std::uint32_t factor);
    friend BigNumber operator+(BigNumber a, const BigNumber &b) { return a += b; }
    friend BigNumber operator-(BigNumber a, const BigNumber &b) { return a -= b; }
    friend BigNumber operator*(BigNumber a, std::uint32_t b) { return a *= b; }
    friend BigNumber operator*(const BigNumber &a, const BigNumber &b);
    friend bool operator==(const BigNumber &a, const BigNumber &b) = default;
    friend bool operator<(const BigNumber &a, const BigNumber &b);

    // Quotient and remainder of a division by a non-zero number.
    struct Division;
    Division dividedBy(const BigNumber &divisor) const;
    static BigNumber gcd(BigNumber a, BigNumber b);

    double toDouble() const;
    QString toString() const;

private:
    void trim();
    int bitLength() const;
    bool bit(int index) const;
    void shiftLeftOne();

    std::vector<std::uint32_t> m_limbs; // least significant first, no leading zero limb
};

struct BigNumber::Division {
    BigNumber quotient;
    BigNumber remainder;
};

// A probability as an exact fraction in lowest terms.
struct ExactFraction {
    BigNumber numerator;
    BigNumber denominator{1};

    static ExactFraction reduced(const BigNumber &numerator, const BigNumber &denominator);
    double value() const;
    QString text() const; // "p/q"
    // The decimal expansion to the given number of significant digits, truncated ("0,3079...").
    QString decimals(int significant) const;
};
