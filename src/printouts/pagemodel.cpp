#include "printouts/pagemodel.h"

PageItem PageItem::textBox(const QString &name, const QRectF &rect, const QString &text, const PageFont &font,
                           Qt::Alignment alignment, Flow flow, const QColor &color, const QColor &fill)
{
    PageItem item;
    item.kind = Kind::Text;
    item.name = name;
    item.rect = rect;
    item.text = text;
    item.font = font;
    item.alignment = alignment;
    item.flow = flow;
    item.color = color;
    item.fill = fill;
    return item;
}

PageItem PageItem::rectangle(const QString &name, const QRectF &rect, const QColor &fill,
                             const QColor &outline, qreal penWidth)
{
    PageItem item;
    item.kind = Kind::Rect;
    item.name = name;
    item.rect = rect;
    item.fill = fill;
    item.outline = outline;
    item.penWidth = penWidth;
    return item;
}

PageItem PageItem::line(const QString &name, const QPointF &from, const QPointF &to, const QColor &color,
                        qreal penWidth)
{
    PageItem item;
    item.kind = Kind::Line;
    item.name = name;
    item.rect = QRectF(from, to);
    item.color = color;
    item.penWidth = penWidth;
    return item;
}

QSizeF PageModel::paperSizeMm() const
{
    const QSizeF portrait = QPageSize(paper).size(QPageSize::Millimeter);
    return orientation == QPageLayout::Landscape ? portrait.transposed() : portrait;
}

Page &PageModel::addPage()
{
    pages.append(Page());
    return pages.last();
}

QList<PageItem> PageModel::itemsNamed(const QString &name) const
{
    QList<PageItem> found;
    for (const Page &page : pages)
        for (const PageItem &item : page.items)
            if (item.name == name)
                found.append(item);
    return found;
}

QStringList PageModel::textsOf(const QString &name) const
{
    QStringList texts;
    for (const PageItem &item : itemsNamed(name))
        texts.append(item.text);
    return texts;
}

QList<PageItem> PageModel::itemsNamed(qsizetype page, const QString &name) const
{
    QList<PageItem> found;
    if (page < 0 || page >= pages.size())
        return found;
    for (const PageItem &item : pages.at(page).items)
        if (item.name == name)
            found.append(item);
    return found;
}
