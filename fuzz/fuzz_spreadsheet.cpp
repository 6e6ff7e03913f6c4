// Any cell texts: the spreadsheet file stays well-formed, one table whose every
// data row has seven cells, whatever the cells hold.
#include "export/spreadsheet.h"

#include <QByteArray>
#include <QList>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // Cells are the input split at byte 0x1F; rows of seven.
    const QList<QByteArray> parts =
        QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)).split('\x1f');
    QStringList cells;
    for (const QByteArray &p : parts)
        cells << QString::fromUtf8(p);
    const qsizetype rows = (cells.size() + 6) / 7;
    const QByteArray doc = spreadsheet::document(rows, [&](qsizetype row, int column) {
        const qsizetype i = row * 7 + column;
        return i < cells.size() ? cells[i] : QString();
    });
    if (doc.count("<table") != 1 || doc.count("</table>") != 1)
        __builtin_trap();
    // The header row and one row per record, each of seven cells; no cell text can
    // open or close an element.
    const QList<QByteArray> trs = doc.split('<');
    qsizetype tr = 0, td = 0, endTd = 0;
    for (const QByteArray &t : trs) {
        tr += t.startsWith("tr>");
        td += t.startsWith("td ");
        endTd += t.startsWith("/td>");
        if (!t.isEmpty() &&
            !(t.startsWith("tr>") || t.startsWith("/tr>") || t.startsWith("td ") || t.startsWith("/td>") ||
              t.at(0) == '!' || t.at(0) == '/' || (t.at(0) >= 'a' && t.at(0) <= 'z')))
            __builtin_trap();
    }
    if (tr != rows + 1 || td != 7 * (rows + 1) || endTd != td)
        __builtin_trap();
    return 0;
}
