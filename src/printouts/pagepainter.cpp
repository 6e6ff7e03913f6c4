#include "printouts/pagepainter.h"

#include "printouts/pagemodel.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageRanges>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QStringList>
#include <QTextOption>

#include <algorithm>

namespace report
{

QPageLayout pageLayout(const PageModel &model)
{
    return QPageLayout(QPageSize(model.paper), model.orientation, QMarginsF(0, 0, 0, 0),
                       QPageLayout::Millimeter);
}

// The font at its size on paper, whatever the resolution the device reports
// (a printer, a PDF writer or an image with its own scale).
static QFont makeFont(const PageFont &f, const QPainter &painter, qreal dotsPerMmY)
{
    QFont font(f.family);
    const int deviceDpi = painter.device() ? painter.device()->logicalDpiY() : 72;
    font.setPointSizeF(f.pointSize * dotsPerMmY * 25.4 / deviceDpi);
    font.setBold(f.bold);
    font.setItalic(f.italic);
    // Printed text keeps the font's own metrics, so fixed-width columns match the screen.
    font.setHintingPreference(QFont::PreferNoHinting);
    if (f.family.contains(QLatin1String("Courier"), Qt::CaseInsensitive))
        font.setStyleHint(QFont::Monospace);
    return font;
}

static QPen makePen(const QColor &color, qreal widthMm, qreal dotsPerMm)
{
    QPen pen(color);
    pen.setWidthF(qMax<qreal>(widthMm * dotsPerMm, 1.0));
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

// Drops the characters that would start beyond the box's right edge, so a cut
// line holds only what shows on paper (text extraction from a PDF ignores the
// clip). The clip still trims a character that crosses the edge.
static QString cutToWidth(const QString &text, const QFontMetricsF &metrics, qreal width)
{
    QStringList lines = text.split(u'\n');
    for (QString &line : lines) {
        if (metrics.horizontalAdvance(line) <= width)
            continue;
        qreal x = 0;
        qsizetype keep = 0;
        while (keep < line.size() && x < width) {
            x += metrics.horizontalAdvance(line.at(keep));
            ++keep;
        }
        line.truncate(keep);
    }
    return lines.join(u'\n');
}

void paintPage(QPainter &painter, const Page &page, qreal dotsPerMmX, qreal dotsPerMmY)
{
    const auto toDevice = [&](const QRectF &mm) {
        return QRectF(mm.left() * dotsPerMmX, mm.top() * dotsPerMmY, mm.width() * dotsPerMmX,
                      mm.height() * dotsPerMmY);
    };
    for (const PageItem &item : page.items) {
        painter.save();
        const QRectF box = toDevice(item.rect);
        switch (item.kind) {
        case PageItem::Kind::Line:
            painter.setPen(makePen(item.color, item.penWidth, dotsPerMmX));
            painter.drawLine(box.topLeft(), box.bottomRight());
            break;
        case PageItem::Kind::Rect:
        case PageItem::Kind::Text:
            if (item.fill.isValid())
                painter.fillRect(box, item.fill);
            if (item.kind == PageItem::Kind::Text && !item.text.isEmpty()) {
                painter.setClipRect(box, Qt::IntersectClip);
                painter.setFont(makeFont(item.font, painter, dotsPerMmY));
                painter.setPen(item.color);
                QTextOption option(item.alignment);
                option.setWrapMode(item.flow == PageItem::Flow::Wrap
                                       ? QTextOption::WrapAtWordBoundaryOrAnywhere
                                       : QTextOption::NoWrap);
                const QString text =
                    item.flow == PageItem::Flow::Clip && (item.alignment & Qt::AlignLeft)
                        ? cutToWidth(item.text, QFontMetricsF(painter.font(), painter.device()), box.width())
                        : item.text;
                painter.drawText(box, text, option);
                painter.setClipping(false);
            }
            if (item.outline.isValid()) {
                painter.setPen(makePen(item.outline, item.penWidth, dotsPerMmX));
                painter.setBrush(Qt::NoBrush);
                painter.drawRect(box);
            }
            break;
        }
        painter.restore();
    }
}

QList<qsizetype> pageSequence(qsizetype pageCount, const QPageRanges &ranges, int copies, bool collate,
                              bool lastFirst)
{
    QList<qsizetype> set;
    for (qsizetype page = 0; page < pageCount; ++page)
        if (ranges.isEmpty() || ranges.contains(int(page + 1)))
            set.append(page);
    if (lastFirst)
        std::reverse(set.begin(), set.end());
    QList<qsizetype> sequence;
    const int count = qMax(copies, 1);
    if (collate) {
        for (int copy = 0; copy < count; ++copy)
            sequence.append(set);
    } else {
        for (const qsizetype page : set)
            for (int copy = 0; copy < count; ++copy)
                sequence.append(page);
    }
    return sequence;
}

PaintResult paintSequence(const PageModel &model, QPagedPaintDevice &device, QPainter &painter,
                          const QList<qsizetype> &sequence,
                          const std::function<bool(qsizetype, qsizetype)> &beforeSheet)
{
    if (!painter.begin(&device))
        return PaintResult::Failed;
    const qreal dotsPerMmX = device.logicalDpiX() / 25.4;
    const qreal dotsPerMmY = device.logicalDpiY() / 25.4;
    for (qsizetype i = 0; i < sequence.size(); ++i) {
        if (beforeSheet && !beforeSheet(i + 1, sequence.size()))
            return PaintResult::Stopped;
        if (i > 0 && !device.newPage()) {
            painter.end();
            return PaintResult::Failed;
        }
        paintPage(painter, model.pages.at(sequence.at(i)), dotsPerMmX, dotsPerMmY);
    }
    return painter.end() ? PaintResult::Done : PaintResult::Failed;
}

bool paintModel(const PageModel &model, QPagedPaintDevice &device)
{
    QPainter painter;
    return paintSequence(model, device, painter, pageSequence(model.pages.size(), QPageRanges(), 1, true)) ==
           PaintResult::Done;
}

bool renderPdf(const PageModel &model, const QString &path, const QString &title)
{
    QPdfWriter writer(path);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Sintarel"));
    writer.setResolution(600);
    if (!writer.setPageLayout(pageLayout(model)))
        return false;
    return paintModel(model, writer);
}

} // namespace report
