#include "exact/rounded_text.h"

#include "exact/exact_reading.h"
#include "input/number_text.h"

#include <charconv>
#include <cmath>
#include <string>

namespace {

constexpr int mostPlaces = 10;
constexpr double plainLimit = 1e15;

// A closed interval of rationals known to hold the value.
struct Enclosure {
    mpq_class low;
    mpq_class high;
};

mpz_class powerOfTen(int exponent)
{
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(exponent));
    return power;
}

// value·10^places rounded to a whole number, a half away from zero.
mpz_class roundedUnits(const mpq_class& value, int places)
{
    const mpq_class scaled = abs(value) * powerOfTen(places) + mpq_class(1, 2);
    mpz_class units;
    mpz_fdiv_q(units.get_mpz_t(), scaled.get_num_mpz_t(), scaled.get_den_mpz_t());
    return value < 0 ? mpz_class(-units) : units;
}

QString plainText(const mpz_class& units, int places, const QLocale& locale)
{
    std::string shown = mpz_class(abs(units)).get_str();
    if (shown.size() <= static_cast<std::size_t>(places))
        shown.insert(0, static_cast<std::size_t>(places) + 1 - shown.size(), '0');
    QString text = QString::fromStdString(shown);
    if (places > 0)
        text.insert(text.size() - places, locale.decimalPoint());
    return units < 0 ? u'-' + text : text;
}

// A value no enclosure settles is rounded as the Real it is closest to, in the given locale.
QString realRoundedText(double value, int places, const QLocale& locale)
{
    return roundedText(value, places).replace(QLocale().decimalPoint(), locale.decimalPoint());
}

// The number text, in its exponent form for magnitudes too large for plain places; none for a
// value beyond the Real range.
QString exponentText(double value, const QLocale& locale)
{
    return numberText(value).replace(QLocale().decimalPoint(), locale.decimalPoint());
}

} // namespace

namespace {

QString rationalText(const mpq_class& value, int places, const QLocale& locale)
{
    if (abs(value) >= plainLimit)
        return exponentText(value.get_d(), locale);
    return plainText(roundedUnits(value, places), places, locale);
}

// The rounded text where both ends of the enclosure round alike; empty where they do not.
std::optional<QString> enclosedText(const Enclosure& range, int places, const QLocale& locale)
{
    if (abs(range.low) >= plainLimit || abs(range.high) >= plainLimit)
        return exponentText(mpq_class((range.low + range.high) / 2).get_d(), locale);
    const mpz_class units = roundedUnits(range.low, places);
    if (units != roundedUnits(range.high, places))
        return std::nullopt;
    return plainText(units, places, locale);
}

Enclosure ordered(const mpq_class& a, const mpq_class& b)
{
    return a <= b ? Enclosure{a, b} : Enclosure{b, a};
}

// p + q√d between two neighbours 2^-bits apart, from the whole square root of q²d·4^bits.
Enclosure surdEnclosure(const Surd& value, unsigned long bits)
{
    const mpq_class& q = value.coefficient();
    mpz_class scale;
    mpz_ui_pow_ui(scale.get_mpz_t(), 2, bits);
    const mpq_class square = q * q * value.radicand() * scale * scale;
    mpz_class root;
    mpz_fdiv_q(root.get_mpz_t(), square.get_num_mpz_t(), square.get_den_mpz_t());
    root = sqrt(root);
    const mpq_class below = mpq_class(root) / scale;
    const mpq_class above = mpq_class(root + 1) / scale;
    const mpq_class& p = value.rational();
    return q > 0 ? Enclosure{p + below, p + above} : Enclosure{p - above, p - below};
}

Enclosure piEnclosure(const PiMultiple& value)
{
    const mpq_class& q = value.coefficient();
    if (value.dividesByPi())
        return ordered(q / piAbove(), q / piBelow());
    return ordered(q * piBelow(), q * piAbove());
}

QString surdText(const Surd& value, int places, const QLocale& locale)
{
    if (value.isRational())
        return rationalText(value.rational(), places, locale);
    // An irrational value is never a half, so finer enclosures settle it in the end.
    for (unsigned long bits = 64; bits <= 4096; bits *= 4)
        if (const auto text = enclosedText(surdEnclosure(value, bits), places, locale))
            return *text;
    return realRoundedText(value.toDouble(), places, locale);
}

QString piText(const PiMultiple& value, int places, const QLocale& locale)
{
    if (value.coefficient() == 0)
        return rationalText(0, places, locale);
    if (const auto text = enclosedText(piEnclosure(value), places, locale))
        return *text;
    return realRoundedText(value.toDouble(), places, locale);
}

bool placesAllowed(int places)
{
    return places >= 0 && places <= mostPlaces;
}

} // namespace

QString roundedText(const ExactValue& value, int places, const QLocale& locale)
{
    if (!placesAllowed(places))
        return {};
    if (const Surd* surd = std::get_if<Surd>(&value))
        return surdText(*surd, places, locale);
    return piText(std::get<PiMultiple>(value), places, locale);
}
