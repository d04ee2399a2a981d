#pragma once

#include "input/messages.h"
#include "input/outcome.h"

#include <QList>
#include <QStringView>

#include <optional>
#include <span>

// The items of a list typed on one line, cut at every single blank: a leading, trailing or
// doubled blank leaves an empty item, and a tab stays inside its item. No text, no items.
QList<QStringView> splitItems(QStringView text);

// How many items splitItems would give, without making them: a pasted list can be long.
qsizetype itemCount(QStringView text);

// Whether a numbers list and a weights list can go together; an empty weights list means
// every weight is 1.
std::optional<Message> checkCounts(qsizetype numbers, qsizetype weights);

// The sum of a list, added from the first item to the last.
double total(std::span<const double> list);

// The weighted mean, population variance and standard deviation, each with the steps that
// led to it. The weights list is empty or as long as the numbers list. A weight sum of 0 or
// the root of a negative variance is unreasonable; a sum or product beyond the Real range is
// too big. A long list is summed on the board with its first and last terms only.
Outcome<double> mean(std::span<const double> numbers, std::span<const double> weights);
Outcome<double> variance(std::span<const double> numbers, std::span<const double> weights);
Outcome<double> deviation(std::span<const double> numbers, std::span<const double> weights);
