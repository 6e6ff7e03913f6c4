#pragma once

#include <QColor>
#include <QList>
#include <QPageLayout>
#include <QPageSize>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

// A laid-out report: pages of positioned items, every measure in millimetres
// from the top-left corner of the paper. Layout code (list printout, candidate
// sheet) builds one; the painter draws it on a printer, a PDF or the preview;
// tests read it.

// A font by its design family ("Courier New", "Verdana", "Arial"); the program's
// font substitutions turn the family into an installed one when drawn.
struct PageFont {
    QString family = QStringLiteral("Arial");
    qreal pointSize = 10;
    bool bold = false;
    bool italic = false;

    bool operator==(const PageFont &) const = default;
};

struct PageItem {
    enum class Kind {
        Text, // text in a box, optionally on a filled and/or outlined box
        Rect, // filled and/or outlined rectangle
        Line, // straight line from rect.topLeft() to rect.bottomRight()
    };

    // How a text that does not fit its box behaves.
    enum class Flow {
        Clip, // each text line on one line, cut at the box's edges
        Wrap, // word-wrapped to the box's width, cut at its lower edge
    };

    Kind kind = Kind::Text;
    QString name; // the object's name, for look-ups ("txtTitolo"); may repeat
    QRectF rect;  // mm

    // Text only. Printed literally; '\n' separates lines.
    QString text;
    PageFont font;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    Flow flow = Flow::Clip;

    QColor color = Qt::black; // text colour, or the colour of a line
    QColor fill;              // box background; invalid = transparent
    QColor outline;           // box frame; invalid = none
    qreal penWidth = 0.26;    // mm, for outlines and lines

    static PageItem textBox(const QString &name, const QRectF &rect, const QString &text,
                            const PageFont &font, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop,
                            Flow flow = Flow::Clip, const QColor &color = Qt::black,
                            const QColor &fill = QColor());
    static PageItem rectangle(const QString &name, const QRectF &rect, const QColor &fill,
                              const QColor &outline = QColor(), qreal penWidth = 0.26);
    static PageItem line(const QString &name, const QPointF &from, const QPointF &to,
                         const QColor &color = Qt::black, qreal penWidth = 0.26);
};

struct Page {
    // Drawn in this order, later items over earlier ones.
    QList<PageItem> items;
};

struct PageModel {
    QPageSize::PageSizeId paper = QPageSize::A4;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QList<Page> pages;

    // The paper's width and height in mm as laid out (landscape swaps them).
    QSizeF paperSizeMm() const;

    // Adds an empty page and returns it.
    Page &addPage();

    // Every item with this name, page by page, in drawing order.
    QList<PageItem> itemsNamed(const QString &name) const;
    // Their texts.
    QStringList textsOf(const QString &name) const;
    // The items of one page with this name.
    QList<PageItem> itemsNamed(qsizetype page, const QString &name) const;
};
