#pragma once

#include <QColor>
#include <QRect>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;
class SvgPicture;
class LineListView;

// The shared look of the list windows (search results, eligible candidates):
// Verdana buttons with a hand cursor, coloured centred captions, the find row.
namespace listlook
{

// A picture from :/pictures/<resource>.svg; its accessible name says what it shows or reads.
SvgPicture *picture(QWidget *parent, const char *name, const char *resource, const QRect &geometry,
                    const QString &accessibleName);

QPushButton *button(QWidget *parent, const char *name, const QString &text, const QRect &geometry);

QLabel *caption(QWidget *parent, const char *name, const QString &text, const QColor &color,
                const QRect &geometry);

// The find instructions picture.
SvgPicture *instructions(QWidget *parent, const char *name, const QRect &geometry);

// The magnifier, the search field txtTrova and the Trova button in one row.
void findRow(QWidget *parent, const QRect &geometry, SvgPicture **lens, QLineEdit **field,
             QPushButton **button);

// The width at which a window whose list is now list->width() wide shows whole
// lines (frame and scroll bar included); also gives the list plain scroll bars.
int widestFor(int windowWidth, LineListView *list);

} // namespace listlook
