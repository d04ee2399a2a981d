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
    AngleBelow180,
    AnglePositiveAndBelow180,
    NoTriangle,
};

QString messageText(Message message);
