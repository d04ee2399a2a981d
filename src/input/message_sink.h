#pragma once

#include "input/messages.h"

#include <QString>

// Where a window's fixed messages go: a modal box for the pupil, a list in the tests.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void show(const QString& text) = 0;

    // A refusal from the core, shown as its fixed text.
    void show(Message message) { show(messageText(message)); }
};
