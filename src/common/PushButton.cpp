#include "common/PushButton.h"

#include "common/Fonts.h"

#include <QPushButton>

QPushButton *makePushButton(QWidget *parent, const QString &objectName, const QString &words,
                            const QRect &geometry, const QFont &font)
{
    auto *b = new QPushButton(words, parent);
    b->setObjectName(objectName);
    b->setFont(font);
    b->setCursor(Qt::PointingHandCursor);
    // Enter presses the button that has the focus, as Space does.
    b->setAutoDefault(true);
    b->setGeometry(geometry);
    return b;
}

QPushButton *makePushButton(QWidget *parent, const QString &objectName, const QString &words,
                            const QRect &geometry)
{
    return makePushButton(parent, objectName, words, geometry, fonts::verdana(10, true));
}
