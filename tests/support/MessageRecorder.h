#pragma once
#include "MessageBoxes.h"

#include <QList>
#include <QQueue>

// Records every message box while alive and answers from a script (Ok for
// boxes without a question, the scripted answers in order for questions, the
// default button once the script is used up). Beeps are counted.
class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder &) = delete;
    MessageRecorder &operator=(const MessageRecorder &) = delete;

    void answerNext(MsgAnswer answer) { m_answers.enqueue(answer); }
    const QList<MessageRequest> &messages() const { return m_messages; }
    QStringList texts() const;
    const MessageRequest &last() const { return m_messages.last(); }
    int count() const { return static_cast<int>(m_messages.size()); }
    int beeps() const { return m_beeps; }
    void clear()
    {
        m_messages.clear();
        m_beeps = 0;
    }

private:
    QList<MessageRequest> m_messages;
    QQueue<MsgAnswer> m_answers;
    int m_beeps = 0;
};
