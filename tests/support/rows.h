#pragma once

#include <QTest>

// One data row on one line: its name, then its cells in column order.
template <class... Cells> void row(const char* name, const Cells&... cells)
{
    (QTest::newRow(name) << ... << cells);
}
