#pragma once

#include <QString>

// The exam-details memo shows line breaks as "\n"; the record stores them as the
// memo control of the systems the program is made for hands them over, CR LF.
namespace memotext
{

QString toStored(const QString &shown);

// The memo's text from its document's raw text: paragraph and line separators
// become "\n" and no-break spaces stay (the plain-text form turns them into
// blanks, which would change a record on every Save).
QString fromDocument(const QString &rawText);
QString fromStored(const QString &stored);

// Characters the text takes once stored (each line break counts two).
qsizetype storedLength(const QString &shown);

} // namespace memotext
