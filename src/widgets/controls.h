#pragma once

#include <QString>
#include <QStringList>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// Builders that give every control its object name, its accessible name and the look the
// windows share, so no window forgets one of them.

QLabel* makeLabel(const char* name, const QString& text, QWidget* parent);

// A bold heading, its font scaled from the window's by the factor.
QLabel* makeHeading(const char* name, const QString& text, QWidget* parent, double scale = 1);

QLineEdit* makeField(const char* name, const QString& accessibleName, QWidget* parent);

// An answer the pupil can select and copy; starts empty.
QLabel* makeResultLabel(const char* name, const QString& accessibleName, QWidget* parent);

// Widens a result that stands alone in its row to the widest answer a window writes: a sign
// and 15 digits after "0.00".
void fitAnyAnswer(QLabel* result);

QPushButton* makeButton(const char* name, const QString& caption, QWidget* parent);

// A framed panel that groups one tool of a window.
QFrame* makePanel(const char* name, QWidget* parent);

// A full-width rule between the sections of a window.
QFrame* makeRule(const char* name, QWidget* parent);
