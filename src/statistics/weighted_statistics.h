#pragma once

#include "exact/real.h"
#include "input/messages.h"
#include "input/outcome.h"

#include <QList>
#include <QStringView>

#include <optional>
#include <span>
#include <vector>

// The items of a list typed on one line, cut at every single blank: a leading, trailing or
// doubled blank leaves an empty item, and a tab stays inside its item. No text, no items.
QList<QStringView> splitItems(QStringView text);

// How many items splitItems would give, without making them: a pasted list can be long.
qsizetype itemCount(QStringView text);

// Whether a numbers list and a weights list can go together; an empty weights list means
// every weight is 1.
std::optional<Message> checkCounts(qsizetype numbers, qsizetype weights);

// A list as read from its field: each item's double, and beside them the items' exact
// rationals while every item has one. They are kept as plain rationals rather than as Reals,
// whose exact part made a list of 100,000 numbers several times slower to read.
class NumberList {
public:
    NumberList() = default;
    explicit NumberList(std::span<const Real> items);

    void reserve(std::size_t count);
    void append(double value, std::optional<mpq_class> exact);

    std::size_t size() const { return m_values.size(); }
    bool empty() const { return m_values.empty(); }
    double value(std::size_t i) const { return m_values[i]; }
    // Null where the list has no exact values.
    const mpq_class* exact(std::size_t i) const { return m_isExact ? &m_exact[i] : nullptr; }
    // An item as a Real, for the few the working writes.
    Real at(std::size_t i) const;

private:
    std::vector<double> m_values;
    std::vector<mpq_class> m_exact;
    bool m_isExact = true;
};

// The sum of a list, added from the first item to the last.
Real total(const NumberList& list);

// The weighted mean, population variance and standard deviation, each with the steps that
// led to it. The weights list is empty or as long as the numbers list. A weight sum of 0 or
// the root of a negative variance is unreasonable; a sum or product beyond the Real range is
// too big. A long list is summed on the board with its first and last terms only. Each
// answer carries its exact value where the typed values have one (the mean of 1, 2, 2 is 5/3).
Outcome<Real> mean(const NumberList& numbers, const NumberList& weights);
Outcome<Real> variance(const NumberList& numbers, const NumberList& weights);
Outcome<Real> deviation(const NumberList& numbers, const NumberList& weights);

// The same on lists of Reals.
Outcome<Real> mean(std::span<const Real> numbers, std::span<const Real> weights);
Outcome<Real> variance(std::span<const Real> numbers, std::span<const Real> weights);
Outcome<Real> deviation(std::span<const Real> numbers, std::span<const Real> weights);
