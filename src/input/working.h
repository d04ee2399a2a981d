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
QString term(const Real& value);

// "formula = values = result", leaving out a middle part that would only repeat the formula.
QString step(const QString& formula, const QString& values, const QString& result);
