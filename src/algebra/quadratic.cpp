#include "algebra/quadratic.h"

#include "input/notation.h"
#include "input/number_text.h"

#include <QCoreApplication>

namespace {

QString discriminantStep(const Real& a, const Real& b, const Real& c, const Real& discriminant)
{
    const auto product = [](const QString& x, const QString& y, const QString& z) {
        return times(times(x, y), z);
    };
    return step(QStringLiteral("D = ") +
                    minus(squared(QStringLiteral("B")),
                          product(QStringLiteral("4"), QStringLiteral("A"), QStringLiteral("C"))),
                minus(squared(term(b)), product(QStringLiteral("4"), term(a), term(c))),
                workingNumber(discriminant));
}

// X1 takes +√D, X2 takes −√D.
QString rootStep(char sign, const Real& b, const Real& root, const Real& twoA, const Real& x)
{
    const auto joined = [sign](const QString& p, const QString& q) {
        return sign == '+' ? plus(p, q) : minus(p, q);
    };
    const QString name = QLatin1String(sign == '+' ? "X1" : "X2");
    return step(
        name + QStringLiteral(" = ") +
            dividedBy(bracketed(joined(negative(QStringLiteral("B")), ::root(QStringLiteral("D")))),
                      bracketed(times(QStringLiteral("2"), QStringLiteral("A")))),
        dividedBy(bracketed(joined(workingNumber(-b), workingNumber(root))), term(twoA)),
        resultNumber(x));
}

// Why a negative discriminant ends the working, in the pupil's words.
QString noRootStep(const Real& discriminant)
{
    return QCoreApplication::translate("Working", "%1, so there is no real root: %2")
        .arg(lessThan(QStringLiteral("D = ") + workingNumber(discriminant), QStringLiteral("0")),
             captionText(Caption::NoSolution));
}

} // namespace

Outcome<QuadraticAnswer> solveQuadratic(const Real& a, const Real& b, const Real& c)
{
    if (a == 0)
        return Message::QuadraticAZero;
    const Real discriminant = b * b - c * (a * 4);
    if (!isfinite(discriminant))
        return Message::TooBig;
    const QString first = discriminantStep(a, b, c, discriminant);
    if (discriminant < 0)
        return Solved<QuadraticAnswer>{NoRealRoots{}, {first, noRootStep(discriminant)}};
    const Real root = sqrt(discriminant);
    const Real twoA = a + a;
    const QuadraticRoots roots{(-b + root) / twoA, (-b - root) / twoA};
    if (!isfinite(twoA) || !isfinite(roots.x1) || !isfinite(roots.x2))
        return Message::TooBig;
    return Solved<QuadraticAnswer>{roots,
                                   {first,
                                    step(::root(QStringLiteral("D")),
                                         ::root(workingNumber(discriminant)), workingNumber(root)),
                                    rootStep('+', b, root, twoA, roots.x1),
                                    rootStep('-', b, root, twoA, roots.x2)}};
}
