#pragma once

#include <QAccessible>
#include <QString>

class QLabel;

// Labels that show data (a record number, a status text, a count, a session
// name) are read by screen readers through their accessibility interface: the
// name is the caption, if any, followed by the text shown ("Scheda 3"), the
// text interface and the value give the text shown, and every change of the
// text is announced as a name change.
namespace datalabel
{

// Gives the label that interface. The caption is spoken before the value; the
// description says what the value is when there is no caption.
void expose(QLabel *label, const QString &caption = QString(), const QString &description = QString(),
            QAccessible::Role role = QAccessible::StaticText);

} // namespace datalabel
