// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/odds/bignumber.h"

#include <algorithm>
#include <cmath>

BigNumber::BigNumber(std::uint64_t value)
{
    while (value != 0) {
        m_limbs.push_back(std::uint32_t(value & 0xFFFFFFFFu));
        value >>= 32;
    }
}

BigNumber BigNumber::factorial(int n)
{
    BigNumber result(1);
    for (int k = 2; k <= n; ++k)
        result *= std::uint32_t(k);
    return result;
}

void BigNumber::trim()
{
    while (!m_limbs.empty() && m_limbs.back() == 0)
        m_limbs.pop_back();
}

BigNumber &BigNumber::operator+=(const BigNumber &other)
{
    if (m_limbs.size() < other.m_limbs.size())
        m_limbs.resize(other.m_limbs.size(), 0);
    std::uint64_t carry = 0;
    for (std::size_t i = 0; i < m_limbs.size(); ++i) {
        carry += m_limbs[i];
        if (i < other.m_limbs.size())
            carry += other.m_limbs[i];
        m_limbs[i] = std::uint32_t(carry & 0xFFFFFFFFu);
        carry >>= 32;
    }
    if (carry != 0)
        m_limbs.push_back(std::uint32_t(carry));
    return *this;
}

BigNumber &BigNumber::operator-=(const BigNumber &other)
{
    std::int64_t borrow = 0;
    for (std::size_t i = 0; i < m_limbs.size(); ++i) {
        std::int64_t digit = std::int64_t(m_limbs[i]) - borrow;
        if (i < other.m_limbs.size())
            digit -= std::int64_t(other.m_limbs[i]);
        borrow = digit < 0 ? 1 : 0;
        m_limbs[i] = std::uint32_t(digit + (borrow << 32));
    }
    trim();
    return *this;
}

BigNumber &BigNumber::operator*=(std::uint32_t factor)
{
    std::uint64_t carry = 0;
    for (std::uint32_t &limb : m_limbs) {
        carry += std::uint64_t(limb) * factor;
        limb = std::uint32_t(carry & 0xFFFFFFFFu);
        carry >>= 32;
    }
    if (carry != 0)
        m_limbs.push_back(std::uint32_t(carry));
    trim();
    return *this;
}

BigNumber operator*(const BigNumber &a, const BigNumber &b)
{
    BigNumber result;
    if (a.isZero() || b.isZero())
        return result;
    result.m_limbs.assign(a.m_limbs.size() + b.m_limbs.size(), 0);
    for (std::size_t i = 0; i < a.m_limbs.size(); ++i) {
        std::uint64_t carry = 0;
        for (std::size_t j = 0; j < b.m_limbs.size(); ++j) {
            carry += std::uint64_t(a.m_limbs[i]) * b.m_limbs[j] + result.m_limbs[i + j];
            result.m_limbs[i + j] = std::uint32_t(carry & 0xFFFFFFFFu);
            carry >>= 32;
        }
        result.m_limbs[i + b.m_limbs.size()] = std::uint32_t(carry);
    }
    result.trim();
    return result;
}

bool operator<(const BigNumber &a, const BigNumber &b)
{
    if (a.m_limbs.size() != b.m_limbs.size())
        return a.m_limbs.size() < b.m_limbs.size();
    return std::lexicographical_compare(a.m_limbs.rbegin(), a.m_limbs.rend(), b.m_limbs.rbegin(),
                                        b.m_limbs.rend());
}

int BigNumber::bitLength() const
{
    if (m_limbs.empty())
        return 0;
    int top = 0;
    for (std::uint32_t high = m_limbs.back(); high != 0; high >>= 1)
        ++top;
    return int(m_limbs.size() - 1) * 32 + top;
}

bool BigNumber::bit(int index) const
{
    return (m_limbs[std::size_t(index / 32)] >> (index % 32)) & 1u;
}

void BigNumber::shiftLeftOne()
{
    std::uint32_t carry = 0;
    for (std::uint32_t &limb : m_limbs) {
        const std::uint32_t out = limb >> 31;
        limb = (limb << 1) | carry;
        carry = out;
    }
    if (carry != 0)
        m_limbs.push_back(carry);
}

// Long division one bit at a time: the numbers here have a few hundred bits at most.
BigNumber::Division BigNumber::dividedBy(const BigNumber &divisor) const
{
    Division result;
    for (int i = bitLength() - 1; i >= 0; --i) {
        result.remainder.shiftLeftOne();
        if (bit(i)) {
            if (result.remainder.m_limbs.empty())
                result.remainder.m_limbs.push_back(0);
            result.remainder.m_limbs[0] |= 1u;
        }
        result.quotient.shiftLeftOne();
        if (!(result.remainder < divisor)) {
            result.remainder -= divisor;
            if (result.quotient.m_limbs.empty())
                result.quotient.m_limbs.push_back(0);
            result.quotient.m_limbs[0] |= 1u;
        }
    }
    return result;
}

BigNumber BigNumber::gcd(BigNumber a, BigNumber b)
{
    while (!b.isZero()) {
        BigNumber rest = a.dividedBy(b).remainder;
        a = std::move(b);
        b = std::move(rest);
    }
    return a;
}

double BigNumber::toDouble() const
{
    double value = 0;
    for (auto limb = m_limbs.rbegin(); limb != m_limbs.rend(); ++limb)
        value = value * 4294967296.0 + double(*limb);
    return value;
}

QString BigNumber::toString() const
{
    if (isZero())
        return QStringLiteral("0");
    QString digits;
    BigNumber rest = *this;
    const BigNumber ten(10);
    while (!rest.isZero()) {
        Division step = rest.dividedBy(ten);
        digits.prepend(QChar(u'0' + (step.remainder.isZero() ? 0 : step.remainder.m_limbs[0])));
        rest = std::move(step.quotient);
    }
    return digits;
}

ExactFraction ExactFraction::reduced(const BigNumber &numerator, const BigNumber &denominator)
{
    const BigNumber common = BigNumber::gcd(numerator, denominator);
    if (common.isZero())
        return {numerator, denominator};
    return {numerator.dividedBy(common).quotient, denominator.dividedBy(common).quotient};
}

double ExactFraction::value() const
{
    // Twenty exact digits, rounded once to the nearest double.
    return decimals(20).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
}

QString ExactFraction::text() const
{
    return numerator.toString() + QLatin1Char('/') + denominator.toString();
}

QString ExactFraction::decimals(int significant) const
{
    BigNumber::Division whole = numerator.dividedBy(denominator);
    QString text = whole.quotient.toString() + QLatin1Char(',');
    BigNumber rest = whole.remainder;
    int written = whole.quotient.isZero() ? 0 : int(text.size()) - 1;
    while (written < significant) {
        rest *= 10;
        BigNumber::Division digit = rest.dividedBy(denominator);
        const int value = digit.quotient.isZero() ? 0 : int(digit.quotient.toDouble());
        text.append(QChar(u'0' + value));
        if (written > 0 || value != 0)
            ++written;
        rest = std::move(digit.remainder);
    }
    return text;
}
