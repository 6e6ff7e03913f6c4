#pragma once

#include <QList>
#include <QString>

#include <functional>

class QPageRanges;
class QPagedPaintDevice;
class QPainter;
class QPageLayout;
struct Page;
struct PageModel;

// Draws page models. The same code serves the printer, the preview and PDF
// files, so what a test reads back from a PDF is what the printer gets.
namespace report
{

// The paper of the model with no margins: item positions are measured from the
// paper's corner.
QPageLayout pageLayout(const PageModel &model);

// Draws one page with painter, which is active on a device whose origin is the
// paper's top-left corner; dotsPerMm converts millimetres to device units.
void paintPage(QPainter &painter, const Page &page, qreal dotsPerMmX, qreal dotsPerMmY);

// Draws every page of the model on device (already set to the model's paper,
// with its origin at the paper's corner), starting a new sheet between pages.
// Returns false when the device cannot be painted on.
bool paintModel(const PageModel &model, QPagedPaintDevice &device);

// The sheets to paint, in order, as 0-based page numbers: the pages in ranges
// (1-based, as the print dialog gives them; empty = every page) that exist, from
// the last when lastFirst is set, copies times over, as whole sets when collate
// is set or page by page otherwise.
QList<qsizetype> pageSequence(qsizetype pageCount, const QPageRanges &ranges, int copies, bool collate,
                              bool lastFirst = false);

enum class PaintResult {
    Done,    // every sheet painted and the painter ended
    Failed,  // the painter did not start, a sheet could not be started or the end failed
    Stopped, // beforeSheet asked to stop; the painter is still active on device
};

// Paints the pages of sequence on device, one sheet each. beforeSheet(k, n), when
// given, runs before sheet k (1-based) of n and returns false to stop there: then
// painter is left active so the caller can abort the job before ending it.
PaintResult paintSequence(const PageModel &model, QPagedPaintDevice &device, QPainter &painter,
                          const QList<qsizetype> &sequence,
                          const std::function<bool(qsizetype, qsizetype)> &beforeSheet = {});

// Writes the model to a PDF file; false when the file cannot be written.
bool renderPdf(const PageModel &model, const QString &path, const QString &title = QString());

} // namespace report
