#pragma once

#include "exact/real.h"

#include <QString>
#include <QStringList>

// The worked steps behind one answer, one step a line, each written "formula = values =
// result" as a teacher writes it on the board. The core builds it from the very numbers that
// gave the answer, so its last line always ends with the text the window shows.
using Working = QStringList;

// A number as it stands inside a step: its working number, bracketed when negative so that
// "4 × (−3)" reads as it is meant.
QString term(double value);

// Whether the numbers inside the working are decimals or, where a number has one, its exact
// form. The frame sets it for as long as a task runs, so the task writes its steps once.
enum class WorkingStyle { Decimal, Exact };

class WorkingStyleScope {
public:
    explicit WorkingStyleScope(WorkingStyle style);
    ~WorkingStyleScope();
    WorkingStyleScope(const WorkingStyleScope&) = delete;
    WorkingStyleScope& operator=(const WorkingStyleScope&) = delete;

private:
    WorkingStyle m_previous;
};

WorkingStyle workingStyle();

// A Real inside a step: its exact form in the Exact style ("(3 + √13)/2", bracketed as a
// term), its working number otherwise.
QString term(const Real& value);
QString workingNumber(const Real& value);
// A Real as the step that gives an answer ends: its number text; in the Exact style its
// exact form with the decimal beside it where the two differ, "(3 + √13)/2 ≈ 3.30277563773199".
QString resultNumber(const Real& value);

// "formula = values = result", leaving out a middle part that would only repeat the formula.
QString step(const QString& formula, const QString& values, const QString& result);
