#pragma once

#include "exact/surd.h"

#include <QString>
#include <gmpxx.h>

// Test rows write rationals as text ("-7/3", "25"); these turn them into values.
inline mpq_class rational(const QString& text)
{
    mpq_class value(text.toStdString(), 10);
    value.canonicalize();
    return value;
}

// p + q·√n from three texts, n simplified as Surd::of does.
inline Surd surd(const QString& p, const QString& q, const QString& n)
{
    return *Surd::of(rational(p), rational(q), mpz_class(n.toStdString(), 10));
}

inline QString rationalString(const mpq_class& value)
{
    return QString::fromStdString(value.get_str());
}
