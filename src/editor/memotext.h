#pragma once

#include <QString>

// The exam-details memo shows line breaks as "\n"; the record stores them as the
// memo control of the systems the program is made for hands them over, CR LF.
namespace memotext
{

QString toStored(const QString &shown);
QString fromStored(const QString &stored);

// Characters the text takes once stored (each line break counts two).
qsizetype storedLength(const QString &shown);

} // namespace memotext
