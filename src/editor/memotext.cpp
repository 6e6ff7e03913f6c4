#include "editor/memotext.h"

namespace memotext
{

QString toStored(const QString &shown)
{
    QString s = shown;
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(u'\r', u'\n');
    s.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return s;
}

QString fromDocument(const QString &rawText)
{
    QString s = rawText;
    s.replace(QChar::ParagraphSeparator, u'\n');
    s.replace(QChar::LineSeparator, u'\n');
    return s;
}

QString fromStored(const QString &stored)
{
    QString s = stored;
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(u'\r', u'\n');
    return s;
}

qsizetype storedLength(const QString &shown)
{
    return shown.size() + shown.count(u'\n');
}

} // namespace memotext
