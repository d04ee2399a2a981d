#pragma once

#include <gmpxx.h>

#include <optional>

// q·π or q/π with a rational q: a circle's area 25π, a radius from an area 5/π.
class PiMultiple {
public:
    static PiMultiple times(const mpq_class& q) { return PiMultiple(q, false); }
    static PiMultiple over(const mpq_class& q) { return PiMultiple(q, true); }

    const mpq_class& coefficient() const { return m_q; }
    bool dividesByPi() const { return m_over; }
    double toDouble() const;

    PiMultiple scaled(const mpq_class& factor) const { return PiMultiple(m_q * factor, m_over); }
    // 1/(q·π) = (1/q)/π and back; empty for zero.
    std::optional<PiMultiple> reciprocal() const;

    friend bool operator==(const PiMultiple&, const PiMultiple&) = default;

private:
    PiMultiple(const mpq_class& q, bool over)
        : m_q(q)
        , m_over(over)
    {
    }

    mpq_class m_q;
    bool m_over = false;
};

// π to 100 decimal places, cut (not rounded): π lies in [piBelow(), piBelow() + 10^-100].
const mpq_class& piBelow();
const mpq_class& piAbove();
