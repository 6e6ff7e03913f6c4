#include "printouts/sheetlayout.h"

#include "common/text.h"

namespace sheetlayout
{

namespace
{

const QColor kBeige(0xF5, 0xF5, 0xDC);
const QColor kCornflowerBlue(0x64, 0x95, 0xED);
const QColor kLightYellow(0xFF, 0xFF, 0xE0);
const QColor kWhite(0xFF, 0xFF, 0xFF);
const QColor kBlack(0x00, 0x00, 0x00);

// One pixel at 96 dpi.
constexpr qreal kLineWidth = 25.4 / 96.0;

PageFont arial(qreal pointSize, bool bold)
{
    return PageFont{QStringLiteral("Arial"), pointSize, bold};
}

// A filled rectangle whose outline has the fill colour.
PageItem strip(const char *name, qreal left, qreal top, qreal width, qreal height, const QColor &colour)
{
    return PageItem::rectangle(QString::fromLatin1(name), QRectF(left, top, width, height), colour, colour,
                               kLineWidth);
}

PageItem vertical(const char *name, qreal left, qreal top, qreal height)
{
    return PageItem::line(QString::fromLatin1(name), QPointF(left, top), QPointF(left, top + height), kBlack,
                          kLineWidth);
}

PageItem horizontal(const char *name, qreal left, qreal top, qreal width)
{
    return PageItem::line(QString::fromLatin1(name), QPointF(left, top), QPointF(left + width, top), kBlack,
                          kLineWidth);
}

// A single-line text, cut at its box, vertically centred, on no background.
PageItem label(const char *name, qreal left, qreal top, qreal width, qreal height, const QString &text,
               const PageFont &font, const QColor &colour, Qt::Alignment horizontal = Qt::AlignLeft)
{
    return PageItem::textBox(QString::fromLatin1(name), QRectF(left, top, width, height), text, font,
                             horizontal | Qt::AlignVCenter, PageItem::Flow::Clip, colour);
}

// Line breaks of any origin as the page model's '\n'.
QString unifyLineBreaks(QString s)
{
    s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    s.replace(u'\r', u'\n');
    s.replace(QChar::ParagraphSeparator, u'\n');
    s.replace(QChar::LineSeparator, u'\n');
    return s;
}

} // namespace

QString reportName()
{
    return QStringLiteral("Candidato ed esame");
}

PageModel layout(const SheetValues &v, Variant variant)
{
    const bool preview = variant == Variant::Preview;
    // A control character stored in a field prints as a blank; the details keep their lines.
    const auto t = [](const QString &s, bool lines = false) {
        QString value = text::trimmed(s);
        text::blankControls(value, lines);
        return value;
    };

    PageModel model;
    model.paper = QPageSize::A4;
    model.orientation = QPageLayout::Portrait;
    QList<PageItem> &items = model.addPage().items;

    items.append(strip("Shape2", 11.0, 39.8, 188.0, 223.0, kBeige));
    items.append(vertical("Line1", 10.0, 15.0, 274.0));
    items.append(horizontal("Line2", 10.0, 289.2, 190.0));
    items.append(horizontal("Line3", 10.0, 14.8, 190.0));
    items.append(vertical("Line4", 200.0, 15.0, 274.0));
    items.append(label("lblNome", 10.0, 10.4, 169.0, 3.4, t(v.sessionName), arial(7, false), kBlack));
    items.append(strip("Shape6", 11.0, 16.0, 188.0, 6.0, kCornflowerBlue));
    items.append(label("titCommittente", 12.0, 17.2, 24.4, 3.8, QStringLiteral("CANDIDATO:"), arial(8, true),
                       kLightYellow));
    items.append(label("txtConcorrente", 38.0, 17.2, 159.0, 3.8, t(v.candidate), arial(8, true), kWhite));
    items.append(strip("Shape7", 11.0, 281.8, 188.0, 6.0, kBeige));
    items.append(strip("Shape13", 11.0, 275.0, 188.0, 5.8, kCornflowerBlue));
    items.append(label("Memo5", 12.0, 276.0, 186.0, 4.0, QStringLiteral("NOTE:"), arial(9, true), kWhite));
    items.append(PageItem::textBox(QStringLiteral("txtGare"), QRectF(13.0, 42.0, 184.0, 217.8),
                                   t(unifyLineBreaks(v.examDetails), true), arial(8, false),
                                   Qt::AlignLeft | Qt::AlignTop, PageItem::Flow::Wrap, kBlack, kBeige));
    items.append(label("txtNote", 12.0, 283.0, 186.0, 3.8, t(v.notes), arial(8, false), kBlack));
    items.append(strip("Shape15", 119.0, 266.0, 80.0, 5.8, kCornflowerBlue));
    items.append(label("Memo1", 121.0, 267.2, 31.0, 4.0, QStringLiteral("Punteggio totale:"), arial(9, true),
                       kLightYellow));
    items.append(strip("Shape1", 11.0, 266.0, 104.0, 6.0, kCornflowerBlue));
    items.append(
        label("Memo7", 12.0, 267.2, 26.4, 3.8, QStringLiteral("DATA ESAME:"), arial(8, true), kLightYellow));
    items.append(label("txtEmail", 40.0, 267.2, 74.0, 3.8, t(v.examDate), arial(8, true), kWhite));
    items.append(strip("Shape3", 11.0, 23.6, 79.0, 6.0, kCornflowerBlue));
    items.append(label("titImpresa", 12.0, 24.8, 30.4, 3.8, QStringLiteral("CODICE FISCALE:"), arial(8, true),
                       kLightYellow));
    items.append(label("txtResponsabile", 44.0, 24.8, 44.0, 3.8, t(v.fiscalCode), arial(8, true), kWhite));
    items.append(strip("Shape4", 92.0, 23.6, 107.0, 6.0, kCornflowerBlue));
    items.append(label("Memo6", 93.2, 24.8, preview ? 28.4 : 27.4, 3.8, QStringLiteral("PROVENIENZA:"),
                       arial(8, true), kLightYellow));
    items.append(label("txtTelefono", preview ? 123.0 : 122.0, 24.8, preview ? 74.0 : 75.0, 3.8,
                       t(v.provenance), arial(8, true), kWhite));
    items.append(label("txtPagina", 180.0, 10.4, 20.0, 3.4, QStringLiteral("p. ") + t(v.recordNumber),
                       arial(7, false), kBlack, Qt::AlignRight));
    items.append(strip("Shape5", 11.0, 32.0, 188.0, 6.0, kCornflowerBlue));
    items.append(label("Memo2", 12.0, 33.0, 63.0, 4.0, QStringLiteral("DETTAGLI ESAME:"), arial(9, true),
                       kLightYellow));
    items.append(
        label("txtPunteggio", 153.0, 267.2, 45.0, 3.8, t(v.score), arial(8, true), kWhite, Qt::AlignRight));
    return model;
}

} // namespace sheetlayout
