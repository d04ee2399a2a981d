#include "fractions/fraction_arithmetic.h"

#include "input/number_text.h"

#include <limits>

namespace {

constexpr std::int32_t smallest = std::numeric_limits<std::int32_t>::min();

// The truncating remainder, without the one case C++ leaves undefined (INT_MIN % -1).
std::int32_t remainder(std::int32_t a, std::int32_t b)
{
    return b == -1 ? 0 : a % b;
}

} // namespace

std::int32_t gcd(std::int32_t a, std::int32_t b)
{
    while (b != 0) {
        const std::int32_t r = remainder(a, b);
        a = b;
        b = r;
    }
    return a;
}

Checked<std::int32_t> common(std::int32_t a, std::int32_t b)
{
    std::int32_t product = 0;
    if (__builtin_mul_overflow(a, b, &product))
        return Message::TooBig;
    const std::int32_t divisor = gcd(b, a);
    if (divisor == 0)
        return Message::Unreasonable;
    const auto quotient = wholeNumber(static_cast<double>(product) / divisor);
    if (!quotient)
        return Message::TooBig;
    return *quotient;
}

Checked<Fraction> mixed(std::int32_t n, std::int32_t d)
{
    if (d == 0)
        return Message::Unreasonable;
    if (n == smallest && d == -1)
        return Message::TooBig;
    return Fraction{n / d, n % d, d};
}

Checked<Fraction> improper(std::int32_t s, std::int32_t m, std::int32_t d)
{
    std::int32_t product = 0;
    std::int32_t numerator = 0;
    if (__builtin_mul_overflow(s, d, &product) || __builtin_add_overflow(product, m, &numerator))
        return Message::TooBig;
    return Fraction{0, numerator, d};
}

QString shownFraction(const FractionText& fraction)
{
    const QString over =
        fraction.numerator.isEmpty() ? QString() : fraction.numerator + u'/' + fraction.denominator;
    if (fraction.whole.isEmpty() || over.isEmpty())
        return fraction.whole + over;
    return fraction.whole + u' ' + over;
}
