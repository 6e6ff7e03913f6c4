#pragma once

#include <QAccessible>
#include <QLabel>
#include <QString>

// Labels that show data (a record number, a status text, a count, a session
// name) are read by screen readers through their accessibility interface: the
// name is the caption, if any, followed by the text shown ("Scheda 3"), the
// text interface and the value give the text shown. A change of the text is
// announced (name and text change events) where it is set through DataLabel
// or followed by announce().
namespace datalabel
{

// Gives the label that interface. The caption is spoken before the value; the
// description says what the value is when there is no caption.
void expose(QLabel *label, const QString &caption = QString(), const QString &description = QString(),
            QAccessible::Role role = QAccessible::StaticText);

// Tells screen readers that the label's text changed from `before`.
void announce(QLabel *label, const QString &before);

} // namespace datalabel

// A label whose every new text is announced. Code that reaches it as a
// DataLabel (the editor's record number, status line and name band) sets its
// text through these.
class DataLabel : public QLabel
{
    Q_OBJECT
public:
    DataLabel(const QString &text, QWidget *parent) : QLabel(text, parent) {}

    void setText(const QString &text);
    void clear() { setText(QString()); }
};
