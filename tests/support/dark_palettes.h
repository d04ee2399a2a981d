#pragma once

#include <QColor>
#include <QPalette>

// The dark palettes windows are checked under: Fusion's own dark colours, and a desktop's dark
// colour scheme handed to the application as its system palette.

inline QPalette fusionDarkPalette()
{
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x2b, 0x2b, 0x2b));
    dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
    dark.setColor(QPalette::AlternateBase, QColor(0x33, 0x33, 0x33));
    dark.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Button, QColor(0x3c, 0x3c, 0x3c));
    dark.setColor(QPalette::ButtonText, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Highlight, QColor(0x3d, 0x7a, 0xd6));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::ToolTipBase, QColor(0x3c, 0x3c, 0x3c));
    dark.setColor(QPalette::ToolTipText, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::PlaceholderText, QColor(0x99, 0x99, 0x99));
    return dark;
}

// Every role set, as a desktop's dark scheme sets them (KDE's Breeze Dark colours).
inline QPalette systemDarkPalette()
{
    const QColor text(0xfc, 0xfc, 0xfc);
    const QColor button(0x29, 0x2c, 0x30);
    QPalette dark(text, button, button.lighter(150), button.darker(150), button.darker(120), text,
                  Qt::white, QColor(0x14, 0x16, 0x18), QColor(0x20, 0x23, 0x26));
    dark.setColor(QPalette::Highlight, QColor(0x3d, 0xae, 0xe9));
    dark.setColor(QPalette::HighlightedText, text);
    return dark;
}
