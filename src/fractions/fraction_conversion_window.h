#pragma once

#include "widgets/tool_window.h"

#include "input/message_box_sink.h"

#include <QList>

#include <array>
#include <initializer_list>

class QLabel;
class QLineEdit;

// Fraction conversion: mixed number to improper fraction and back, to a decimal, and a
// decimal to a mixed number. Four panels, each working alone on its own fields.
class FractionConversionWindow : public ToolWindow {
    Q_OBJECT

public:
    explicit FractionConversionWindow(MessageSink& sink = defaultMessageSink(),
                                      QWidget* parent = nullptr);

private:
    // What a panel's click path uses: its fields and results in reading order, and the
    // heading of its working.
    struct Tool {
        QList<QLineEdit*> fields;
        QList<QLabel*> results;
        QString heading;
    };

    QWidget* buildPanel(int index);
    static QString textOf(const Tool& tool, int field);
    void refuse(Message message, const Tool& tool, std::initializer_list<int> testOrder);

    void toImproper();
    void toMixed();
    void toDecimal();
    void fromDecimal();

    std::array<Tool, 4> m_tools;
};
