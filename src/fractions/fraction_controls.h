#pragma once

#include "fractions/fraction_arithmetic.h"
#include "input/messages.h"

#include <QList>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// The pieces both fraction windows are built from.

// One box of a fraction on show: its object name, its tip in a textbook's words, and what screen
// readers call it where that is not the fraction's label and the part's place; a part with no
// name is not there.
struct FractionPart {
    const char* name = nullptr;
    const char* tip = nullptr;
    const char* spoken = nullptr;
};

// A fraction of fields or results: whole part, numerator, bar, denominator, spoken as "label,
// numerator". A single box has only its whole part, spoken as the label, and no bar.
struct FractionParts {
    const char* label = nullptr;
    FractionPart whole{}, numerator{};
    const char* bar = nullptr;
    FractionPart denominator{};
};

// The named parts made into narrow fields with their tips, appended to fields in reading order,
// and drawn as a fraction; where there is no bar, the one field, plain.
QWidget* buildFraction(const FractionParts& parts, QList<QLineEdit*>& fields, QWidget* parent);

// The same for results, the whole part narrower.
QWidget* buildFraction(const FractionParts& parts, QList<QLabel*>& results, QWidget* parent);

// A field for one part of a fraction, with its tip: narrow, its text centred as it is written.
QLineEdit* makeFractionField(const FractionPart& part, QWidget* parent);

// One part of a result fraction, with its tip: selectable, centred, empty at start, at least as
// wide as the given count of digits (it grows with a longer result).
QLabel* makeFractionResult(const FractionPart& part, QWidget* parent, int digits = 8);

// Writes a result fraction into its whole part, numerator and denominator, or into a numerator
// and denominator alone; an empty part shows nothing.
void showFraction(const FractionText& fraction, const QList<QLabel*>& parts);

// Rewrites a field only when its text changes, so an unchanged field keeps its cursor and undo.
void setFieldText(QLineEdit* field, const QString& text);

// The field a fraction tool's refusal is about: for a text that is no number, the first such
// of the fields in the order the tool tests them; for a zero where none may stand, the first
// field reading 0 of those that may not; otherwise none.
QLineEdit* refusedField(Message message, const QList<QLineEdit*>& testedForNumber,
                        const QList<QLineEdit*>& testedForZero);

// The heading of a task's working: its panel and its button, "Reduction, Reduction".
QString taskHeading(const QLabel* panel, const QPushButton* button);
