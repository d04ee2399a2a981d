#include "fractions/fraction_controls.h"

#include "input/number_text.h"

#include "widgets/controls.h"
#include "widgets/fraction_box.h"
#include "widgets/tips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

template <class Box> Box* withTip(Box* box, const FractionPart& part)
{
    box->setToolTip(tipText(part.tip));
    return box;
}

// numerator over a bar over denominator, the whole part (if any) at the left at mid-height.
FractionBox* makeFraction(QWidget* whole, QWidget* numerator, const char* barName,
                          QWidget* denominator, QWidget* parent)
{
    auto* bar = new FractionBar({}, parent);
    bar->setObjectName(QLatin1String(barName));
    bar->setAccessibleName(QStringLiteral("over"));
    return new FractionBox(numerator, bar, denominator, whole, parent);
}

// The parts in reading order, each made by make(part, whole) and appended to boxes; a lone
// box, with no bar, is a plain field or result made by makeLone, as wide as any.
template <class Box, class Make, class MakeLone>
QWidget* buildBoxes(const FractionParts& parts, QList<Box*>& boxes, QWidget* parent, Make make,
                    MakeLone makeLone)
{
    if (!parts.bar) {
        boxes << withTip(makeLone(parts.whole.name, QLatin1String(parts.label), parent),
                         parts.whole);
        return boxes.last();
    }
    const auto made = [&](const FractionPart& part, const char* place) {
        // A part with no words of its own is spoken as the fraction's label and its place.
        const QByteArray spoken = QByteArray(parts.label) + ", " + place;
        FractionPart named = part;
        if (!named.spoken)
            named.spoken = spoken.constData();
        boxes << make(named, &part == &parts.whole);
        return boxes.last();
    };
    Box* whole = parts.whole.name ? made(parts.whole, "whole part") : nullptr;
    Box* numerator = made(parts.numerator, "numerator");
    return makeFraction(whole, numerator, parts.bar, made(parts.denominator, "denominator"),
                        parent);
}

} // namespace

QLineEdit* makeFractionField(const FractionPart& part, QWidget* parent)
{
    QLineEdit* field = makeField(part.name, QLatin1String(part.spoken), parent);
    field->setAlignment(Qt::AlignHCenter);
    field->setMaximumWidth(field->minimumWidth() * 3 / 2);
    return withTip(field, part);
}

QLabel* makeFractionResult(const FractionPart& part, QWidget* parent, int digits)
{
    QLabel* label = makeResultLabel(part.name, QLatin1String(part.spoken), parent);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(QFontMetrics(label->font()).averageCharWidth() * digits);
    return withTip(label, part);
}

QWidget* buildFraction(const FractionParts& parts, QList<QLineEdit*>& fields, QWidget* parent)
{
    return buildBoxes(
        parts, fields, parent,
        [parent](const FractionPart& part, bool) { return makeFractionField(part, parent); },
        makeField);
}

QWidget* buildFraction(const FractionParts& parts, QList<QLabel*>& results, QWidget* parent)
{
    return buildBoxes(
        parts, results, parent,
        [parent](const FractionPart& part, bool whole) {
            return makeFractionResult(part, parent, whole ? 5 : 8);
        },
        makeResultLabel);
}

void setFieldText(QLineEdit* field, const QString& text)
{
    if (field->text() != text)
        field->setText(text);
}

QString taskHeading(const QLabel* panel, const QPushButton* button)
{
    return panel->text().simplified() + QStringLiteral(", ") + button->text().simplified();
}

void showFraction(const FractionText& fraction, const QList<QLabel*>& parts)
{
    if (parts.size() == 3)
        parts[0]->setText(fraction.whole);
    parts[parts.size() - 2]->setText(fraction.numerator);
    parts.last()->setText(fraction.denominator);
}

QLineEdit* refusedField(Message message, const QList<QLineEdit*>& testedForNumber,
                        const QList<QLineEdit*>& testedForZero)
{
    const bool zero = message == Message::DenominatorZero || message == Message::NumberZero ||
                      message == Message::SecondFractionZero;
    if (message != Message::NotNumeric && !zero)
        return nullptr;
    for (QLineEdit* field : zero ? testedForZero : testedForNumber) {
        const std::optional<double> value = readNumber(field->text());
        if (zero ? value == 0.0 : !isNumber(field->text()))
            return field;
    }
    return nullptr;
}
