#include "BigUnsigned.h"

#include <algorithm>
#include <bit>
#include <stdexcept>

namespace numeric {

namespace {

constexpr int limbBits = 32;
constexpr std::uint64_t limbBase = std::uint64_t{1} << limbBits;

std::uint32_t lowLimb(std::uint64_t value)
{
    return static_cast<std::uint32_t>(value);
}
std::uint32_t highLimb(std::uint64_t value)
{
    return static_cast<std::uint32_t>(value >> limbBits);
}

// 5^k for k = 0..27, the powers of five that fit in 64 bits.
constexpr std::uint64_t smallPowerOfFive(std::uint32_t exponent)
{
    std::uint64_t power = 1;
    for (std::uint32_t i = 0; i < exponent; ++i)
        power *= 5;
    return power;
}
constexpr std::uint32_t largestSmallFiveExponent = 27;

} // namespace

BigUnsigned::BigUnsigned(std::uint64_t value)
{
    if (value != 0)
        m_limbs.push_back(lowLimb(value));
    if (highLimb(value) != 0)
        m_limbs.push_back(highLimb(value));
}

BigUnsigned BigUnsigned::fromDecimalDigits(std::string_view digits)
{
    BigUnsigned value;
    value.m_limbs.reserve(digits.size() / 9 + 1);
    std::size_t position = 0;
    while (position < digits.size()) {
        // Up to nine digits at a time: 10^9 < 2^32.
        const std::size_t chunkLength = std::min<std::size_t>(9, digits.size() - position);
        std::uint32_t chunk = 0;
        std::uint32_t scale = 1;
        for (std::size_t i = 0; i < chunkLength; ++i) {
            const char digit = digits[position + i];
            if (digit < '0' || digit > '9')
                throw std::invalid_argument("BigUnsigned::fromDecimalDigits: not a digit");
            chunk = chunk * 10 + static_cast<std::uint32_t>(digit - '0');
            scale *= 10;
        }
        value.multiplyAdd(scale, chunk);
        position += chunkLength;
    }
    return value;
}

BigUnsigned BigUnsigned::powerOfFive(std::uint32_t exponent)
{
    if (exponent <= largestSmallFiveExponent)
        return BigUnsigned(smallPowerOfFive(exponent));
    // Square and multiply over chunks of 5^27.
    const BigUnsigned chunk(smallPowerOfFive(largestSmallFiveExponent));
    BigUnsigned result(smallPowerOfFive(exponent % largestSmallFiveExponent));
    std::uint32_t chunkCount = exponent / largestSmallFiveExponent;
    BigUnsigned power = chunk;
    while (chunkCount != 0) {
        if ((chunkCount & 1U) != 0)
            result = result * power;
        chunkCount >>= 1;
        if (chunkCount != 0)
            power = power * power;
    }
    return result;
}

std::size_t BigUnsigned::bitLength() const noexcept
{
    if (m_limbs.empty())
        return 0;
    return m_limbs.size() * limbBits - static_cast<std::size_t>(std::countl_zero(m_limbs.back()));
}

bool BigUnsigned::testBit(std::size_t index) const noexcept
{
    const std::size_t limb = index / limbBits;
    if (limb >= m_limbs.size())
        return false;
    return ((m_limbs[limb] >> (index % limbBits)) & 1U) != 0;
}

bool BigUnsigned::hasSetBitBelow(std::size_t index) const noexcept
{
    const std::size_t wholeLimbs = std::min(index / limbBits, m_limbs.size());
    for (std::size_t i = 0; i < wholeLimbs; ++i) {
        if (m_limbs[i] != 0)
            return true;
    }
    if (wholeLimbs == m_limbs.size())
        return false;
    const std::size_t partialBits = index % limbBits;
    if (partialBits == 0)
        return false;
    const std::uint32_t mask = (std::uint32_t{1} << partialBits) - 1;
    return (m_limbs[wholeLimbs] & mask) != 0;
}

std::uint64_t BigUnsigned::bitsFrom(std::size_t index) const noexcept
{
    const std::size_t firstLimb = index / limbBits;
    const std::size_t shift = index % limbBits;
    // Three limbs cover the 64 bits whatever the offset.
    std::uint64_t low = 0;
    std::uint64_t high = 0;
    auto limbAt = [this](std::size_t i) -> std::uint64_t {
        return i < m_limbs.size() ? m_limbs[i] : 0;
    };
    low = limbAt(firstLimb) | (limbAt(firstLimb + 1) << limbBits);
    high = limbAt(firstLimb + 2);
    if (shift == 0)
        return low;
    return (low >> shift) | (high << (2 * limbBits - shift));
}

void BigUnsigned::multiplyAdd(std::uint32_t factor, std::uint32_t addend)
{
    std::uint64_t carry = addend;
    for (std::uint32_t &limb : m_limbs) {
        const std::uint64_t product = std::uint64_t{limb} * factor + carry;
        limb = lowLimb(product);
        carry = highLimb(product);
    }
    if (carry != 0)
        m_limbs.push_back(lowLimb(carry));
    removeLeadingZeroLimbs();
}

std::uint32_t BigUnsigned::divideBySmall(std::uint32_t divisor)
{
    if (divisor == 0)
        throw std::domain_error("BigUnsigned: division by zero");
    std::uint64_t remainder = 0;
    for (std::size_t i = m_limbs.size(); i-- > 0;) {
        const std::uint64_t current = (remainder << limbBits) | m_limbs[i];
        m_limbs[i] = lowLimb(current / divisor);
        remainder = current % divisor;
    }
    removeLeadingZeroLimbs();
    return lowLimb(remainder);
}

BigUnsigned &BigUnsigned::operator<<=(std::size_t bits)
{
    if (m_limbs.empty() || bits == 0)
        return *this;
    const std::size_t limbShift = bits / limbBits;
    const std::size_t bitShift = bits % limbBits;
    if (bitShift != 0) {
        std::uint32_t carry = 0;
        for (std::uint32_t &limb : m_limbs) {
            const std::uint32_t next = limb >> (limbBits - bitShift);
            limb = (limb << bitShift) | carry;
            carry = next;
        }
        if (carry != 0)
            m_limbs.push_back(carry);
    }
    m_limbs.insert(m_limbs.begin(), limbShift, 0);
    return *this;
}

BigUnsigned &BigUnsigned::operator>>=(std::size_t bits)
{
    const std::size_t limbShift = bits / limbBits;
    const std::size_t bitShift = bits % limbBits;
    if (limbShift >= m_limbs.size()) {
        m_limbs.clear();
        return *this;
    }
    m_limbs.erase(m_limbs.begin(), m_limbs.begin() + static_cast<std::ptrdiff_t>(limbShift));
    if (bitShift != 0) {
        for (std::size_t i = 0; i < m_limbs.size(); ++i) {
            const std::uint32_t next = i + 1 < m_limbs.size() ? m_limbs[i + 1] : 0;
            m_limbs[i] = (m_limbs[i] >> bitShift) | (next << (limbBits - bitShift));
        }
    }
    removeLeadingZeroLimbs();
    return *this;
}

BigUnsigned &BigUnsigned::operator+=(const BigUnsigned &addend)
{
    if (m_limbs.size() < addend.m_limbs.size())
        m_limbs.resize(addend.m_limbs.size(), 0);
    std::uint64_t carry = 0;
    for (std::size_t i = 0; i < m_limbs.size(); ++i) {
        const std::uint64_t sum =
            std::uint64_t{m_limbs[i]} + (i < addend.m_limbs.size() ? addend.m_limbs[i] : 0) + carry;
        m_limbs[i] = lowLimb(sum);
        carry = highLimb(sum);
        if (carry == 0 && i + 1 >= addend.m_limbs.size())
            break;
    }
    if (carry != 0)
        m_limbs.push_back(lowLimb(carry));
    return *this;
}

BigUnsigned operator*(const BigUnsigned &left, const BigUnsigned &right)
{
    BigUnsigned product;
    if (left.isZero() || right.isZero())
        return product;
    product.m_limbs.assign(left.m_limbs.size() + right.m_limbs.size(), 0);
    for (std::size_t i = 0; i < left.m_limbs.size(); ++i) {
        std::uint64_t carry = 0;
        const std::uint64_t leftLimb = left.m_limbs[i];
        for (std::size_t j = 0; j < right.m_limbs.size(); ++j) {
            // At most (2^32-1)^2 + 2 (2^32-1) = 2^64 - 1: no overflow.
            const std::uint64_t sum = leftLimb * right.m_limbs[j] + product.m_limbs[i + j] + carry;
            product.m_limbs[i + j] = lowLimb(sum);
            carry = highLimb(sum);
        }
        product.m_limbs[i + right.m_limbs.size()] = lowLimb(carry);
    }
    product.removeLeadingZeroLimbs();
    return product;
}

BigUnsigned::DivisionResult BigUnsigned::divide(const BigUnsigned &numerator,
                                                const BigUnsigned &denominator)
{
    if (denominator.isZero())
        throw std::domain_error("BigUnsigned: division by zero");
    DivisionResult result;
    if (numerator < denominator) {
        result.remainder = numerator;
        return result;
    }
    if (denominator.m_limbs.size() == 1) {
        result.quotient = numerator;
        result.remainder = BigUnsigned(result.quotient.divideBySmall(denominator.m_limbs[0]));
        return result;
    }

    // Knuth, TAOCP vol. 2, 4.3.1, algorithm D, on 32-bit limbs with 64-bit intermediates.
    // Normalise so that the divisor's top limb has its high bit set.
    const std::size_t divisorSize = denominator.m_limbs.size();
    const std::size_t numeratorSize = numerator.m_limbs.size();
    const auto normalisingShift =
        static_cast<std::size_t>(std::countl_zero(denominator.m_limbs.back()));
    const BigUnsigned divisor = denominator << normalisingShift;
    BigUnsigned dividend = numerator << normalisingShift;
    std::vector<std::uint32_t> &u = dividend.m_limbs;
    u.resize(numeratorSize + 1, 0);
    const std::vector<std::uint32_t> &v = divisor.m_limbs;
    const std::uint64_t divisorTop = v[divisorSize - 1];
    const std::uint64_t divisorNext = v[divisorSize - 2];

    result.quotient.m_limbs.assign(numeratorSize - divisorSize + 1, 0);
    for (std::size_t j = numeratorSize - divisorSize + 1; j-- > 0;) {
        // Estimate the quotient limb from the top two limbs, then correct it (at most twice).
        const std::uint64_t top =
            (std::uint64_t{u[j + divisorSize]} << limbBits) | u[j + divisorSize - 1];
        std::uint64_t estimate = top / divisorTop;
        std::uint64_t estimateRemainder = top % divisorTop;
        while (estimate >= limbBase || estimate * divisorNext > ((estimateRemainder << limbBits) |
                                                                 u[j + divisorSize - 2])) {
            --estimate;
            estimateRemainder += divisorTop;
            if (estimateRemainder >= limbBase)
                break;
        }

        // Multiply and subtract: u[j .. j+n] -= estimate * v.
        std::int64_t borrow = 0;
        std::uint64_t carry = 0;
        for (std::size_t i = 0; i < divisorSize; ++i) {
            const std::uint64_t product = estimate * v[i] + carry;
            carry = highLimb(product);
            const std::int64_t difference = static_cast<std::int64_t>(u[i + j]) -
                                            static_cast<std::int64_t>(lowLimb(product)) + borrow;
            u[i + j] = lowLimb(static_cast<std::uint64_t>(difference));
            borrow = difference < 0 ? -1 : 0;
        }
        const std::int64_t topDifference = static_cast<std::int64_t>(u[j + divisorSize]) -
                                           static_cast<std::int64_t>(carry) + borrow;
        u[j + divisorSize] = lowLimb(static_cast<std::uint64_t>(topDifference));

        if (topDifference < 0) {
            // The estimate was one too large: add the divisor back.
            --estimate;
            std::uint64_t addCarry = 0;
            for (std::size_t i = 0; i < divisorSize; ++i) {
                const std::uint64_t sum = std::uint64_t{u[i + j]} + v[i] + addCarry;
                u[i + j] = lowLimb(sum);
                addCarry = highLimb(sum);
            }
            u[j + divisorSize] = lowLimb(u[j + divisorSize] + addCarry);
        }
        result.quotient.m_limbs[j] = lowLimb(estimate);
    }
    result.quotient.removeLeadingZeroLimbs();

    u.resize(divisorSize);
    dividend.removeLeadingZeroLimbs();
    dividend >>= normalisingShift;
    result.remainder = std::move(dividend);
    return result;
}

int BigUnsigned::compare(const BigUnsigned &left, const BigUnsigned &right) noexcept
{
    if (left.m_limbs.size() != right.m_limbs.size())
        return left.m_limbs.size() < right.m_limbs.size() ? -1 : 1;
    for (std::size_t i = left.m_limbs.size(); i-- > 0;) {
        if (left.m_limbs[i] != right.m_limbs[i])
            return left.m_limbs[i] < right.m_limbs[i] ? -1 : 1;
    }
    return 0;
}

std::string BigUnsigned::toDecimalString() const
{
    if (isZero())
        return "0";
    std::string reversed;
    BigUnsigned rest = *this;
    while (!rest.isZero()) {
        std::uint32_t chunk = rest.divideBySmall(1000000000U);
        // Every chunk but the most significant has exactly nine digits.
        const int digits = rest.isZero() ? 0 : 9;
        int written = 0;
        while (chunk != 0 || written < digits) {
            reversed.push_back(static_cast<char>('0' + chunk % 10));
            chunk /= 10;
            ++written;
        }
    }
    return {reversed.rbegin(), reversed.rend()};
}

void BigUnsigned::removeLeadingZeroLimbs() noexcept
{
    while (!m_limbs.empty() && m_limbs.back() == 0)
        m_limbs.pop_back();
}

} // namespace numeric
