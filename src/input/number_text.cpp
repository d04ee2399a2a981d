#include "input/number_text.h"

#include <QLocale>

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

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

std::optional<double> readNumber(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;

    const QString separator = decimalSeparator();
    std::string ascii;
    ascii.reserve(static_cast<std::size_t>(end - begin));
    qsizetype i = begin;
    if (i < end && (text[i] == u'+' || text[i] == u'-')) {
        if (text[i] == u'-')
            ascii += '-';
        ++i;
    }
    int digits = 0;
    bool seenSeparator = false;
    while (i < end) {
        if (isAsciiDigit(text[i])) {
            ascii += static_cast<char>(text[i].unicode());
            ++digits;
            ++i;
        } else if (!seenSeparator && text.sliced(i).startsWith(separator)) {
            ascii += '.';
            seenSeparator = true;
            i += separator.size();
        } else {
            break;
        }
    }
    if (digits == 0)
        return std::nullopt;
    if (i < end && (text[i] == u'e' || text[i] == u'E')) {
        ascii += 'e';
        ++i;
        if (i < end && (text[i] == u'+' || text[i] == u'-')) {
            ascii += static_cast<char>(text[i].unicode());
            ++i;
        }
        int exponentDigits = 0;
        while (i < end && isAsciiDigit(text[i])) {
            ascii += static_cast<char>(text[i].unicode());
            ++exponentDigits;
            ++i;
        }
        if (exponentDigits == 0)
            return std::nullopt;
    }
    if (i != end)
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
