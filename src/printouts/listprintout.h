#pragma once

#include "printouts/pagemodel.h"

#include <QDate>
#include <QString>
#include <QStringList>

// The list printout shared by every list window (rankings, eligible list,
// search results): A4 landscape, 10 mm margins, a title bar, the lines in an
// 8 pt fixed-width font exactly as the list shows them (never wrapped, cut at
// the right edge of their 273 mm box), continuing on as many pages as needed
// without a repeated title, and the bar "Stampa eseguita in data dd/mm/yyyy"
// once, right after the last line.
//
// Item names in the page model: "txtTitolo" (the title bar), "txtRiepilogo"
// (one item per list line), "txtPagina" (the date bar).
namespace listprint
{

// Print-job titles (report names) of the windows that print a list.
inline QString meritReportName()
{
    return QStringLiteral("Graduatoria di merito");
}
inline QString alphabeticalReportName()
{
    return QStringLiteral("Graduatoria alfabetica");
}
inline QString eligibleReportName()
{
    return QStringLiteral("Elenco candidati idonei");
}
inline QString searchReportName()
{
    return QStringLiteral("Riepilogo dati");
}

// Geometry, in millimetres.
constexpr qreal kMargin = 10.0;
constexpr qreal kTitleBandHeight = 8.0;
constexpr qreal kFooterBandHeight = 8.0;
constexpr qreal kLineWidth = 273.0;
// One text line: 12.822 pixels at 96 dpi.
constexpr qreal kLinePitch = 12.822 * 25.4 / 96.0;
// The data band is 10 pixels taller than its lines.
constexpr qreal kBandPadding = 10.0 * 25.4 / 96.0;

// "- - - ... -": sixteen hyphens with single spaces between them.
QString separatorLine();
// "TOTALE CANDIDATI:" followed by eleven spaces and count (as given, trimmed).
QString totalLine(const QString &count);

// The lines a ranking prints: its list lines, the separator and the total line.
QStringList rankingLines(const QStringList &lines, const QString &count);

// "Stampa eseguita in data 15/06/2024"
QString dateBarText(const QDate &date);

// Lays the list out on pages. Title and lines are printed literally.
PageModel layoutList(const QString &title, const QStringList &lines, const QDate &date);

} // namespace listprint
