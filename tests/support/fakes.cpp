#include "fakes.h"

#include <QTest>

bool FakeMessages::show(Kind kind, const QString &text, QWidget *parent)
{
    Q_UNUSED(parent);
    const Shown s{kind, text};
    m_shown.append(s);
    if (onShow)
        onShow(s);
    if (kind != Kind::Confirmation)
        return true;
    if (m_answers.isEmpty()) {
        m_problems.append(QStringLiteral("unanswered confirmation: ") + text);
        return false;
    }
    return m_answers.takeFirst();
}

Messages::Answer FakeMessages::ask(QWidget *parent, const QString &text)
{
    Q_UNUSED(parent);
    const Shown s{Kind::Question, text};
    m_shown.append(s);
    if (onShow)
        onShow(s);
    if (m_questionAnswers.isEmpty()) {
        m_problems.append(QStringLiteral("unanswered question: ") + text);
        return Answer::Cancel;
    }
    return m_questionAnswers.takeFirst();
}

QList<FakeMessages::Shown> FakeMessages::take()
{
    QList<Shown> r;
    r.swap(m_shown);
    return r;
}

QStringList FakeMessages::problems() const
{
    QStringList p = m_problems;
    if (!m_answers.isEmpty())
        p.append(QStringLiteral("%1 confirmation answer(s) left unused").arg(m_answers.size()));
    if (!m_questionAnswers.isEmpty())
        p.append(QStringLiteral("%1 question answer(s) left unused").arg(m_questionAnswers.size()));
    return p;
}

char *toString(const FakeMessages::Shown &shown)
{
    static const char *names[] = {"Warning", "Error",        "Information", "Confirmation",
                                  "Plain",   "GeneralError", "Question"};
    const QByteArray s =
        QByteArray(names[static_cast<int>(shown.kind)]) + ": \"" + shown.text.toUtf8() + "\"";
    return qstrdup(s.constData());
}
