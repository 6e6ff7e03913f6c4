#pragma once

#include <QString>

class QWidget;

// Every message box of the program goes through here, so tests can see the exact
// text and kind and answer confirmations.
class Messages
{
public:
    enum class Kind {
        Warning,      // warning icon, OK + Cancel (which one is pressed does not matter)
        Error,        // error icon, OK + Cancel
        Information,  // information icon, OK + Cancel
        Confirmation, // question icon, Yes + No; only No cancels
        Plain,        // no icon, OK
        GeneralError, // a failure no action handled: its text, OK
        Question,     // question icon, Yes + No + Cancel (see ask())
    };

    enum class Answer { Yes, No, Cancel };

    virtual ~Messages() = default;

    // Shows the box modally; returns true unless a confirmation was answered No.
    virtual bool show(Kind kind, const QString &text, QWidget *parent) = 0;

    void warning(QWidget *parent, const QString &text) { show(Kind::Warning, text, parent); }
    void error(QWidget *parent, const QString &text) { show(Kind::Error, text, parent); }
    void information(QWidget *parent, const QString &text) { show(Kind::Information, text, parent); }
    bool confirm(QWidget *parent, const QString &text) { return show(Kind::Confirmation, text, parent); }
    void plain(QWidget *parent, const QString &text) { show(Kind::Plain, text, parent); }
    void generalError(QWidget *parent, const QString &text) { show(Kind::GeneralError, text, parent); }

    // A three-way question: Yes, No or Cancel (Escape). Boxes that cannot offer
    // the third button answer Yes when show() gives true, else Cancel.
    virtual Answer ask(QWidget *parent, const QString &text)
    {
        return show(Kind::Question, text, parent) ? Answer::Yes : Answer::Cancel;
    }
};

// The real boxes.
class DialogMessages : public Messages
{
public:
    bool show(Kind kind, const QString &text, QWidget *parent) override;
    Answer ask(QWidget *parent, const QString &text) override;
};
