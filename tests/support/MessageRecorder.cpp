#include "MessageRecorder.h"

MessageRecorder::MessageRecorder()
{
    MessageBoxes::setHandler([this](const MessageRequest &request) {
        m_messages << request;
        if (request.buttons == MsgButtons::Ok)
            return MsgOk;
        return m_answers.isEmpty() ? request.defaultAnswer : m_answers.dequeue();
    });
    MessageBoxes::setBeepHandler([this] { ++m_beeps; });
}

MessageRecorder::~MessageRecorder()
{
    MessageBoxes::setHandler({});
    MessageBoxes::setBeepHandler({});
}

QStringList MessageRecorder::texts() const
{
    QStringList out;
    for (const MessageRequest &m : m_messages)
        out << m.text;
    return out;
}
