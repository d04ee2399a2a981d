#pragma once

#include <QLabel>
#include <QWidget>

// The bar of a hand-written fraction. Its text (a row of underscores, say) is kept for
// screen readers and tests; on screen it is drawn as a line across its middle.
class FractionBar : public QLabel {
    Q_OBJECT

public:
    explicit FractionBar(const QString& text = {}, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A fraction as pupils write it: numerator over a bar over denominator, the whole part
// (if any) to the left. The parts are any widgets: labels in a formula, fields in an exercise.
class FractionBox : public QWidget {
    Q_OBJECT

public:
    FractionBox(QWidget* numerator, FractionBar* bar, QWidget* denominator,
                QWidget* whole = nullptr, QWidget* parent = nullptr);
};
