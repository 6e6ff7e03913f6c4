#include "lists/ListLook.h"

#include "common/Fonts.h"
#include "common/PushButton.h"
#include "common/ScrollBars.h"
#include "common/SvgPicture.h"
#include "common/TextPlate.h"
#include "rankings/LineList.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

namespace listlook
{

SvgPicture *picture(QWidget *parent, const char *name, const char *resource, const QRect &geometry,
                    const QString &accessibleName)
{
    auto *p = new SvgPicture(QString::fromLatin1(name),
                             QStringLiteral(":/pictures/%1.svg").arg(QLatin1String(resource)), parent);
    p->setGeometry(geometry);
    p->setAccessibleName(accessibleName);
    return p;
}

QPushButton *button(QWidget *parent, const char *name, const QString &text, const QRect &geometry)
{
    return makePushButton(parent, QString::fromLatin1(name), text, geometry);
}

QLabel *caption(QWidget *parent, const char *name, const QString &text, const QColor &color,
                const QRect &geometry)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setFont(fonts::verdana(10, true));
    l->setAlignment(Qt::AlignCenter);
    textplate::put(l, color);
    l->setGeometry(geometry);
    return l;
}

SvgPicture *instructions(QWidget *parent, const char *name, const QRect &geometry)
{
    return picture(
        parent, name, "lists_istruzioni", geometry,
        QStringLiteral("Digitare una o più parole consecutive presenti nella voce da trovare e premere "
                       "Trova. Premere di nuovo Trova per passare alla voce successiva con la stessa "
                       "chiave di ricerca."));
}

void findRow(QWidget *parent, const QRect &geometry, SvgPicture **lens, QLineEdit **field,
             QPushButton **button)
{
    const int h = geometry.height();
    *lens = picture(parent, "imgLente", "lists_lente", QRect(geometry.x(), geometry.y(), h, h),
                    QStringLiteral("Lente"));
    *field = new QLineEdit(parent);
    (*field)->setObjectName(QStringLiteral("txtTrova"));
    (*field)->setFont(fonts::verdana(12, true));
    (*field)->setAccessibleName(QStringLiteral("Testo da trovare"));
    // Lens, field and button; the field ends 10 pixels before the button.
    constexpr int kButtonWidth = 120;
    (*field)->setGeometry(geometry.x() + h + 6, geometry.y(), geometry.width() - h - 6 - 10 - kButtonWidth,
                          h);
    *button = listlook::button(
        parent, "btnTrova", QStringLiteral("Trova"),
        QRect(geometry.x() + geometry.width() - kButtonWidth, geometry.y(), kButtonWidth, h));
}

int widestFor(int windowWidth, LineListView *list)
{
    scrollbars::makePlain(list);
    const int lineView =
        LineListModel::kLineWidth + 2 * list->frameWidth() + list->verticalScrollBar()->sizeHint().width();
    return windowWidth - list->width() + lineView;
}

} // namespace listlook
