#pragma once

#include "input/message_sink.h"

#include <QString>
#include <QStringView>

// What the reader does at entry, before it looks at the text.
enum class EntryStep {
    None,
    ReturnIfInvalid, // an earlier field of this click was refused: read nothing, say nothing
    SetValid,        // the flag only tells whether the last field read well
};

// The few points in which the windows' readers differ.
struct ReaderBehaviour {
    EntryStep entry = EntryStep::None;
    bool echoesCountMessage = false; // a wrong piece count quotes the whole field
    bool requiresPositive = false;
};

namespace behaviours {
inline constexpr ReaderBehaviour guarded{EntryStep::ReturnIfInvalid, false, false};
inline constexpr ReaderBehaviour selfResetting{EntryStep::SetValid, false, false};
inline constexpr ReaderBehaviour plain{EntryStep::None, false, false};
inline constexpr ReaderBehaviour positive{EntryStep::None, false, true};
inline constexpr ReaderBehaviour positiveEchoing{EntryStep::None, true, true};
} // namespace behaviours

// One field's text read as a number, a fraction (7/4) or a mixed number (1/3/4).
struct FieldReading {
    double value = 0;
    QString message; // empty when the text was accepted

    bool accepted() const { return message.isEmpty(); }
};

// The pure reading, without flag or messages shown: what eval would return and say.
FieldReading parseField(QStringView text, const ReaderBehaviour& behaviour);

// A window's reader: the validity flag of its click, and the messages it shows.
class FieldReader {
public:
    FieldReader(const ReaderBehaviour& behaviour, MessageSink& sink);

    // A click handler calls this before it reads its fields.
    void begin() { m_valid = true; }
    bool isValid() const { return m_valid; }
    const ReaderBehaviour& behaviour() const { return m_behaviour; }

    double eval(QStringView text);

private:
    ReaderBehaviour m_behaviour;
    MessageSink& m_sink;
    bool m_valid = true;
};
