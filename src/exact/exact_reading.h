#pragma once

#include "input/field_reader.h"

#include <QStringView>
#include <gmpxx.h>

#include <optional>
#include <string_view>

// An ASCII decimal text as to_chars writes it ("-2.675", "1.5e+20") as the rational it
// stands for; empty for anything else, or for a scale beyond 10^±100000.
std::optional<mpq_class> decimalRational(std::string_view ascii);

// One number text that readNumber accepts, as its exact rational; empty where readNumber
// refuses it or reads a text with nonzero digits as zero (the Real cannot hold it).
std::optional<mpq_class> readExactNumber(QStringView text);

// A field's text read exactly as parseField reads it in Reals: 2.5 is 5/2, 1e-3 is 1/1000,
// 7/4, the mixed number 1/3/4 is 1 + 3/4 and -1/1/2 is -1 + 1/2 (each piece its own sign).
// Empty where parseField refuses, or where the value lies outside the Real's normal range.
std::optional<mpq_class> readExactField(QStringView text, const ReaderBehaviour& behaviour);
