#pragma once

#include "input/field_reader.h"
#include "input/message_box_sink.h"

#include <QWidget>

// Complex numbers: the four operations, powers of i, and the polar form.
class Form13 : public QWidget {
    Q_OBJECT

public:
    explicit Form13(MessageSink& sink = defaultMessageSink(), QWidget* parent = nullptr);
};
