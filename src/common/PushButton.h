#pragma once

#include <QFont>
#include <QRect>
#include <QString>

class QPushButton;
class QWidget;

// The program's push button: hand cursor, Enter and Space press it while it has
// the focus, Verdana bold 10 pt unless told otherwise. A field that wants Enter
// for itself takes the key before it reaches the window.
QPushButton *makePushButton(QWidget *parent, const QString &objectName, const QString &words,
                            const QRect &geometry);
QPushButton *makePushButton(QWidget *parent, const QString &objectName, const QString &words,
                            const QRect &geometry, const QFont &font);
