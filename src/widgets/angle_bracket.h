#pragma once

#include <QWidget>

// One side of a pair written as <a, b>: two short strokes meeting at a point, as tall as the
// row it stands in, so it wraps a field the way a bracket wraps a number on paper.
class AngleBracket : public QWidget {
    Q_OBJECT

public:
    enum Side { Opening, Closing };

    explicit AngleBracket(Side side, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Side m_side;
};
