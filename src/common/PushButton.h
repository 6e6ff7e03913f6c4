#pragma once

#include <QFont>
#include <QRect>
#include <QString>

class QPushButton;
class QWidget;

// The program's push button: hand cursor, never a default button (Enter belongs
// to the field being typed in), Verdana bold 10 pt unless told otherwise.
QPushButton *makePushButton(QWidget *parent, const QString &objectName, const QString &words,
                            const QRect &geometry, const QFont &font = QFont());
