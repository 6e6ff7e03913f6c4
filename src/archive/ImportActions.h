#pragma once

#include <QString>

class AppContext;
class QWidget;

namespace importing
{

// Candidates from a CSV file the user picks, previewed, then appended to the
// session all together or not at all.
void importCandidates(AppContext &app, QWidget *parent, const QString &sessionPath, const QString &session);

} // namespace importing
