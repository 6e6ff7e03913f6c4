#include "export/xlsxexport.h"

#include "common/errors.h"
#include "common/formats.h"
#include "editor/score.h"
#include "export/exportfiles.h"
#include "export/exportgrid.h"

#include <QDir>
#include <QFile>

#include <xlsxwriter.h>

#include <algorithm>
#include <array>

namespace xlsxexport
{

namespace
{

// Grid columns with a type of their own.
constexpr int kNumberColumn = 0;
constexpr int kDateColumn = 4;
constexpr int kScoreColumn = 5;

constexpr double kMinWidth = 6;
constexpr double kMaxWidth = 60;

struct Workbook {
    lxw_workbook *book;
    ~Workbook()
    {
        // Only an error path gets here with a book: drop it without writing it.
        if (book)
            lxw_workbook_free(book);
    }
};

QString reason(lxw_error error)
{
    return QString::fromUtf8(lxw_strerror(error));
}

} // namespace

QString sheetName(const QString &session)
{
    QString name;
    for (QChar c : session)
        name.append(QStringLiteral("[]:*?/\\").contains(c) || c.unicode() < 32 ? u'_' : c);
    name = name.left(31);
    while (name.startsWith(u'\''))
        name.remove(0, 1);
    while (name.endsWith(u'\''))
        name.chop(1);
    name = name.trimmed();
    return name.isEmpty() ? QStringLiteral("Candidati") : name;
}

void writeFile(const QString &path, const QString &session, const ExportGridModel &grid)
{
    const QString temporary = exportfiles::temporaryPathBeside(path);
    const QByteArray nativeTemporary = QFile::encodeName(temporary);
    Workbook wb{workbook_new(nativeTemporary.constData())};
    auto fail = [&](const QString &why) {
        QFile::remove(temporary);
        return SintarelError(
            QStringLiteral("Impossibile scrivere il file %1: %2").arg(QDir::toNativeSeparators(path), why));
    };
    if (!wb.book)
        throw fail(QStringLiteral("creazione non riuscita"));

    lxw_worksheet *sheet = workbook_add_worksheet(wb.book, sheetName(session).toUtf8().constData());
    if (!sheet)
        throw fail(QStringLiteral("nome del foglio non accettato"));
    lxw_format *bold = workbook_add_format(wb.book);
    format_set_bold(bold);
    lxw_format *twoDecimals = workbook_add_format(wb.book);
    format_set_num_format(twoDecimals, "0.00");
    lxw_format *dayFirst = workbook_add_format(wb.book);
    format_set_num_format(dayFirst, "dd/mm/yyyy");

    std::array<qsizetype, ExportGridModel::kColumns> widest{};
    for (int c = 0; c < ExportGridModel::kColumns; ++c) {
        const QString caption = ExportGridModel::headerText(c);
        worksheet_write_string(sheet, 0, lxw_col_t(c), caption.toUtf8().constData(), bold);
        widest[c] = caption.size() + 1; // bold and the filter button take a little more
    }

    lxw_row_t row = 0;
    for (int r : exportfiles::filledRows(grid)) {
        ++row;
        for (int c = 0; c < ExportGridModel::kColumns; ++c) {
            const QString cell = exportfiles::cellText(grid, r, c);
            if (cell.isEmpty())
                continue;
            widest[c] = std::max(widest[c], cell.size());
            bool isNumber = false;
            if (c == kNumberColumn) {
                const int n = cell.toInt(&isNumber);
                if (isNumber)
                    worksheet_write_number(sheet, row, lxw_col_t(c), n, nullptr);
            } else if (c == kScoreColumn) {
                double value = 0;
                isNumber = score::parse(cell, &value);
                if (isNumber)
                    worksheet_write_number(sheet, row, lxw_col_t(c), value, twoDecimals);
            } else if (c == kDateColumn) {
                const QDate d = formats::parseDate(cell);
                isNumber = d.isValid();
                if (isNumber) {
                    lxw_datetime when = {d.year(), d.month(), d.day(), 0, 0, 0};
                    worksheet_write_datetime(sheet, row, lxw_col_t(c), &when, dayFirst);
                }
            }
            if (!isNumber) {
                // Line breaks inside a cell are LF in spreadsheet files.
                QString t = cell;
                t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
                t.replace(u'\r', u'\n');
                worksheet_write_string(sheet, row, lxw_col_t(c), t.toUtf8().constData(), nullptr);
            }
        }
    }

    for (int c = 0; c < ExportGridModel::kColumns; ++c) {
        const double width = std::clamp(double(widest[c]) + 2, kMinWidth, kMaxWidth);
        worksheet_set_column(sheet, lxw_col_t(c), lxw_col_t(c), width, nullptr);
    }
    worksheet_freeze_panes(sheet, 1, 0);
    worksheet_autofilter(sheet, 0, 0, row, ExportGridModel::kColumns - 1);

    const lxw_error closed = workbook_close(wb.book);
    wb.book = nullptr;
    if (closed != LXW_NO_ERROR)
        throw fail(reason(closed));
    exportfiles::moveOver(temporary, path);
}

} // namespace xlsxexport
