#pragma once

#include "widgets/working_panel.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWidget>

// Finds a window's control by its name; a missing one fails the test at once.
template <class Control> Control* control(QWidget* window, const char* name)
{
    auto* found = window->findChild<Control*>(QLatin1String(name));
    if (!found)
        qFatal("no control named %s", name);
    return found;
}

// Types into a field as a pupil would: the old text selected away first.
inline void typeInto(QWidget* window, const char* name, const QString& text)
{
    auto* field = control<QLineEdit>(window, name);
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

// The working's lines as the pupil reads them, heading first, one a line; the label itself
// holds them laid out as a table.
inline QString workingText(QWidget* window)
{
    return control<WorkingPanel>(window, "workingPanel")->text();
}

inline QString textOf(QWidget* window, const char* name)
{
    if (QLatin1String(name) == QLatin1String("working"))
        return workingText(window);
    if (auto* field = window->findChild<QLineEdit*>(QLatin1String(name)))
        return field->text();
    return control<QLabel>(window, name)->text();
}

inline void click(QWidget* window, const char* name)
{
    QTest::mouseClick(control<QPushButton>(window, name), Qt::LeftButton);
}

// Types "field=text" entries, then clicks the named button, or presses Return in the named
// field, as a pupil who ends the last entry with Return does.
inline void typeAndPress(QWidget* window, const QStringList& typed, const QString& press)
{
    for (const QString& entry : typed)
        typeInto(window, entry.section(u'=', 0, 0).toLatin1(), entry.section(u'=', 1));
    if (auto* field = window->findChild<QLineEdit*>(press))
        QTest::keyClick(field, Qt::Key_Return);
    else
        click(window, press.toLatin1());
}

// Fills every field with text no reader takes ("junk" and "1/0" in turn), so a button that
// reads a field it must not leave alone shows a message instead of its answer.
inline void fillWithJunk(QWidget* window)
{
    int index = 0;
    for (QLineEdit* field : window->findChildren<QLineEdit*>())
        field->setText(index++ % 2 ? QStringLiteral("1/0") : QStringLiteral("junk"));
}
