#pragma once

#include <QFrame>
#include <QStringList>

// The instruction banner at the top of the session windows: an icon, a title and
// a few lines telling what to do. The texts are its accessible name and
// description too.
class InstructionBanner : public QFrame
{
    Q_OBJECT
public:
    InstructionBanner(const QString &title, const QStringList &lines, QWidget *parent);

    QString title() const { return m_title; }
    QStringList lines() const { return m_lines; }

private:
    QString m_title;
    QStringList m_lines;
};
