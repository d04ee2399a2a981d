#include "exact/exact_reading.h"

#include "input/number_text.h"

#include <QList>
#include <QLocale>

#include <cfloat>

namespace {

// A decimal scale this far out is no number a pupil types; it would only cost memory.
constexpr long long largestScale = 100000;

mpz_class powerOfTen(unsigned long exponent)
{
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, exponent);
    return power;
}

// The exponent after "e": an optional sign and digits, saturating far beyond any use.
std::optional<long long> exponentOf(std::string_view text)
{
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return std::nullopt;
    long long exponent = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        if (exponent < 1'000'000'000)
            exponent = exponent * 10 + (c - '0');
    }
    return negative ? -exponent : exponent;
}

} // namespace

std::optional<mpq_class> decimalRational(std::string_view ascii)
{
    const bool negative = !ascii.empty() && ascii.front() == '-';
    if (!ascii.empty() && (ascii.front() == '-' || ascii.front() == '+'))
        ascii.remove_prefix(1);
    const auto e = ascii.find_first_of("eE");
    const std::optional<long long> exponent =
        e == std::string_view::npos ? 0 : exponentOf(ascii.substr(e + 1));
    const std::string_view mantissa = ascii.substr(0, e);
    std::string digits;
    long long scale = exponent.value_or(0);
    bool seenPoint = false;
    for (const char c : mantissa) {
        if (c == '.' && !seenPoint)
            seenPoint = true;
        else if (c < '0' || c > '9')
            return std::nullopt;
        else {
            digits += c;
            scale -= seenPoint ? 1 : 0;
        }
    }
    if (!exponent || digits.empty())
        return std::nullopt;
    mpq_class value(mpz_class(digits, 10));
    if (value == 0)
        return value;
    if (scale > largestScale || scale < -largestScale)
        return std::nullopt;
    const mpz_class power = powerOfTen(static_cast<unsigned long>(scale < 0 ? -scale : scale));
    value = scale < 0 ? mpq_class(value / power) : mpq_class(value * power);
    return negative ? mpq_class(-value) : value;
}

std::optional<mpq_class> readExactNumber(QStringView text)
{
    const std::optional<double> real = readNumber(text);
    if (!real)
        return std::nullopt;
    QString ascii = text.trimmed().toString();
    ascii.replace(QLocale().decimalPoint(), QStringLiteral("."));
    const std::optional<mpq_class> value = decimalRational(ascii.toStdString());
    if (!value || (*value != 0 && *real == 0))
        return std::nullopt;
    return value;
}

std::optional<mpq_class> readExactField(QStringView text, const ReaderBehaviour& behaviour)
{
    if (!parseField(text, behaviour).accepted())
        return std::nullopt;
    const QList<QStringView> pieces = text.split(u'/');
    std::optional<mpq_class> numbers[3];
    for (qsizetype i = 0; i < pieces.size(); ++i)
        if (!(numbers[i] = readExactNumber(pieces[i])))
            return std::nullopt;
    mpq_class value;
    switch (pieces.size()) {
    case 1:
        value = *numbers[0];
        break;
    case 2:
        value = *numbers[0] / *numbers[1];
        break;
    default:
        value = *numbers[0] + *numbers[1] / *numbers[2];
    }
    const mpq_class magnitude = abs(value);
    if (value != 0 && (magnitude < DBL_MIN || magnitude > DBL_MAX))
        return std::nullopt;
    return value;
}
