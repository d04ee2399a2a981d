#pragma once

#include <QColor>

class QPalette;

// The colours our fields and answers are outlined in under a palette: a field to type into
// stands apart from the window and from an answer, which is outlined quietly.
struct FieldOutlines {
    QColor field;
    QColor answer;
};
FieldOutlines fieldOutlinesFor(const QPalette& palette);

// Wraps the style in use, the desktop's or one chosen on the command line, so fields, answers
// and the checked Show Working read under any palette, light or dark. Call once the style is
// chosen.
void setUpLook();
