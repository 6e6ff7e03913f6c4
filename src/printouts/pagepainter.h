#pragma once

#include <QString>

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

// Writes the model to a PDF file; false when the file cannot be written.
bool renderPdf(const PageModel &model, const QString &path, const QString &title = QString());

} // namespace report
