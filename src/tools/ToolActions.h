#pragma once

class AppContext;
class QWidget;

// Windows the session editor opens, modally over it.
namespace tools
{

// The editor's check button beside the fiscal code: the fiscal code check or the VAT
// number check, as the code in the field asks.
void openTaxCodeCheck(AppContext &app, QWidget *editor);

// The scientific calculator, whose result goes into the editor's score field.
void openCalculator(AppContext &app, QWidget *editor);

} // namespace tools
