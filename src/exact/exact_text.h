#pragma once

#include "exact/pi_multiple.h"
#include "exact/surd.h"

#include <QString>

#include <optional>
#include <variant>

// An answer that has an exact form: a rational or one square root, or a multiple of π.
using ExactValue = std::variant<Surd, PiMultiple>;

// The answer fields' exact texts: `5`, `-7/3`; `(3 + √13)/2`, `3 - 2√2`, `2√3/3`, `-√3`;
// `25π/4`, `-π/2`, `25/(4π)`. Plain ASCII minus; blanks only around a binary + or -. Empty
// where the form is longer than 24 characters, so the caller shows the decimal instead.
std::optional<QString> exactText(const mpq_class& value);
std::optional<QString> exactText(const Surd& value);
std::optional<QString> exactText(const PiMultiple& value);
std::optional<QString> exactText(const ExactValue& value);
