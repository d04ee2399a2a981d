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
    const QList<QStringView> pieces = typed.split(u'/');
    if (pieces.size() < 2 || pieces.size() > 3)
        return {};
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
