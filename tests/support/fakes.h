#pragma once

#include "common/FileDialogs.h"
#include "common/Messages.h"
#include "common/clock.h"
#include "common/desktopshell.h"

#include <QList>
#include <QStringList>
#include <QUrl>

// Records every box shown (kind and exact text) and answers confirmations from a
// queue. A confirmation with no queued answer, or answers left unused, are
// problems the fixture reports.
class FakeMessages : public Messages
{
public:
    struct Shown {
        Kind kind;
        QString text;
        bool operator==(const Shown &o) const { return kind == o.kind && text == o.text; }
    };

    bool show(Kind kind, const QString &text, QWidget *parent) override;

    // Recorded as a Question box; answered from its own queue. Unanswered, it
    // stays (Cancel), which loses nothing.
    Answer ask(QWidget *parent, const QString &text) override;

    // Queues the answer to the next confirmation (true = Yes).
    void answer(bool yes) { m_answers.append(yes); }
    // Queues the answer to the next three-way question.
    void answerQuestion(Answer a) { m_questionAnswers.append(a); }

    // The boxes shown since the last call, which forgets them.
    QList<Shown> take();
    const QList<Shown> &shown() const { return m_shown; }

    // Unanswered confirmations and unused answers.
    QStringList problems() const;

    // Runs during each box, as the user would while it is open.
    std::function<void(const Shown &)> onShow;

private:
    QList<Shown> m_shown;
    QList<bool> m_answers;
    QList<Answer> m_questionAnswers;
    QStringList m_problems;
};

char *toString(const FakeMessages::Shown &shown);

class FakeDesktopShell : public DesktopShell
{
public:
    void open(const QUrl &url) override { opened.append(url); }
    QList<QUrl> opened;
};

class FixedClock : public Clock
{
public:
    explicit FixedClock(QDate date = QDate(2026, 12, 9)) : date(date) {}
    QDate today() const override { return date; }
    QDateTime now() const override { return QDateTime(date, QTime(10, 30)); }
    QDate date;
};

// Answers every file chooser with one path (empty: the user cancels) and keeps
// the requests, for as long as it lives.
struct ChooseFile {
    explicit ChooseFile(const QString &path)
    {
        filedialogs::install([this, path](const filedialogs::Request &r) {
            requests.append(r);
            return path;
        });
    }
    ~ChooseFile() { filedialogs::install({}); }
    QList<filedialogs::Request> requests;
};
