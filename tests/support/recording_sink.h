#pragma once

#include "input/message_sink.h"

#include <QStringList>

// Keeps every message a window shows, in order, instead of opening a box.
class RecordingSink : public MessageSink {
public:
    using MessageSink::show;
    void show(const QString& text) override { shown << text; }

    QStringList shown;
};
