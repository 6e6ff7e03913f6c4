// Any bytes as a CSV file: reading never fails, every record it gives has a
// name, a date and a score in the editor's forms; and any cells written with
// the export's quoting read back as the very cells.
#include "archive/csvimport.h"
#include "common/text.h"
#include "export/csvexport.h"

#include <QByteArray>
#include <QRegularExpression>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const csvimport::Reading r = csvimport::read(bytes, QDate(2026, 12, 9));
    static const QRegularExpression date(QStringLiteral("^\\d\\d/\\d\\d/\\d{4}$"));
    for (const TScheda &record : r.records) {
        if (text::trimmed(record.text(TScheda::Field::Concorrente)).isEmpty())
            __builtin_trap();
        if (!date.match(record.text(TScheda::Field::Email)).hasMatch())
            __builtin_trap();
        if (record.text(TScheda::Field::Punteggio).isEmpty())
            __builtin_trap();
    }

    // Cells are the input split at byte 0x1F, one row; a first cell that is
    // empty would make an all-empty row for a single cell, so it is never empty.
    QStringList cells;
    for (const QByteArray &p : bytes.split('\x1f'))
        cells << QString::fromUtf8(p);
    if (cells.first().isEmpty())
        cells.first() = QStringLiteral("x");
    QStringList quoted;
    for (const QString &c : cells)
        quoted << csvexport::quoted(c);
    const QList<QStringList> rows = csvimport::parseRows(quoted.join(u';') + QStringLiteral("\r\n"), u';');
    if (rows.size() != 1 || rows.first() != cells)
        __builtin_trap();
    return 0;
}
