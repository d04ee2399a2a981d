#include "input/field_reader.h"

#include "input/messages.h"
#include "input/number_text.h"

#include <QList>

#include <cmath>
#include <optional>

namespace {

FieldReading refused(const QString& message)
{
    return FieldReading{0, message};
}

FieldReading quotient(double numerator, double denominator, double whole = 0)
{
    if (denominator == 0)
        return refused(messageText(Message::DenominatorZero));
    const double value = whole + numerator / denominator;
    if (!std::isfinite(value))
        return refused(messageText(Message::TooBig));
    return FieldReading{value, {}};
}

FieldReading readPieces(QStringView text, const ReaderBehaviour& behaviour)
{
    // Counted before cut, so a field of a million slashes is refused without a million pieces.
    if (text.isEmpty() || text.count(u'/') > 2)
        return refused(behaviour.echoesCountMessage
                           ? messageText(Message::NotNumericEcho, text.toString())
                           : messageText(Message::NotNumeric));
    const QList<QStringView> pieces = text.split(u'/');

    // Every piece is tested before anything is said; the message names the last bad one.
    std::optional<double> numbers[3];
    for (qsizetype i = 0; i < pieces.size(); ++i)
        numbers[i] = readNumber(pieces[i]);
    for (qsizetype i = pieces.size() - 1; i >= 0; --i)
        if (!numbers[i])
            return refused(messageText(Message::NotNumericEcho, pieces[i].toString()));

    switch (pieces.size()) {
    case 1:
        return FieldReading{*numbers[0], {}};
    case 2:
        return quotient(*numbers[0], *numbers[1]);
    default:
        return quotient(*numbers[1], *numbers[2], *numbers[0]);
    }
}

} // namespace

FieldReading parseField(QStringView text, const ReaderBehaviour& behaviour)
{
    FieldReading reading = readPieces(text, behaviour);
    if (reading.accepted() && behaviour.requiresPositive && !(reading.value > 0))
        reading.message = messageText(Message::MustBePositive);
    return reading;
}

FieldReader::FieldReader(const ReaderBehaviour& behaviour, MessageSink& sink)
    : m_behaviour(behaviour)
    , m_sink(sink)
{
}

double FieldReader::eval(QStringView text)
{
    switch (m_behaviour.entry) {
    case EntryStep::ReturnIfInvalid:
        if (!m_valid)
            return 0;
        break;
    case EntryStep::SetValid:
        m_valid = true;
        break;
    case EntryStep::None:
        break;
    }
    const FieldReading reading = parseField(text, m_behaviour);
    if (!reading.accepted()) {
        m_valid = false;
        m_sink.show(reading.message);
    }
    return reading.value;
}
