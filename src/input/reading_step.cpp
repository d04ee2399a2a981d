#include "input/reading_step.h"

#include "input/field_reader.h"
#include "input/notation.h"
#include "input/number_text.h"
#include "input/working.h"

#include <QList>

namespace {

// A typed piece as the working writes it, bracketed when negative.
QString piece(QStringView typed)
{
    return term(readNumber(typed).value_or(0));
}

} // namespace

QString readingStep(QStringView typed)
{
    // Counted before it is cut: a pasted line of a million slashes is no fraction either.
    const qsizetype slashes = typed.count(u'/');
    if (slashes < 1 || slashes > 2)
        return {};
    const QList<QStringView> pieces = typed.split(u'/');
    const FieldReading reading = parseField(typed, behaviours::plain);
    if (!reading.accepted())
        return {};
    const QString value = workingNumber(reading.value);
    const QString first = workingNumber(readNumber(pieces[0]).value_or(0));
    if (pieces.size() == 2)
        return step(fraction(first, piece(pieces[1])), dividedBy(first, piece(pieces[1])), value);
    const QString part = fraction(piece(pieces[1]), piece(pieces[2]));
    return step(fraction(fraction(first, piece(pieces[1])), piece(pieces[2])), plus(first, part),
                value);
}
