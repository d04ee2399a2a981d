#include "statistics/weighted_statistics.h"

#include "input/notation.h"
#include "input/number_text.h"

#include <utility>

namespace {

// The typed values are rationals; anything else has no exact value to carry.
const mpq_class* rationalOf(const Real& x)
{
    const std::optional<Exact>& exact = x.exact();
    if (!exact || exact->piPower() != 0 || !exact->surd().isRational())
        return nullptr;
    return &exact->surd().rational();
}

std::optional<Exact> exactOf(const std::optional<mpq_class>& rational)
{
    return rational ? std::optional(Exact::rational(*rational)) : std::nullopt;
}

// A running sum of a list: the double added term + sum as it always was, the exact rational
// beside it while every term has one. It is summed on GMP directly, as a Real step per item
// costs a long list many times more; past the size the exact numbers keep it is dropped, so a
// list of many odd fractions costs no more than its decimals.
class ListSum {
public:
    void add(double term, const mpq_class* exact)
    {
        m_value = term + m_value;
        if (m_exact && exact)
            *m_exact += *exact;
        if (m_exact && (!exact || tooLong(m_exact->get_num()) || tooLong(m_exact->get_den())))
            m_exact.reset();
    }
    bool isExact() const { return m_exact.has_value(); }
    Real real() const { return Real::derived(m_value, exactOf(m_exact)); }

private:
    static bool tooLong(const mpz_class& n) { return mpz_sizeinbase(n.get_mpz_t(), 2) > 2048; }

    double m_value = 0;
    std::optional<mpq_class> m_exact = mpq_class(0);
};

// How many numbers there are, exactly.
Real count(std::size_t n)
{
    return Real::withExact(static_cast<double>(n),
                           Exact::rational(mpz_class(static_cast<unsigned long>(n))));
}

// The sum of the weights, 1 each when there are none.
Real weightTotal(const NumberList& numbers, const NumberList& weights)
{
    return weights.empty() ? count(numbers.size()) : total(weights);
}

// Sum of a*w, added first to last like the weights.
Real productTotal(const NumberList& numbers, const NumberList& weights)
{
    ListSum products;
    mpq_class product;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        if (weights.empty()) {
            products.add(numbers.value(i), numbers.exact(i));
            continue;
        }
        const bool exact = products.isExact() && numbers.exact(i) && weights.exact(i);
        if (exact)
            mpq_mul(product.get_mpq_t(), numbers.exact(i)->get_mpq_t(),
                    weights.exact(i)->get_mpq_t());
        products.add(numbers.value(i) * weights.value(i), exact ? &product : nullptr);
    }
    return products.real();
}

// w*(a - m)^2 exactly, into square; false where a value has no exact form.
bool exactSquare(mpq_class& square, const mpq_class* a, const mpq_class* w, const mpq_class* m)
{
    if (!a || !w || !m)
        return false;
    mpq_sub(square.get_mpq_t(), a->get_mpq_t(), m->get_mpq_t());
    mpq_mul(square.get_mpq_t(), square.get_mpq_t(), square.get_mpq_t());
    mpq_mul(square.get_mpq_t(), square.get_mpq_t(), w->get_mpq_t());
    return true;
}

// Sum of w*(a - m)^2.
Real squareTotal(const NumberList& numbers, const NumberList& weights, const Real& m)
{
    static const mpq_class one = 1;
    ListSum s;
    mpq_class square;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const double d = numbers.value(i) - m.value();
        const double term = weights.empty() ? d * d : d * (d * weights.value(i));
        const mpq_class* w = weights.empty() ? &one : weights.exact(i);
        const bool exact = s.isExact() && exactSquare(square, numbers.exact(i), w, rationalOf(m));
        s.add(term, exact ? &square : nullptr);
    }
    return s.real();
}

// A sum as written on the board; a long one keeps its first and last terms.
template <class Term> QString sumText(std::size_t count, Term termAt)
{
    constexpr std::size_t first = 6;
    constexpr std::size_t last = 2;
    QStringList terms;
    for (std::size_t i = 0; i < count; ++i) {
        if (i == first && count > first + last + 1) {
            terms << QStringLiteral("...");
            i = count - last;
        }
        terms << termAt(i);
    }
    return terms.join(QStringLiteral(" + "));
}

QString quotient(const Real& numerator, const Real& denominator)
{
    return dividedBy(term(numerator), term(denominator));
}

// A list added up on the board.
QString listText(const NumberList& list)
{
    return sumText(list.size(), [&](std::size_t i) { return term(list.at(i)); });
}

// The two sums the mean divides, as written on the board.
Working sumsWorking(const NumberList& numbers, const NumberList& weights, const Real& products,
                    const Real& weightSum)
{
    if (weights.empty())
        return {step(QStringLiteral("Sum of a"), listText(numbers), workingNumber(products)),
                step(QStringLiteral("Count of a"), {}, workingNumber(weightSum))};
    return {step(QStringLiteral("Sum of ") + times(QStringLiteral("a"), QStringLiteral("w")),
                 sumText(numbers.size(),
                         [&](std::size_t i) {
                             return times(term(numbers.at(i)), term(weights.at(i)));
                         }),
                 workingNumber(products)),
            step(QStringLiteral("Sum of w"), listText(weights), workingNumber(weightSum))};
}

// The sum of squares the variance divides, as written on the board.
QString squaresText(const NumberList& numbers, const NumberList& weights, const Real& m)
{
    return sumText(numbers.size(), [&](std::size_t i) {
        const QString square = squared(bracketed(minus(term(numbers.at(i)), term(m))));
        return weights.empty() ? square : times(term(weights.at(i)), square);
    });
}

// Goes on from the statistic before: the next one computed from its value, its steps written
// under the earlier ones, so every shown value is the one that gave the answer.
template <class Next> Outcome<Real> goOn(Outcome<Real> earlier, Next next)
{
    auto* solved = std::get_if<Solved<Real>>(&earlier);
    if (!solved)
        return earlier;
    return next(solved->values, std::move(solved->working));
}

} // namespace

NumberList::NumberList(std::span<const Real> items)
{
    reserve(items.size());
    for (const Real& item : items) {
        const mpq_class* exact = rationalOf(item);
        append(item.value(), exact ? std::optional(*exact) : std::nullopt);
    }
}

void NumberList::reserve(std::size_t count)
{
    m_values.reserve(count);
    if (m_isExact)
        m_exact.reserve(count);
}

void NumberList::append(double value, std::optional<mpq_class> exact)
{
    m_values.push_back(value);
    if (m_isExact && exact) {
        m_exact.push_back(std::move(*exact));
        return;
    }
    m_isExact = false;
    m_exact = {};
}

Real NumberList::at(std::size_t i) const
{
    return m_isExact ? Real::typed(m_values[i], m_exact[i]) : Real::inexact(m_values[i]);
}

QList<QStringView> splitItems(QStringView text)
{
    if (text.isEmpty())
        return {};
    return text.split(u' ');
}

qsizetype itemCount(QStringView text)
{
    return text.isEmpty() ? 0 : text.count(u' ') + 1;
}

std::optional<Message> checkCounts(qsizetype numbers, qsizetype weights)
{
    if (numbers != weights && weights != 0)
        return Message::CountsDiffer;
    if (numbers == 0)
        return Message::NumbersEmpty;
    return std::nullopt;
}

Real total(const NumberList& list)
{
    ListSum s;
    for (std::size_t i = 0; i < list.size(); ++i)
        s.add(list.value(i), list.exact(i));
    return s.real();
}

Outcome<Real> mean(const NumberList& numbers, const NumberList& weights)
{
    const Real products = productTotal(numbers, weights);
    const Real weightSum = weightTotal(numbers, weights);
    if (!isfinite(products) || !isfinite(weightSum))
        return Message::TooBig;
    if (weightSum == 0)
        return Message::Unreasonable;
    const Real result = products / weightSum;
    if (!isfinite(result))
        return Message::TooBig;
    Working working = sumsWorking(numbers, weights, products, weightSum);
    working << step(QStringLiteral("Mean"), quotient(products, weightSum), resultNumber(result));
    return Solved<Real>{result, working};
}

Outcome<Real> variance(const NumberList& numbers, const NumberList& weights)
{
    return goOn(mean(numbers, weights), [&](const Real& m, Working working) -> Outcome<Real> {
        const Real weightSum = weightTotal(numbers, weights);
        // Once beyond the Real range a sum stays beyond it, so the last value tells.
        const Real squares = squareTotal(numbers, weights, m);
        const Real result = squares / weightSum;
        if (!isfinite(result))
            return Message::TooBig;
        const QString square =
            squared(bracketed(minus(QStringLiteral("a"), QStringLiteral("Mean"))));
        working << step(QStringLiteral("Sum of ") +
                            (weights.empty() ? square : times(QStringLiteral("w"), square)),
                        squaresText(numbers, weights, m), workingNumber(squares))
                << step(QStringLiteral("Variance"), quotient(squares, weightSum),
                        resultNumber(result));
        return Solved<Real>{result, working};
    });
}

Outcome<Real> deviation(const NumberList& numbers, const NumberList& weights)
{
    return goOn(variance(numbers, weights), [](const Real& v, Working working) -> Outcome<Real> {
        if (v < 0)
            return Message::Unreasonable;
        const Real result = sqrt(v);
        working << step(QStringLiteral("Deviation = ") + root(QStringLiteral("Variance")),
                        root(workingNumber(v)), resultNumber(result));
        return Solved<Real>{result, working};
    });
}

Outcome<Real> mean(std::span<const Real> numbers, std::span<const Real> weights)
{
    return mean(NumberList(numbers), NumberList(weights));
}

Outcome<Real> variance(std::span<const Real> numbers, std::span<const Real> weights)
{
    return variance(NumberList(numbers), NumberList(weights));
}

Outcome<Real> deviation(std::span<const Real> numbers, std::span<const Real> weights)
{
    return deviation(NumberList(numbers), NumberList(weights));
}
