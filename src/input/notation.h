#pragma once

#include <QString>

// The working's notation, written in one place: the core builds every formula and every line
// of values through these, never by spelling symbols itself. What they write is decided by the
// active NotationStyle, so the same steps can later be given out in another markup.
class NotationStyle {
public:
    virtual ~NotationStyle() = default;
    virtual QString number(const QString& digits) const = 0; // "-" already a minus sign
    virtual QString power(const QString& base, const QString& exponent) const = 0;
    virtual QString root(const QString& argument, const QString& index) const = 0;
    virtual QString function(const QString& name, const QString& argument) const = 0;
    virtual QString symbol(const QString& name) const = 0; // "times", "minus", "pi", ...
};

// Unicode as a textbook prints it: x², √D, 4 × A, ÷, −, °, cos⁻¹.
const NotationStyle& textbookStyle();

// Makes a style the active one while it lives; the textbook style is active otherwise.
class ScopedNotation {
public:
    explicit ScopedNotation(const NotationStyle& style);
    ~ScopedNotation();
    ScopedNotation(const ScopedNotation&) = delete;
    ScopedNotation& operator=(const ScopedNotation&) = delete;

private:
    const NotationStyle* m_previous;
};

// A value inside the working: at most 12 significant digits, so binary rounding does not
// show, the locale's decimal separator and a real minus sign.
QString workingNumber(double value);

QString power(const QString& base, const QString& exponent);
QString squared(const QString& base);
QString root(const QString& argument);
QString nthRoot(const QString& argument, const QString& index);
QString times(const QString& a, const QString& b);
QString dividedBy(const QString& a, const QString& b);
QString fraction(const QString& numerator, const QString& denominator);
QString plus(const QString& a, const QString& b);
QString minus(const QString& a, const QString& b);
QString negative(const QString& a);
QString bracketed(const QString& a);
QString absolute(const QString& a);
QString lessThan(const QString& a, const QString& b);
QString degrees(const QString& angle);
QString cosine(const QString& angle);
QString sine(const QString& angle);
QString inverseCosine(const QString& value);
QString inverseSine(const QString& value);
QString piSymbol();
