#pragma once

#include "input/answer_text.h"

#include <QObject>
#include <QString>

// The answer format the pupil chose, one for the whole program, kept in the program's settings
// file between runs. A file that is missing, unreadable or holds something unknown gives
// Decimal with 2 places; one that cannot be written only forgets the choice at the end.
class AnswerFormat : public QObject {
    Q_OBJECT

public:
    explicit AnswerFormat(const QString& settingsFile, QObject* parent = nullptr);

    // The one every window follows, kept in the user's settings for this program.
    static AnswerFormat& program();
    static QString programSettingsFile();

    AnswerChoice choice() const { return m_choice; }
    void setChoice(AnswerChoice choice);

signals:
    void changed();

private:
    void load();
    void save() const;

    QString m_file;
    AnswerChoice m_choice;
};
