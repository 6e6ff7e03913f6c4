#include "export/csvexport.h"

#include "export/exportfiles.h"
#include "export/exportgrid.h"

#include <QStringList>

namespace csvexport
{

QString quoted(const QString &cell)
{
    if (!cell.contains(u';') && !cell.contains(u'"') && !cell.contains(u'\n') && !cell.contains(u'\r'))
        return cell;
    QString q = cell;
    q.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return QLatin1Char('"') + q + QLatin1Char('"');
}

QByteArray document(const ExportGridModel &grid)
{
    QString out;
    QStringList cells;
    for (int c = 0; c < ExportGridModel::kColumns; ++c)
        cells.append(quoted(ExportGridModel::headerText(c)));
    out += cells.join(u';') + QStringLiteral("\r\n");
    for (int r : exportfiles::filledRows(grid)) {
        cells.clear();
        for (int c = 0; c < ExportGridModel::kColumns; ++c)
            cells.append(quoted(exportfiles::cellText(grid, r, c)));
        out += cells.join(u';') + QStringLiteral("\r\n");
    }
    return QByteArrayLiteral("\xEF\xBB\xBF") + out.toUtf8();
}

void writeFile(const QString &path, const ExportGridModel &grid)
{
    exportfiles::writeReplacing(path, document(grid));
}

} // namespace csvexport
