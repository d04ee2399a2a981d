#include "fractions/fraction_controls.h"

#include "input/number_text.h"

#include "widgets/controls.h"
#include "widgets/fraction_box.h"
#include "widgets/tips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

QLineEdit* makeFractionField(const char* name, const QString& accessibleName, QWidget* parent)
{
    QLineEdit* field = makeField(name, accessibleName, parent);
    field->setAlignment(Qt::AlignHCenter);
    field->setMaximumWidth(field->minimumWidth() * 3 / 2);
    return field;
}

QLabel* makeFractionResult(const char* name, const QString& accessibleName, QWidget* parent,
                           int digits)
{
    QLabel* label = makeResultLabel(name, accessibleName, parent);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(QFontMetrics(label->font()).averageCharWidth() * digits);
    return label;
}

namespace {

template <class Box> Box* withTip(Box* box, const FractionPart& part)
{
    box->setToolTip(tipText(part.tip));
    return box;
}

QLineEdit* makeFieldBox(const FractionPart& part, bool inFraction, bool /*whole*/, QWidget* parent)
{
    return inFraction ? makeFractionField(part, parent)
                      : withTip(makeField(part.name, QLatin1String(part.spoken), parent), part);
}

QLabel* makeResultBox(const FractionPart& part, bool inFraction, bool whole, QWidget* parent)
{
    return inFraction
               ? makeFractionResult(part, parent, whole ? 5 : 8)
               : withTip(makeResultLabel(part.name, QLatin1String(part.spoken), parent), part);
}

template <class Box>
QWidget* buildBoxes(const FractionParts& parts, QList<Box*>& boxes, QWidget* parent,
                    Box* (*makeBox)(const FractionPart&, bool inFraction, bool whole, QWidget*))
{
    const bool inFraction = parts.bar != nullptr;
    const auto made = [&](const FractionPart& part, bool whole) {
        boxes << makeBox(part, inFraction, whole, parent);
        return boxes.last();
    };
    Box* whole = parts.whole.name ? made(parts.whole, true) : nullptr;
    if (!inFraction)
        return whole;
    Box* numerator = made(parts.numerator, false);
    return makeFraction(whole, numerator, parts.bar, made(parts.denominator, false), parent);
}

} // namespace

QLineEdit* makeFractionField(const FractionPart& part, QWidget* parent)
{
    return withTip(makeFractionField(part.name, QLatin1String(part.spoken), parent), part);
}

QLabel* makeFractionResult(const FractionPart& part, QWidget* parent, int digits)
{
    return withTip(makeFractionResult(part.name, QLatin1String(part.spoken), parent, digits), part);
}

QWidget* buildFraction(const FractionParts& parts, QList<QLineEdit*>& fields, QWidget* parent)
{
    return buildBoxes(parts, fields, parent, makeFieldBox);
}

QWidget* buildFraction(const FractionParts& parts, QList<QLabel*>& results, QWidget* parent)
{
    return buildBoxes(parts, results, parent, makeResultBox);
}

FractionBox* makeFraction(QWidget* whole, QWidget* numerator, const char* barName,
                          QWidget* denominator, QWidget* parent)
{
    auto* bar = new FractionBar({}, parent);
    bar->setObjectName(QLatin1String(barName));
    bar->setAccessibleName(QStringLiteral("over"));
    return new FractionBox(numerator, bar, denominator, whole, parent);
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
