#pragma once
// Every error, information and question of the program goes through this seam.
// The program shows standard message boxes; tests install a recorder that keeps
// each message and answers questions from a script.
#include <QString>

class QWidget;

namespace widgets {

enum class MessageKind { Error, Information, Warning, QuestionYesNo, QuestionOkCancel };

class Messages
{
public:
    virtual ~Messages() = default;
    virtual void error(const QString &text) = 0;
    virtual void information(const QString &text) = 0;
    virtual void warning(const QString &text) = 0;
    // true for Yes / OK.
    virtual bool questionYesNo(const QString &text) = 0;
    virtual bool questionOkCancel(const QString &text) = 0;

    // The messages in use; message boxes unless something else was installed.
    static Messages &current();
    // Installs an implementation (not owned); nullptr restores the message boxes.
    static void install(Messages *messages);
};

// The message boxes of the program, over the active window, titled with the
// application's name.
class BoxMessages : public Messages
{
public:
    void error(const QString &text) override;
    void information(const QString &text) override;
    void warning(const QString &text) override;
    bool questionYesNo(const QString &text) override;
    bool questionOkCancel(const QString &text) override;
};

inline Messages &messages()
{
    return Messages::current();
}

} // namespace widgets
