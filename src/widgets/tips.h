#pragma once

#include <QString>

#include <span>

class QWidget;

// A tooltip in a textbook's words for the control of that object name, for captions a pupil
// may not know. Texts are marked with QT_TRANSLATE_NOOP("Tip", ...) where the table stands.
struct Tip {
    const char* name;
    const char* text;
};

// The tip's text in the pupil's language.
QString tipText(const char* text);

// Sets each tip on the window's control of that name; every name must be there.
void applyTips(QWidget* window, std::span<const Tip> tips);
