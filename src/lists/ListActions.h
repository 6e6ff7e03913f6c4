#pragma once

class AppContext;
class QWidget;

// Windows the session editor opens, modally over it.
namespace lists
{

// The candidate search over the editor's session.
void openSearch(AppContext &app, QWidget *editor);

// The list of eligible candidates of the editor's session.
void openEligible(AppContext &app, QWidget *editor);

} // namespace lists
