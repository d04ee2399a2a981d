#pragma once

#include <QPoint>
#include <QRect>
#include <QStringList>
#include <QWidget>

// A window's size and where every shown control stands in it, one line each, in the order
// the controls were made: two layouts compare line by line.
inline QStringList layoutOf(QWidget* window)
{
    QStringList lines{QStringLiteral("window %1x%2").arg(window->width()).arg(window->height())};
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (!control->isVisibleTo(window))
            continue;
        const QRect place(control->mapTo(window, QPoint()), control->size());
        lines << QStringLiteral("%1 %2,%3 %4x%5")
                     .arg(control->objectName().isEmpty()
                              ? QLatin1String(control->metaObject()->className())
                              : control->objectName())
                     .arg(place.x())
                     .arg(place.y())
                     .arg(place.width())
                     .arg(place.height());
    }
    return lines;
}
