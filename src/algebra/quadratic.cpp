#include "algebra/quadratic.h"

#include "input/number_text.h"

#include <cmath>

QuadraticOutcome solveQuadratic(double a, double b, double c)
{
    if (a == 0)
        return Message::QuadraticAZero;
    const double discriminant = b * b - c * (a * 4);
    if (!std::isfinite(discriminant))
        return Message::TooBig;
    if (discriminant < 0)
        return NoRealRoots{};
    const double root = std::sqrt(discriminant);
    const double twoA = a + a;
    const QuadraticRoots roots{(-b + root) / twoA, (-b - root) / twoA};
    if (!std::isfinite(twoA) || !std::isfinite(roots.x1) || !std::isfinite(roots.x2))
        return Message::TooBig;
    return roots;
}

Working quadraticWorking(double a, double b, double c)
{
    const QuadraticOutcome outcome = solveQuadratic(a, b, c);
    if (std::holds_alternative<Message>(outcome))
        return {};
    const double discriminant = b * b - c * (a * 4);
    const QString formula = QStringLiteral("D = B^2 - 4*A*C");
    const QString values = term(b) + QStringLiteral("^2 - 4*") + term(a) + u'*' + term(c);
    if (std::holds_alternative<NoRealRoots>(outcome))
        return {step(formula, values, numberText(discriminant)) + QStringLiteral(" < 0: ") +
                captionText(Caption::NoSolution)};

    const auto& roots = std::get<QuadraticRoots>(outcome);
    const double root = std::sqrt(discriminant);
    const QString minusB = numberText(-b);
    const QString twoA = term(a + a);
    return {
        step(formula, values, numberText(discriminant)),
        step(QStringLiteral("Root(D)"), {}, numberText(root)),
        step(QStringLiteral("X1 = (-B + Root(D)) / (2*A)"),
             u'(' + minusB + QStringLiteral(" + ") + numberText(root) + QStringLiteral(") / ") +
                 twoA,
             numberText(roots.x1)),
        step(QStringLiteral("X2 = (-B - Root(D)) / (2*A)"),
             u'(' + minusB + QStringLiteral(" - ") + numberText(root) + QStringLiteral(") / ") +
                 twoA,
             numberText(roots.x2)),
    };
}
