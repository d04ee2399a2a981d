// Any finite double shows as a text that reads back as the double rounded to 15 significant
// digits, in the C and the German locale, and never as inf, nan or a negative zero.

#include "fuzz_support.h"
#include "input/number_text.h"

#include <charconv>

namespace {

// The value rounded to 15 significant digits; the largest magnitudes round beyond the Real
// range and show one step lower instead, so that they still read back.
double roundedTo15Digits(double value)
{
    char buffer[40];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    double rounded = 0;
    if (std::from_chars(buffer, written.ptr, rounded).ec == std::errc::result_out_of_range &&
        std::fabs(value) > 1)
        return std::copysign(1.79769313486231e308, value);
    return rounded;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    useLocaleOf(data, size);
    Doubles doubles(data, size);
    const double value = doubles.next();
    const QString text = numberText(value);
    if (!std::isfinite(value)) {
        require(text.isEmpty(), "a text for a value that is not finite");
        return 0;
    }
    require(isCleanText(text), "inf, nan or -0 in a number text");
    const auto back = readNumber(text);
    require(back.has_value(), "a number text that does not read back");
    require(*back == roundedTo15Digits(value), "a number text that reads back as another value");
    return 0;
}
