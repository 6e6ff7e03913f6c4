#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class QLabel;
class QWidget;

// The one-line status text at the bottom of a window: pointing at a command shows
// its description, pointing at the background empties it. The description is also
// the control's accessible description, for screen readers.
class StatusLine : public QObject
{
    Q_OBJECT
public:
    explicit StatusLine(QLabel *line);

    void describe(QWidget *control, const QString &description);

    // Pointing at this widget (a background) empties the line.
    void clearOver(QWidget *background);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *m_line;
    QHash<QObject *, QString> m_texts;
};
