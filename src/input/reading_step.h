#pragma once

#include <QString>
#include <QStringView>

// How a field's text was read, when it was read as a fraction or a mixed number:
// "7/4 = 7 ÷ 4 = 1.75", "-1/1/2 = −1 + 1/2 = −0.5". Empty for a plain number and for a text
// that is refused.
QString readingStep(QStringView typed);
