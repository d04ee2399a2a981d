#pragma once

#include <QPushButton>

// A button whose caption is too long for one line: text() stays the exact caption, and the
// button stands taller and paints it on as many lines as its width needs.
class WrappedButton : public QPushButton {
    Q_OBJECT

public:
    explicit WrappedButton(const QString& caption, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};
