#pragma once

class AppContext;
class QWidget;

// Windows the session editor opens, modally over it.
namespace exporting
{

// The spreadsheet export of the editor's session.
void openExport(AppContext &app, QWidget *editor);

} // namespace exporting
