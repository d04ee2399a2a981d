#pragma once

#include "input/messages.h"

#include <QString>

#include <cstdint>
#include <variant>

// A mixed number held in 32 bits: whole part s, numerator m, denominator d.
struct Fraction {
    std::int32_t s = 0;
    std::int32_t m = 0;
    std::int32_t d = 0;

    friend bool operator==(const Fraction&, const Fraction&) = default;
};

// One step of a task: its value, or the refusal that stands instead of it. A task tests each
// step before the next one uses it and returns the refusal at once: `if (!n) return n.refusal();`.
template <class T> struct Checked : std::variant<T, Message> {
    using std::variant<T, Message>::variant;

    explicit operator bool() const { return this->index() == 0; }
    const T& operator*() const { return std::get<0>(*this); }
    const T* operator->() const { return &std::get<0>(*this); }
    Message refusal() const { return std::get<1>(*this); }
};

// Euclid on truncating remainders, so the sign follows the remainders: gcd(4, -6) = -2,
// gcd(-4, 6) = 2, gcd(0, 0) = 0. Never fails.
std::int32_t gcd(std::int32_t a, std::int32_t b);

// a * b / gcd(b, a), rounded half to even: the least common multiple for positive a and b.
// Too Big when a 32-bit step overflows; Unreasonable when both are 0 (0 / 0).
Checked<std::int32_t> common(std::int32_t a, std::int32_t b);

// n / d as whole part and remainder, both truncated toward zero, the remainder taking the
// sign of n: mixed(-7, 2) = {-3, -1, 2}. Unreasonable for d = 0, Too Big for INT_MIN / -1.
Checked<Fraction> mixed(std::int32_t n, std::int32_t d);

// s * d + m over d, with s = 0: improper(-1, 1, 2) = {0, -1, 2}. Too Big on overflow.
Checked<Fraction> improper(std::int32_t s, std::int32_t m, std::int32_t d);

// A mixed number as a window shows it: the texts of its whole part, numerator and denominator.
// An empty text is a part not on show.
struct FractionText {
    QString whole;
    QString numerator;
    QString denominator;

    friend bool operator==(const FractionText&, const FractionText&) = default;
};

// A fraction result as the window shows it, on one line: "3 1/2", "7/3", or "4" alone.
QString shownFraction(const FractionText& fraction);
