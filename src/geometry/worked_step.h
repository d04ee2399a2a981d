#pragma once

#include "exact/real.h"
#include "input/working.h"

#include <QString>
#include <QStringView>

#include <initializer_list>
#include <utility>

using NamedValue = std::pair<QStringView, Real>;

// The names of a formula as one writing of it shows them: as themselves, or with their values
// put in (pi as the 15-digit pi the answers use).
class Symbols {
public:
    Symbols(std::initializer_list<NamedValue> values, bool withValues);
    QString operator()(QStringView name) const;
    QString pi() const;

private:
    std::initializer_list<NamedValue> m_values;
    bool m_withValues;
};

// A formula's right side, built once and written twice: with its names, then with its values.
using Expression = QString (*)(const Symbols&);

// "Area = r × π × r = 2 × 3.14159265359 × 2 = 12.5663706143592": a step whose result is an
// answer the window shows, so it keeps its full number text.
QString workedStep(QStringView name, Expression expression,
                   std::initializer_list<NamedValue> values, const Real& result);

// The same for a value on the way to the answer, written as every value inside the working.
QString workedPart(QStringView name, Expression expression,
                   std::initializer_list<NamedValue> values, const Real& result);
