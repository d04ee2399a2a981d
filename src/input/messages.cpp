#include "input/messages.h"

QString messageText(Message message)
{
    switch (message) {
    case Message::TooBig:
        return messages::tooBig;
    case Message::Unreasonable:
        return messages::unreasonable;
    case Message::QuadraticAZero:
        return messages::quadraticAZero;
    case Message::ComplexDivisorZero:
        return messages::complexDivisorZero;
    case Message::SetOperation:
        return messages::setOperation;
    case Message::SpeedOneNotBigger:
        return messages::speedOneNotBigger;
    case Message::PercentNotBelowHundred:
        return messages::percentNotBelowHundred;
    case Message::ImplausibleData:
        return messages::implausibleData;
    case Message::CountsDiffer:
        return messages::countsDiffer;
    case Message::NumbersEmpty:
        return messages::numbersEmpty;
    case Message::QZeroOrOne:
        return messages::qZeroOrOne;
    case Message::InfiniteQ:
        return messages::infiniteQ;
    case Message::A1ZeroOrNSmall:
        return messages::a1ZeroOrNSmall;
    case Message::NotNumeric:
        return messages::mustEnterNumeric;
    case Message::DenominatorZero:
        return messages::denominatorZero;
    case Message::DecimalForm:
        return messages::decimalForm;
    case Message::SecondFractionZero:
        return messages::secondFractionZero;
    case Message::NumberZero:
        return messages::numberZero;
    case Message::AngleBelow180:
        return messages::angleBelow180;
    case Message::AnglePositiveAndBelow180:
        return messages::anglePositiveAndBelow180;
    case Message::NoTriangle:
        return messages::noTriangle;
    }
    return messages::unreasonable;
}
