#pragma once

#include <QString>
#include <QWidget>

// A triangle drawn the way pupils draw it, apex at the top and the base level, with a control
// inside each corner and beside each side, each led by the letter it stands for, so a pupil
// can match the drawing to the exercise. The triangle grows with the room it is given; the
// controls keep the size of about 17 digits.
class TriangleFigure : public QWidget {
    Q_OBJECT

public:
    enum Place { Apex, LowerLeft, LowerRight, LeftSide, RightSide, Base };
    static constexpr int placeCount = 6;

    explicit TriangleFigure(QWidget* parent = nullptr);

    // Stands the control at the place, with its letter drawn before it; the figure becomes
    // the control's parent.
    void place(Place place, QWidget* control, const QString& letter);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Metrics;
    struct Layout;
    Metrics metrics() const;
    Layout layoutIn(QSize size) const;

    QWidget* m_controls[placeCount] = {};
    QString m_letters[placeCount];
};
