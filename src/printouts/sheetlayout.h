#pragma once

#include "printouts/pagemodel.h"

#include <QString>

// The candidate sheet: one A4 portrait page of the record shown in the session
// editor, with a fixed place for every value.
namespace sheetlayout
{

// The print window and the preview window lay the sheet out the same way but for
// the provenance heading and value, which sit 1 mm apart differently.
enum class Variant { Print, Preview };

// The values as the editor's controls hold them, untrimmed.
struct SheetValues {
    QString sessionName;  // lblNome
    QString recordNumber; // lblPosizione, empty for a record not yet stored
    QString candidate;    // txtConcorrente
    QString fiscalCode;   // txtResponsabile
    QString provenance;   // txtTelefono
    QString examDate;     // txtEmail
    QString examDetails;  // txtGare, all its lines
    QString score;        // txtPunteggio
    QString notes;        // txtNote
};

// The report's name: the preview's caption and the print job's title.
QString reportName();

// The page with all its objects in drawing order, values trimmed and printed
// literally. Always exactly one page: overlong texts are cut at their boxes.
PageModel layout(const SheetValues &values, Variant variant);

} // namespace sheetlayout
