#pragma once

#include <QString>

struct PageModel;

// "Salva PDF" of the ranking windows: the page model of the printout written to
// a PDF file with its text selectable.
namespace rankingpdf
{

// "<heading>.pdf" in documentsFolder: the name the save dialog proposes.
QString proposedPath(const QString &documentsFolder, const QString &heading);

// Writes the pages to path through a temporary file in the same folder, renamed
// only once complete, so a failure leaves nothing half written under that name.
// On failure returns false and sets error to the reason.
bool save(const PageModel &pages, const QString &path, const QString &title, QString *error);

} // namespace rankingpdf
