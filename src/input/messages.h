#pragma once

#include <QString>

// Every fixed text the program shows, spelled exactly as pupils have always seen it,
// odd spellings and trailing blanks included. Windows never spell a message themselves.
namespace messages {

// Field reader
inline const QString mustEnterNumeric = QStringLiteral("Must enter a numeric value");
inline const QString notNumericSuffix = QStringLiteral(" Is not a numeric value");
inline const QString mustBePositive = QStringLiteral("Must enter a positive value");
inline const QString denominatorZero = QStringLiteral("Denominator Cant Be Zero!!!");

// Any computation
inline const QString tooBig = QStringLiteral("The Number Is Too Big!!!");
inline const QString unreasonable = QStringLiteral("Unreasonable Data!!!.");

// Quadratic equation
inline const QString quadraticAZero =
    QStringLiteral("It Sould Be Quadratix Equation So A Value Must Not Be Zero ");
inline const QString noSolution = QStringLiteral("No Solution"); // a result, not a message box

// Complex numbers
inline const QString complexDivisorZero = QStringLiteral("Complex Number two csn't be zero!!!.");
inline const QString setOperation = QStringLiteral("Please Set the operation [+ - * / < > =]!!!.");

// Menu launches
inline const QString cantOpenEmail = QStringLiteral("Cant Open You Email Programe, My Email Is ");
inline const QString cantFindCalculator = QStringLiteral("Cant Find Your Windows Calculator");

// Word problems
inline const QString speedOneNotBigger = QStringLiteral("Speed 1 Must Be Bigger Than Speed 2!!!.");
inline const QString percentNotBelowHundred =
    QStringLiteral("The Percent Must Be Smaller Than 100!!!.");
// Areas and perimeters
inline const QString implausibleData = QStringLiteral("Implausible Data");
// Statistics and progressions
inline const QString countsDiffer =
    QStringLiteral("Number Of Elements In Both Fileds Must Be Equals. If There Is No Weight Leave "
                   "The Weight Filed Empty!");
inline const QString numbersEmpty = QStringLiteral("Please Fill The Numbers Filed, It Is Empty!!!");
inline const QString qZeroOrOne = QStringLiteral("Q Must not be equals to zero or one.!!!");
inline const QString infiniteQ =
    QStringLiteral("In Infinite Progression Q Must be smaller than 1 and bigger than -1 and not be "
                   "equals to Zero.!!!");
inline const QString a1ZeroOrNSmall =
    QStringLiteral("A1 Must not be equals to zero And N must be bigger than one.!!!");
// Fraction conversion and operators on fractions
inline const QString decimalForm = QStringLiteral("You must enter a decimal number in form ab.def");
inline const QString secondFractionZero = QStringLiteral("Fraction 2 Can't be equals to zero ");
inline const QString numberZero = QStringLiteral("Number Can't Be Zero!!!");
inline const QString comparisonTrue = QStringLiteral("True"); // results, not message boxes
inline const QString comparisonFalse = QStringLiteral("False");
// Triangle solvers
inline const QString angleBelow180 =
    QStringLiteral("Angle Must be positive smaller than 180 degrees");
inline const QString anglePositiveAndBelow180 =
    QStringLiteral("Angle Must be positive and smaller than 180 degrees");
inline const QString noTriangle = QStringLiteral("There is no solution");
inline const QString secondTriangle = QStringLiteral("Second triangle:");
inline const QString degreesNotice =
    QStringLiteral("Important ! The angles must be in degrees  (not in radians).");

} // namespace messages

// A refusal from the computing core: which fixed message the window shows instead of a result.
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
};

QString messageText(Message message);
