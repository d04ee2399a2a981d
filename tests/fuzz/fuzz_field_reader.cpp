// Any text, as UTF-8 and as UTF-16, in every reader behaviour and in the C and German
// locales: the reading never crashes, and every value it accepts is finite.

#include "fuzz_support.h"
#include "input/field_reader.h"
#include "input/number_text.h"

#include <cmath>

namespace {

void read(QStringView text)
{
    for (const ReaderBehaviour& behaviour :
         {behaviours::guarded, behaviours::selfResetting, behaviours::plain, behaviours::positive,
          behaviours::positiveEchoing}) {
        const FieldReading reading = parseField(text, behaviour);
        require(std::isfinite(reading.value), "a reading that is not finite");
        if (behaviour.requiresPositive && reading.accepted())
            require(reading.value > 0, "a positive reading that is not positive");
    }
    if (const auto number = readNumber(text))
        require(std::isfinite(*number), "a number that is not finite");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    useLocaleOf(data, size);
    read(QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    read(QString::fromUtf16(reinterpret_cast<const char16_t*>(data),
                            static_cast<qsizetype>(size / 2)));
    return 0;
}
