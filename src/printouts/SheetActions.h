#pragma once

class AppContext;
class QWidget;

// Windows the session editor opens, modally over it.
namespace sheet
{

// The preview window of the candidate sheet shown in the editor.
void openPreview(AppContext &app, QWidget *editor);

// The print window of the candidate sheet shown in the editor.
void openPrint(AppContext &app, QWidget *editor);

} // namespace sheet
