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
    case Message::AngleBelow180:
        return messages::angleBelow180;
    case Message::AnglePositiveAndBelow180:
        return messages::anglePositiveAndBelow180;
    case Message::NoTriangle:
        return messages::noTriangle;
    }
    return messages::unreasonable;
}
