#include "input/messages.h"

#include <QCoreApplication>

#include <array>
#include <cstddef>

namespace {

template <class Key> struct FixedText {
    Key key;
    const char* text;
};

// Rows in the order of their enum, which indexText checks at compile time.
constexpr FixedText<Message> messageTable[] = {
    {Message::TooBig, QT_TRANSLATE_NOOP("Message", "The Number Is Too Big!!!")},
    {Message::Unreasonable, QT_TRANSLATE_NOOP("Message", "Unreasonable Data!!!.")},
    {Message::QuadraticAZero,
     QT_TRANSLATE_NOOP("Message", "It Sould Be Quadratix Equation So A Value Must Not Be Zero ")},
    {Message::ComplexDivisorZero,
     QT_TRANSLATE_NOOP("Message", "Complex Number two csn't be zero!!!.")},
    {Message::SetOperation,
     QT_TRANSLATE_NOOP("Message", "Please Set the operation [+ - * / < > =]!!!.")},
    {Message::SpeedOneNotBigger,
     QT_TRANSLATE_NOOP("Message", "Speed 1 Must Be Bigger Than Speed 2!!!.")},
    {Message::PercentNotBelowHundred,
     QT_TRANSLATE_NOOP("Message", "The Percent Must Be Smaller Than 100!!!.")},
    {Message::ImplausibleData, QT_TRANSLATE_NOOP("Message", "Implausible Data")},
    {Message::CountsDiffer,
     QT_TRANSLATE_NOOP("Message", "Number Of Elements In Both Fileds Must Be Equals. If There Is "
                                  "No Weight Leave The Weight Filed Empty!")},
    {Message::NumbersEmpty,
     QT_TRANSLATE_NOOP("Message", "Please Fill The Numbers Filed, It Is Empty!!!")},
    {Message::QZeroOrOne, QT_TRANSLATE_NOOP("Message", "Q Must not be equals to zero or one.!!!")},
    {Message::InfiniteQ,
     QT_TRANSLATE_NOOP("Message", "In Infinite Progression Q Must be smaller than 1 and bigger "
                                  "than -1 and not be equals to Zero.!!!")},
    {Message::A1ZeroOrNSmall,
     QT_TRANSLATE_NOOP("Message",
                       "A1 Must not be equals to zero And N must be bigger than one.!!!")},
    {Message::NotNumeric, QT_TRANSLATE_NOOP("Message", "Must enter a numeric value")},
    {Message::DenominatorZero, QT_TRANSLATE_NOOP("Message", "Denominator Cant Be Zero!!!")},
    {Message::DecimalForm,
     QT_TRANSLATE_NOOP("Message", "You must enter a decimal number in form ab.def")},
    {Message::SecondFractionZero,
     QT_TRANSLATE_NOOP("Message", "Fraction 2 Can't be equals to zero ")},
    {Message::NumberZero, QT_TRANSLATE_NOOP("Message", "Number Can't Be Zero!!!")},
    {Message::AngleBelow180,
     QT_TRANSLATE_NOOP("Message", "Angle Must be positive smaller than 180 degrees")},
    {Message::AnglePositiveAndBelow180,
     QT_TRANSLATE_NOOP("Message", "Angle Must be positive and smaller than 180 degrees")},
    {Message::NoTriangle, QT_TRANSLATE_NOOP("Message", "There is no solution")},
    {Message::MustBePositive, QT_TRANSLATE_NOOP("Message", "Must enter a positive value")},
    //: %1 is the text the pupil typed
    {Message::NotNumericEcho, QT_TRANSLATE_NOOP("Message", "%1 Is not a numeric value")},
    //: %1 is the author's e-mail address
    {Message::CantOpenEmail,
     QT_TRANSLATE_NOOP("Message", "Cant Open You Email Programe, My Email Is %1")},
    {Message::CantFindCalculator,
     QT_TRANSLATE_NOOP("Message", "Cant Find Your Windows Calculator")},
};

constexpr FixedText<Caption> captionTable[] = {
    //: a quadratic's roots when it has no real root
    {Caption::NoSolution, QT_TRANSLATE_NOOP("Caption", "No Solution")},
    //: the result of comparing two fractions
    {Caption::True, QT_TRANSLATE_NOOP("Caption", "True")},
    {Caption::False, QT_TRANSLATE_NOOP("Caption", "False")},
    //: heads the angles of the second triangle where two fit the data
    {Caption::SecondTriangle, QT_TRANSLATE_NOOP("Caption", "Second triangle:")},
    {Caption::DegreesNotice,
     QT_TRANSLATE_NOOP("Caption", "Important ! The angles must be in degrees  (not in radians).")},
};

template <class Key, std::size_t size>
constexpr bool inEnumOrder(const FixedText<Key> (&table)[size])
{
    for (std::size_t k = 0; k < size; ++k)
        if (static_cast<std::size_t>(table[k].key) != k)
            return false;
    return true;
}
static_assert(inEnumOrder(messageTable) &&
              std::size(messageTable) == std::size_t(Message::CantFindCalculator) + 1);
static_assert(inEnumOrder(captionTable) &&
              std::size(captionTable) == std::size_t(Caption::DegreesNotice) + 1);

} // namespace

QString messageText(Message message, const QString& argument)
{
    const QString text =
        QCoreApplication::translate("Message", messageTable[std::size_t(message)].text);
    return text.contains(QLatin1String("%1")) ? text.arg(argument) : text;
}

QString captionText(Caption caption)
{
    return QCoreApplication::translate("Caption", captionTable[std::size_t(caption)].text);
}
