#include "algebra/quadratic.h"

#include "input/number_text.h"

#include <cmath>

namespace {

QString discriminantStep(double a, double b, double c, double discriminant)
{
    return step(QStringLiteral("D = B^2 - 4*A*C"),
                term(b) + QStringLiteral("^2 - 4*") + term(a) + u'*' + term(c),
                numberText(discriminant));
}

// X1 takes +Root(D), X2 takes -Root(D).
QString rootStep(char sign, double b, double root, double twoA, double x)
{
    const QString name = QLatin1String(sign == '+' ? "X1" : "X2");
    const QString signText = QStringLiteral(" %1 ").arg(QLatin1Char(sign));
    return step(name + QStringLiteral(" = (-B") + signText + QStringLiteral("Root(D)) / (2*A)"),
                u'(' + numberText(-b) + signText + numberText(root) + QStringLiteral(") / ") +
                    term(twoA),
                numberText(x));
}

} // namespace

Outcome<QuadraticAnswer> solveQuadratic(double a, double b, double c)
{
    if (a == 0)
        return Message::QuadraticAZero;
    const double discriminant = b * b - c * (a * 4);
    if (!std::isfinite(discriminant))
        return Message::TooBig;
    const QString first = discriminantStep(a, b, c, discriminant);
    if (discriminant < 0)
        return Solved<QuadraticAnswer>{
            NoRealRoots{}, {first + QStringLiteral(" < 0: ") + captionText(Caption::NoSolution)}};
    const double root = std::sqrt(discriminant);
    const double twoA = a + a;
    const QuadraticRoots roots{(-b + root) / twoA, (-b - root) / twoA};
    if (!std::isfinite(twoA) || !std::isfinite(roots.x1) || !std::isfinite(roots.x2))
        return Message::TooBig;
    return Solved<QuadraticAnswer>{roots,
                                   {first, step(QStringLiteral("Root(D)"), {}, numberText(root)),
                                    rootStep('+', b, root, twoA, roots.x1),
                                    rootStep('-', b, root, twoA, roots.x2)}};
}
