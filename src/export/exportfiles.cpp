#include "export/exportfiles.h"

#include "common/errors.h"
#include "common/text.h"
#include "export/exportgrid.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace exportfiles
{

QList<int> filledRows(const ExportGridModel &grid)
{
    QList<int> rows;
    for (int r = 0; r < grid.rowCount(); ++r) {
        for (int c = 0; c < ExportGridModel::kColumns; ++c) {
            if (!cellText(grid, r, c).isEmpty()) {
                rows.append(r);
                break;
            }
        }
    }
    return rows;
}

QString cellText(const ExportGridModel &grid, int row, int column)
{
    return text::trimmed(grid.cell(row, column));
}

QString temporaryPathBeside(const QString &path)
{
    const QFileInfo info(path);
    QTemporaryFile reserve(info.absolutePath() + QStringLiteral("/.") + info.fileName() +
                           QStringLiteral(".XXXXXX"));
    if (!reserve.open())
        throw SintarelError(QStringLiteral("Impossibile creare un file nella cartella %1: %2")
                                .arg(QDir::toNativeSeparators(info.absolutePath()), reserve.errorString()));
    reserve.setAutoRemove(false);
    return reserve.fileName();
}

void moveOver(const QString &temporary, const QString &path)
{
    // rename() replaces the target in one step; QFile::rename refuses an existing one.
    if (std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(path).constData()) != 0) {
        const QString reason = QString::fromLocal8Bit(std::strerror(errno));
        QFile::remove(temporary);
        throw SintarelError(QStringLiteral("Impossibile sostituire il file %1: %2")
                                .arg(QDir::toNativeSeparators(path), reason));
    }
}

void writeReplacing(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw SintarelError(QStringLiteral("Impossibile creare il file %1: %2")
                                .arg(QDir::toNativeSeparators(path), file.errorString()));
    if (file.write(bytes) != bytes.size() || !file.commit())
        throw SintarelError(QStringLiteral("Scrittura non riuscita nel file %1: %2")
                                .arg(QDir::toNativeSeparators(path), file.errorString()));
}

} // namespace exportfiles
