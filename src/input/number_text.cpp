#include "input/number_text.h"

#include <QLocale>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <utility>

namespace {

// The largest magnitude whose 15-digit text still reads back as a Real.
constexpr double largestShowable = 1.79769313486231e308;

QString decimalSeparator()
{
    return QLocale().decimalPoint();
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// from_chars reports underflow and overflow alike; a decimal text whose leading digit stands
// below the units place underflows to zero, which is still a number.
bool isTiny(const std::string& ascii)
{
    const auto e = ascii.find('e');
    const std::string mantissa = ascii.substr(0, e);
    long long exponent = 0;
    if (e != std::string::npos) {
        bool negative = false;
        for (std::size_t i = e + 1; i < ascii.size(); ++i) {
            const char c = ascii[i];
            if (c == '-')
                negative = true;
            else if (c != '+' && exponent < 1'000'000'000)
                exponent = exponent * 10 + (c - '0');
        }
        exponent = negative ? -exponent : exponent;
    }
    const auto point = mantissa.find('.');
    const auto firstSignificant = mantissa.find_first_of("123456789");
    if (firstSignificant == std::string::npos)
        return true;
    const long long pointAt = point == std::string::npos ? static_cast<long long>(mantissa.size())
                                                         : static_cast<long long>(point);
    const long long at = static_cast<long long>(firstSignificant);
    const long long order = at < pointAt ? pointAt - at - 1 : pointAt - at;
    return order + exponent < 0;
}

std::string fifteenDigits(double value)
{
    char buffer[40];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    return std::string(buffer, result.ptr);
}

// Adds one to a string of decimal digits, growing it when all are nines.
void addOne(std::string& digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

// The 15 significant digits of a finite, nonzero magnitude and the power of ten of the first.
std::pair<std::string, int> significantDigits(double magnitude)
{
    char buffer[40];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 14);
    const std::string text(buffer, result.ptr);
    const auto e = text.find('e');
    std::string digits = text.substr(0, e);
    digits.erase(1, 1); // the point after the first digit
    return {digits, std::stoi(text.substr(e + 1))};
}

} // namespace

QString numberText(double value)
{
    if (!std::isfinite(value))
        return {};
    if (value == 0)
        return QStringLiteral("0");
    std::string text = std::fabs(value) > largestShowable
                           ? std::string(value < 0 ? "-" : "") + "1.79769313486231e+308"
                           : fifteenDigits(value);
    for (char& c : text)
        if (c == 'e')
            c = 'E';
    QString shown = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    const QString separator = decimalSeparator();
    if (separator != QStringLiteral("."))
        shown.replace(u'.', separator);
    return shown;
}

QString roundedText(double value, int places)
{
    if (!std::isfinite(value))
        return {};
    const auto [digits, exponent] =
        value == 0 ? std::pair{std::string("0"), 0} : significantDigits(std::fabs(value));
    if (exponent >= 15)
        return numberText(value);
    // The value times 10^places as a whole number: the digits kept, the next one rounding.
    places = std::clamp(places, 0, 10);
    const int kept = exponent + places + 1;
    std::string whole = kept > 0 ? digits.substr(0, static_cast<std::size_t>(kept)) : "";
    whole.resize(static_cast<std::size_t>(std::max(kept, 0)), '0');
    if (kept >= 0 && kept < int(digits.size()) && digits[static_cast<std::size_t>(kept)] >= '5')
        addOne(whole);
    if (whole.size() <= static_cast<std::size_t>(places))
        whole.insert(0, static_cast<std::size_t>(places) + 1 - whole.size(), '0');
    const bool isZero = whole.find_first_not_of('0') == std::string::npos;
    QString text = QString::fromLatin1(whole.data(), static_cast<qsizetype>(whole.size()));
    if (places > 0)
        text.insert(text.size() - places, decimalSeparator());
    return value < 0 && !isZero ? QStringLiteral("-") + text : text;
}

namespace {

// Reads the plain ASCII digits at text[i...) onto ascii; returns how many there were.
int takeDigits(QStringView text, qsizetype& i, std::string& ascii)
{
    int digits = 0;
    for (; i < text.size() && isAsciiDigit(text[i]); ++i, ++digits)
        ascii += static_cast<char>(text[i].unicode());
    return digits;
}

// Sign, digits and at most one decimal separator, in the form from_chars reads.
bool takeMantissa(QStringView text, qsizetype& i, std::string& ascii)
{
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        if (text[i] == u'-')
            ascii += '-';
        ++i;
    }
    const QString separator = decimalSeparator();
    int digits = takeDigits(text, i, ascii);
    if (i < text.size() && text.sliced(i).startsWith(separator)) {
        ascii += '.';
        i += separator.size();
        digits += takeDigits(text, i, ascii);
    }
    return digits > 0;
}

// An optional exponent: "e" or "E", an optional sign, and at least one digit.
bool takeExponent(QStringView text, qsizetype& i, std::string& ascii)
{
    if (i == text.size() || (text[i] != u'e' && text[i] != u'E'))
        return true;
    ascii += 'e';
    ++i;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        ascii += static_cast<char>(text[i++].unicode());
    return takeDigits(text, i, ascii) > 0;
}

QStringView trimmedBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

} // namespace

std::optional<double> readNumber(QStringView typed)
{
    const QStringView text = trimmedBlanks(typed);
    std::string ascii;
    ascii.reserve(static_cast<std::size_t>(text.size()));
    qsizetype i = 0;
    if (!takeMantissa(text, i, ascii) || !takeExponent(text, i, ascii) || i != text.size())
        return std::nullopt;

    double value = 0;
    const char* first = ascii.data();
    const char* last = first + ascii.size();
    const auto [ptr, error] = std::from_chars(first, last, value);
    if (error == std::errc::result_out_of_range) {
        if (!isTiny(ascii))
            return std::nullopt;
        return ascii.front() == '-' ? -0.0 : 0.0;
    }
    if (error != std::errc() || ptr != last || !std::isfinite(value))
        return std::nullopt;
    return value;
}

double roundToShown(double value)
{
    return readNumber(numberText(value)).value_or(0);
}

double roundHalfEven(double value)
{
    if (!std::isfinite(value))
        return value;
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction < 0.5)
        return below;
    if (fraction > 0.5)
        return below + 1;
    return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

std::optional<std::int32_t> wholeNumber(double value)
{
    const double whole = roundHalfEven(value);
    if (!(whole >= static_cast<double>(std::numeric_limits<std::int32_t>::min()) &&
          whole <= static_cast<double>(std::numeric_limits<std::int32_t>::max())))
        return std::nullopt;
    return static_cast<std::int32_t>(whole);
}

QString integerText(std::int32_t value)
{
    return QString::number(value);
}
