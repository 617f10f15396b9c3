#pragma once
// The tests' Messages: keeps every message shown and answers questions from a
// script (Yes / OK unless told otherwise). Installed for its lifetime.
#include <QList>
#include <QString>

#include "qt_printers.h"
#include "widgets/messages.h"

struct RecordedMessage {
    widgets::MessageKind kind;
    QString text;
};

class RecordingMessages : public widgets::Messages
{
public:
    RecordingMessages() { install(this); }
    ~RecordingMessages() override { install(nullptr); }

    void error(const QString &text) override { m_shown.append({widgets::MessageKind::Error, text}); }
    void information(const QString &text) override { m_shown.append({widgets::MessageKind::Information, text}); }
    void warning(const QString &text) override { m_shown.append({widgets::MessageKind::Warning, text}); }
    bool questionYesNo(const QString &text) override { return answer(widgets::MessageKind::QuestionYesNo, text); }
    bool questionOkCancel(const QString &text) override { return answer(widgets::MessageKind::QuestionOkCancel, text); }

    // Answers for the next questions, in order; when they run out the answer is yes.
    void answerNext(std::initializer_list<bool> answers) { m_answers.append(answers); }
    const QList<RecordedMessage> &shown() const { return m_shown; }
    QStringList texts() const
    {
        QStringList out;
        for (const auto &m : m_shown)
            out << m.text;
        return out;
    }
    QString last() const { return m_shown.isEmpty() ? QString() : m_shown.last().text; }
    void clear() { m_shown.clear(); }

private:
    bool answer(widgets::MessageKind kind, const QString &text)
    {
        m_shown.append({kind, text});
        return m_answers.isEmpty() ? true : m_answers.takeFirst();
    }
    QList<RecordedMessage> m_shown;
    QList<bool> m_answers;
};
