#include "printouts/listprintout.h"

#include "common/formats.h"
#include "common/text.h"

namespace listprint
{

namespace
{
const QColor kSlateGray(0x70, 0x80, 0x90);
constexpr qreal kPaperHeight = 210.0;
constexpr qreal kBottom = kPaperHeight - kMargin;
// Rounding slack, so a line that exactly fills the page still fits.
constexpr qreal kSlack = 0.001;
} // namespace

QString separatorLine()
{
    QString s;
    for (int i = 0; i < 16; ++i) {
        if (i > 0)
            s += u' ';
        s += u'-';
    }
    return s;
}

QString totalLine(const QString &count)
{
    return QStringLiteral("TOTALE CANDIDATI:           ") + text::trimmed(count);
}

QStringList rankingLines(const QStringList &lines, const QString &count)
{
    QStringList all = lines;
    all.append(separatorLine());
    all.append(totalLine(count));
    return all;
}

QString dateBarText(const QDate &date)
{
    return QStringLiteral("Stampa eseguita in data ") + formats::date(date);
}

PageModel layoutList(const QString &title, const QStringList &lines, const QDate &date)
{
    PageModel model;
    model.paper = QPageSize::A4;
    model.orientation = QPageLayout::Landscape;

    Page *page = &model.addPage();
    qreal y = kMargin;

    page->items.append(PageItem::textBox(QStringLiteral("txtTitolo"), QRectF(kMargin + 2, y + 1, 273, 5),
                                         title, PageFont{QStringLiteral("Verdana"), 9, true}, Qt::AlignCenter,
                                         PageItem::Flow::Clip, Qt::white, kSlateGray));
    y += kTitleBandHeight;

    // The data band splits between lines; each line keeps its own height.
    const PageFont listFont{QStringLiteral("Courier New"), 8, false};
    for (const QString &line : lines) {
        if (y + kLinePitch > kBottom + kSlack) {
            page = &model.addPage();
            y = kMargin;
        }
        page->items.append(PageItem::textBox(QStringLiteral("txtRiepilogo"),
                                             QRectF(kMargin + 3, y, kLineWidth, kLinePitch), line, listFont));
        y += kLinePitch;
    }
    y += kBandPadding;

    // The date bar follows the data band, on a new page when it does not fit.
    if (y + kFooterBandHeight > kBottom + kSlack) {
        page = &model.addPage();
        y = kMargin;
    }
    page->items.append(PageItem::textBox(QStringLiteral("txtPagina"), QRectF(kMargin + 3, y + 2, 272, 5),
                                         dateBarText(date), PageFont{QStringLiteral("Verdana"), 8, true},
                                         Qt::AlignCenter, PageItem::Flow::Clip, Qt::white, kSlateGray));
    return model;
}

} // namespace listprint
