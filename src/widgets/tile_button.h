#pragma once

#include <QColor>
#include <QPushButton>

// A large coloured menu tile. text() is the exact caption; the tile paints it wrapped
// inside itself, in black or white, whichever reads better on the tile's colour.
class TileButton : public QPushButton {
    Q_OBJECT

public:
    enum class Size { Tile, Heading };

    TileButton(const QString& caption, const QColor& colour, Size size, QWidget* parent = nullptr);

    QColor colour() const { return m_colour; }
    bool isHeading() const { return m_size == Size::Heading; }
    QColor captionColour() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString shownCaption() const;

    QColor m_colour;
    Size m_size;
};
