#pragma once

#include "support/clean_text.h"

#include <QLocale>
#include <QString>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// A broken promise ends the run with the reason and the text that broke it, so the fuzzer
// keeps the input.
inline void require(bool kept, const char* promise, const QString& text = {})
{
    if (!kept) {
        std::fprintf(stderr, "broken: %s: %s\n", promise, qUtf8Printable(text));
        std::abort();
    }
}

// Even inputs run in the C locale, odd ones in German, where the decimal separator is a comma.
inline void useLocaleOf(const std::uint8_t* data, std::size_t size)
{
    static const QLocale c = QLocale::c();
    static const QLocale german(QLocale::German, QLocale::Germany);
    const bool odd = size > 0 && (data[size - 1] & 1);
    QLocale::setDefault(odd ? german : c);
}

// Doubles taken from the input, eight bytes each; missing bytes read as zero.
class Doubles {
public:
    Doubles(const std::uint8_t* data, std::size_t size)
        : m_data(data)
        , m_size(size)
    {
    }

    double next()
    {
        std::uint8_t bytes[sizeof(double)] = {};
        for (std::size_t k = 0; k < sizeof bytes && m_at < m_size; ++k)
            bytes[k] = m_data[m_at++];
        double value = 0;
        std::memcpy(&value, bytes, sizeof value);
        return value;
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_at = 0;
};
