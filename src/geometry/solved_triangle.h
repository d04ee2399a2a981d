#pragma once

#include "input/messages.h"
#include "input/notation.h"
#include "input/number_text.h"
#include "input/outcome.h"
#include "input/working.h"

#include <QStringList>

#include <optional>

// Degrees to radians and back, both taken from the 15-digit pi (not from the full one), so
// the answers agree with what pupils have always been shown, to the last digit.
inline constexpr double degreesToRadians = 0.017453292519943278;
inline constexpr double radiansToDegrees = 57.29577951308238;

// A triangle solved: sides a, b, c; angle x opposite b, y opposite a, z opposite c (degrees).
// Each carries its exact value where the data and the known angles give one.
struct Triangle {
    Real a = 0;
    Real b = 0;
    Real c = 0;
    Real x = 0;
    Real y = 0;
    Real z = 0;
};

// Why a triangle could not be solved. A solve from two sides and an opposite angle first tests
// whether the given side reaches the third side at all; the windows answer that test in an
// order of their own.
struct TriangleRefusal {
    Message message;
    bool fromHeightTest = false;
};

// What a solve found: its triangle and, where the data fit two, the other one.
struct TriangleSolution {
    Triangle triangle;
    std::optional<Triangle> second = {};
};

// An angle a triangle can have: above 0 and below 180 degrees.
inline bool isTriangleAngle(const Real& degrees)
{
    return degrees.value() > 0 && degrees.value() < 180;
}

// The working's step for the angle that makes the sum 180°: "y = 180° − x − z = 180° − 60° − 60° =
// 60".
inline QString thirdAngleStep(const QStringList& names, const Real& first, const Real& second,
                              const Real& result)
{
    const QString straight = degrees(QStringLiteral("180"));
    return step(names[0] + QStringLiteral(" = ") + minus(minus(straight, names[1]), names[2]),
                minus(minus(straight, degrees(term(first))), degrees(term(second))),
                resultNumber(result));
}
