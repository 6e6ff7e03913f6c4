#pragma once

#include <QByteArray>
#include <QString>

// Windows-1252, the single-byte code page of session files and the spreadsheet
// export. Qt's own codec writes 0x1A for characters the code page lacks; here such
// a character becomes its unaccented base letter when it has one, else "?".
namespace cp1252
{

QByteArray encode(const QString &s);
QString decode(const char *bytes, qsizetype length);
inline QString decode(const QByteArray &bytes)
{
    return decode(bytes.constData(), bytes.size());
}

// The byte for one character (as encode would write it).
char encodeChar(QChar c);

} // namespace cp1252
