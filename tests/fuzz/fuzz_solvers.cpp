// Every Real solver and its working on any doubles (subnormal, huge, negative zero) and on
// short texts read as its window reads them, in the C and the German locale: each answer is
// finite or a fixed message, no shown text or working line holds inf, nan or -0, and the
// working's last line ends with what the window shows last.
//
// Input: one byte picks the task, one the way in (bit 0: texts, bit 1: weights for the
// statistics, bits 2-4: the complex operation); then eight bytes a double, or texts one a line.

#include "algebra/complex_numbers.h"
#include "algebra/quadratic.h"
#include "fuzz_support.h"
#include "geometry/circle.h"
#include "geometry/law_of_cosines.h"
#include "geometry/law_of_sines.h"
#include "geometry/quadrilateral.h"
#include "geometry/triangle_area.h"
#include "input/field_reader.h"
#include "input/number_text.h"
#include "problems/word_problems.h"
#include "statistics/progressions.h"
#include "statistics/weighted_statistics.h"

#include "support/reals.h"

#include <QStringList>

#include <algorithm>
#include <charconv>
#include <cmath>

#include <vector>

namespace {

struct Inputs {
    std::vector<double> numbers;
    std::vector<double> weights;
    QString operation;
};

// What the window shows: its texts, the last one written last, and the working; or a message.
struct Answer {
    bool refused = false;
    QStringList shown;
    Working working;
};

Answer answered(const QStringList& shown, const Working& working)
{
    return {false, shown, working};
}

template <class Outcome> Answer single(const Outcome& outcome, const Working& working)
{
    if (const auto* value = std::get_if<double>(&outcome))
        return answered({numberText(*value)}, working);
    return {true, {}, working};
}

// A number with its working from the one call, or the refusal instead.
Answer solvedNumber(const Outcome<double>& outcome)
{
    if (const auto* solved = std::get_if<Solved<double>>(&outcome))
        return answered({numberText(solved->values)}, solved->working);
    return {true, {}, {}};
}

// The exact value a task carries beside its double must be the same number, or an Exact
// answer would differ from the Decimal one.
void checkExactAgrees(const Real& value)
{
    if (!value.exact() || !std::isfinite(value.value()))
        return;
    const double exact = value.exact()->toDouble();
    if (!(std::fabs(exact - value.value()) <= 1e-9 * std::fabs(value.value())))
        __builtin_trap();
}

// Sums that nearly cancel (a variance of numbers close together, a progression running through
// zero) leave a double further than 1e-9 from the exact value even for an exercise's numbers;
// their answers then show the decimal, and only the other tasks are held to the agreement.
enum class Agreement { Checked, Unchecked };

Answer solvedNumber(const Outcome<Real>& outcome, Agreement agreement = Agreement::Checked)
{
    if (const auto* solved = std::get_if<Solved<Real>>(&outcome)) {
        if (agreement == Agreement::Checked)
            checkExactAgrees(solved->values);
        return answered({numberText(solved->values.value())}, solved->working);
    }
    return {true, {}, {}};
}

// An exercise's number: six significant digits at most, between 10^-6 and 10^6. Only these
// carry their exact value here: from a 17-digit value a task such as (new - old) / old loses
// digits to the cancellation on its double path, and the answer shows its decimal alone.
bool exerciseSized(double number)
{
    if (number == 0)
        return true;
    if (!(std::fabs(number) >= 1e-6 && std::fabs(number) <= 1e6))
        return false;
    char text[32];
    const auto end =
        std::to_chars(text, text + sizeof text, number, std::chars_format::scientific).ptr;
    return std::find(text, end, 'e') - text <= 7 + (number < 0); // "-d.ddddd"
}

std::vector<Real> typedReals(const std::vector<double>& numbers)
{
    std::vector<Real> reals;
    for (double number : numbers)
        reals.push_back(exerciseSized(number) ? typed(number) : Real::inexact(number));
    return reals;
}

template <auto task> Answer area(const Inputs& in)
{
    return solvedNumber(withInputs<task>(typedReals(in.numbers)));
}

template <auto task> Answer progression(const Inputs& in)
{
    const std::vector<Real> v = typedReals(in.numbers);
    return solvedNumber(task(ProgressionTerms{v[0], v[1], v[2], v[3], v[4]}), Agreement::Unchecked);
}

template <WordTask task> Answer word(const Inputs& in)
{
    return solvedNumber(solveWordProblem(task, typedReals(in.numbers)));
}

using Statistic = Outcome<Real> (*)(const NumberList&, const NumberList&);

template <Statistic statistic> Answer statistics(const Inputs& in)
{
    if (checkCounts(qsizetype(in.numbers.size()), qsizetype(in.weights.size())))
        return {true, {}, {}};
    return solvedNumber(
        statistic(NumberList(typedReals(in.numbers)), NumberList(typedReals(in.weights))),
        Agreement::Unchecked);
}

// A solved triangle shows all six values; the working ends on the one its panel writes last,
// or on the side b of the second triangle where two fit.
template <auto solve, char last> Answer triangle(const Inputs& in)
{
    const auto& v = in.numbers;
    const auto outcome = solve(typed(v[0]), typed(v[1]), typed(v[2]));
    const auto* solved = std::get_if<Solved<TriangleSolution>>(&outcome);
    if (!solved)
        return {true, {}, {}};
    const Triangle& t = solved->values.triangle;
    QStringList shown;
    for (const Real* value : {&t.a, &t.b, &t.c, &t.x, &t.y, &t.z})
        shown << numberText(value->value());
    shown << shown[QByteArrayView("abcxyz").indexOf(last)];
    const QString second = secondTriangleText(solved->values);
    if (!second.isEmpty())
        shown << second << second.section(u' ', -1);
    return answered(shown, solved->working);
}

Answer quadratic(const Inputs& in)
{
    const auto& v = in.numbers;
    const Outcome<QuadraticAnswer> outcome = solveQuadratic(typed(v[0]), typed(v[1]), typed(v[2]));
    const auto* solved = std::get_if<Solved<QuadraticAnswer>>(&outcome);
    if (!solved)
        return {true, {}, {}};
    if (const auto* roots = std::get_if<QuadraticRoots>(&solved->values))
        return answered({numberText(roots->x1.value()), numberText(roots->x2.value())},
                        solved->working);
    return answered({captionText(Caption::NoSolution)}, solved->working);
}

Answer complexOperation(const Inputs& in)
{
    const auto& v = in.numbers;
    const Outcome<Complex> outcome =
        complexOperation({typed(v[0]), typed(v[1])}, in.operation, {typed(v[2]), typed(v[3])});
    if (const auto* solved = std::get_if<Solved<Complex>>(&outcome))
        return answered(
            {numberText(solved->values.re.value()), numberText(solved->values.im.value())},
            solved->working);
    return {true, {}, {}};
}

template <Outcome<QString> (*task)(const Real&, const Real&)> Answer complexText(const Inputs& in)
{
    // The power of i reads one number only.
    const auto& v = in.numbers;
    const Outcome<QString> outcome = task(typed(v[0]), v.size() > 1 ? typed(v[1]) : Real(0));
    if (const auto* solved = std::get_if<Solved<QString>>(&outcome))
        return answered({solved->values}, solved->working);
    return {true, {}, {}};
}

Outcome<QString> power(const Real& n, const Real&)
{
    return powerOfI(n);
}

// How a window reads its numbers before a task sees them.
struct Reading {
    ReaderBehaviour reader;
    bool writtenBack = false; // each number is shown in its field and read back from there
    unsigned angles = 0;      // bit k: number k is an angle, above 0 and below 180 degrees
};

constexpr Reading guarded{behaviours::guarded, true};
constexpr Reading complexReading{behaviours::guarded};
constexpr Reading plain{behaviours::plain, true};
constexpr Reading positive{behaviours::positive};
constexpr Reading echoing{behaviours::positiveEchoing};
constexpr Reading lists{behaviours::selfResetting};
constexpr Reading angleSecond{behaviours::positiveEchoing, false, 0b010};
constexpr Reading twoAngles{behaviours::positiveEchoing, false, 0b011};
constexpr Reading angleFirst{behaviours::positiveEchoing, false, 0b001};

struct Task {
    const char* name;
    Reading reading;
    int count; // numbers read; 0 for the two lists of the statistics
    Answer (*run)(const Inputs&);
};

template <auto task> constexpr Task areaTask(const char* name)
{
    return {name, positive, int(detail::inputCount(task)), area<task>};
}

template <auto task> constexpr Task progressionTask(const char* name)
{
    return {name, plain, 5, progression<task>};
}

template <WordTask task> constexpr Task wordTask(const char* name, int count)
{
    return {name, echoing, count, word<task>};
}

template <Statistic statistic> constexpr Task statisticsTask(const char* name)
{
    return {name, lists, 0, statistics<statistic>};
}

#define AREA(f) areaTask<f>(#f)
#define PROGRESSION(f) progressionTask<f>(#f)
#define STATISTIC(f) statisticsTask<f>(#f)

const Task tasks[] = {
    {"quadratic", guarded, 3, quadratic},
    {"complex operation", complexReading, 4, complexOperation},
    {"power of i", complexReading, 1, complexText<power>},
    {"polar form", complexReading, 2, complexText<polarForm>},
    STATISTIC(mean),
    STATISTIC(variance),
    STATISTIC(deviation),
    PROGRESSION(arithmeticSum),
    PROGRESSION(arithmeticSumOfEnds),
    PROGRESSION(arithmeticSumFromLast),
    PROGRESSION(arithmeticLast),
    PROGRESSION(arithmeticDifference),
    PROGRESSION(arithmeticCount),
    PROGRESSION(geometricSum),
    PROGRESSION(geometricSumToLast),
    PROGRESSION(geometricInfiniteSum),
    PROGRESSION(geometricLast),
    PROGRESSION(geometricRatio),
    AREA(circleAreaFromRadius),
    AREA(circlePerimeterFromRadius),
    AREA(circleAreaFromDiameter),
    AREA(circlePerimeterFromDiameter),
    AREA(circleRadiusFromArea),
    AREA(circleDiameterFromArea),
    AREA(circleRadiusFromPerimeter),
    AREA(circleDiameterFromPerimeter),
    AREA(circlePerimeterFromArea),
    AREA(circleAreaFromPerimeter),
    AREA(squareArea),
    AREA(squarePerimeter),
    AREA(squareSideFromArea),
    AREA(squarePerimeterFromArea),
    AREA(squareSideFromPerimeter),
    AREA(squareAreaFromPerimeter),
    AREA(trapeziumArea),
    AREA(perpendicularDiagonalsArea),
    AREA(rectangleArea),
    AREA(rectanglePerimeter),
    AREA(rectangleSideFromArea),
    AREA(rectanglePerimeterFromArea),
    AREA(rectangleSideFromPerimeter),
    AREA(rectangleAreaFromPerimeter),
    AREA(parallelogramArea),
    AREA(parallelogramOtherFromArea),
    AREA(parallelogramPerimeter),
    AREA(triangleArea),
    AREA(triangleHeight),
    AREA(triangleBase),
    AREA(trianglePerimeter),
    AREA(heronArea),
    {"side angle side", angleSecond, 3, triangle<solveSideAngleSide, 'y'>},
    {"side side side", echoing, 3, triangle<solveSideSideSide, 'z'>},
    {"angles x z, side b", twoAngles, 3, triangle<solveAnglesXZSideB, 'a'>},
    {"angles y z, side c", twoAngles, 3, triangle<solveAnglesYZSideC, 'b'>},
    {"sides and opposite angle", angleFirst, 3, triangle<solveSidesAndOppositeAngle, 'b'>},
    wordTask<WordTask::FindDistance>("distance", 2),
    wordTask<WordTask::FindSpeed>("speed", 2),
    wordTask<WordTask::FindTime>("time", 2),
    wordTask<WordTask::MeetTime>("meet", 3),
    wordTask<WordTask::CatchUpTime>("catch up", 3),
    wordTask<WordTask::RaisePrice>("raise", 2),
    wordTask<WordTask::LowerPrice>("lower", 2),
    wordTask<WordTask::PercentOf>("percent of", 2),
    wordTask<WordTask::FindChange>("change", 2),
    wordTask<WordTask::FindOldRaised>("old before a raise", 2),
    wordTask<WordTask::FindOldLowered>("old before a cut", 2),
};

// A number as the window would hand it on, or nothing where the window stops first. Typed
// numbers are also shown and read back where the window does so; raw doubles go straight in.
std::optional<double> handedOn(double value, const Reading& reading, int k, bool typed)
{
    if (!std::isfinite(value) || (reading.reader.requiresPositive && !(value > 0)))
        return std::nullopt;
    if (k < 3 && reading.angles & (1u << k) && !isTriangleAngle(Real::inexact(value)))
        return std::nullopt;
    if (typed && reading.writtenBack)
        return readNumber(numberText(value));
    return value;
}

// The numbers of one field, or of one list of items; empty where the reader refuses one.
std::optional<std::vector<double>> read(const QString& text, const Task& task, int first)
{
    std::vector<double> numbers;
    const QList<QStringView> items =
        task.count == 0 ? splitItems(text) : QList<QStringView>{QStringView(text)};
    for (const QStringView item : items) {
        const FieldReading reading = parseField(item, task.reading.reader);
        if (!reading.accepted())
            return std::nullopt;
        const auto value = handedOn(reading.value, task.reading, first + int(numbers.size()), true);
        if (!value)
            return std::nullopt;
        numbers.push_back(*value);
    }
    return numbers;
}

std::optional<Inputs> inputsOf(const Task& task, std::uint8_t way, const std::uint8_t* data,
                               std::size_t size)
{
    static const char* const operations[] = {"+", "-", "*", "/", "+ ", "x", "", "/"};
    Inputs in;
    in.operation = QString::fromLatin1(operations[(way >> 2) & 7]);
    if (way & 1) {
        QStringList fields =
            QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size))
                .split(u'\n');
        const int count = task.count == 0 ? 2 : task.count;
        while (fields.size() <= count)
            fields << QString();
        in.operation = fields[count];
        for (int k = 0; k < count; ++k) {
            const auto numbers = read(fields[k], task, k);
            if (!numbers)
                return std::nullopt;
            auto& list = task.count == 0 && k == 1 ? in.weights : in.numbers;
            list.insert(list.end(), numbers->begin(), numbers->end());
        }
        return in;
    }
    Doubles doubles(data, size);
    const std::size_t count = task.count == 0 ? size / sizeof(double) : std::size_t(task.count);
    for (std::size_t k = 0; k < count; ++k) {
        const auto value = handedOn(doubles.next(), task.reading, int(k), false);
        if (!value)
            return std::nullopt;
        in.numbers.push_back(*value);
    }
    if (task.count == 0 && way & 2) {
        const std::size_t half = in.numbers.size() / 2;
        in.weights.assign(in.numbers.begin() + long(half), in.numbers.end());
        in.numbers.resize(half);
    }
    return in;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    useLocaleOf(data, size);
    const Task& task = tasks[data[0] % std::size(tasks)];
    const std::optional<Inputs> in = inputsOf(task, data[1], data + 2, size - 2);
    if (!in)
        return 0;

    const Answer answer = task.run(*in);
    if (answer.refused) {
        require(answer.working.isEmpty(), "a working for a refusal", answer.working.join(u'\n'));
        return 0;
    }
    for (const QString& text : answer.shown)
        require(!text.isEmpty() && isCleanText(text), "an empty text, inf, nan or -0 shown", text);
    for (const QString& line : answer.working)
        require(isCleanText(line) && !missesANumber(line),
                "inf, nan, -0 or a missing number in the working", line);
    require(!answer.working.isEmpty() && answer.working.last().endsWith(answer.shown.last()),
            "a working that does not end with the answer shown", answer.working.join(u'\n'));
    return 0;
}
