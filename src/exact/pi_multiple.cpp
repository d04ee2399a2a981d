#include "exact/pi_multiple.h"

#include <numbers>
#include <string>

namespace {

mpz_class tenToThe100()
{
    return mpz_class("1" + std::string(100, '0'), 10);
}

} // namespace

const mpq_class& piBelow()
{
    static const mpq_class below(mpz_class("31415926535897932384626433832795028841971693993751"
                                           "058209749445923078164062862089986280348253421170679",
                                           10),
                                 tenToThe100());
    return below;
}

const mpq_class& piAbove()
{
    static const mpq_class above = piBelow() + mpq_class(1, tenToThe100());
    return above;
}

double PiMultiple::toDouble() const
{
    return m_over ? m_q.get_d() / std::numbers::pi : m_q.get_d() * std::numbers::pi;
}

std::optional<PiMultiple> PiMultiple::reciprocal() const
{
    if (m_q == 0)
        return std::nullopt;
    return PiMultiple(1 / m_q, !m_over);
}
