#pragma once

#include <QString>

// A refusal from the computing core, or a message box a window shows: which fixed text.
enum class Message {
    TooBig,
    Unreasonable,
    QuadraticAZero,
    ComplexDivisorZero,
    SetOperation,
    SpeedOneNotBigger,
    PercentNotBelowHundred,
    ImplausibleData,
    CountsDiffer,
    NumbersEmpty,
    QZeroOrOne,
    InfiniteQ,
    A1ZeroOrNSmall,
    NotNumeric,
    DenominatorZero,
    DecimalForm,
    SecondFractionZero,
    NumberZero,
    AngleBelow180,
    AnglePositiveAndBelow180,
    NoTriangle,
    MustBePositive,
    NotNumericEcho, // %1: the text that is not a number
    CantOpenEmail,  // %1: the address to write to
    CantFindCalculator,
};

// Fixed words a window writes that are no refusal: results and notices.
enum class Caption {
    NoSolution,
    True,
    False,
    SecondTriangle,
    DegreesNotice,
};

// The fixed texts, spelled exactly as pupils have always seen them, odd spellings and
// trailing blanks included; %1, where a text has it, is filled with the argument.
QString messageText(Message message, const QString& argument = {});
QString captionText(Caption caption);
