#pragma once

#include "input/message_sink.h"

// Shows each message as a modal box over the active window: no icon, one OK button.
class MessageBoxSink : public MessageSink {
public:
    using MessageSink::show;
    void show(const QString& text) override;
};

// The sink every window uses unless it is given another one.
MessageSink& defaultMessageSink();
