#include "export/exportgrid.h"

#include "archive/sessionfile.h"
#include "common/cp1252.h"
#include "common/largebuffer.h"
#include "common/text.h"
#include "export/spreadsheet.h"
#include "rankings/rankinglines.h"

#include <cstring>

namespace
{

struct Column {
    const char *name;
    const char *header;
    int width;
    bool editable;
    TScheda::Field field; // unused for the record number
};

const Column kColumnsInfo[ExportGridModel::kColumns] = {
    {"colNum", "N.", 60, false, TScheda::Field::Concorrente},
    {"colConcorrente", "Candidato", 250, true, TScheda::Field::Concorrente},
    {"colResponsabile", "Codice fiscale", 180, true, TScheda::Field::Responsabile},
    {"colTelefono", "Provenienza", 250, false, TScheda::Field::Telefono},
    {"colEmail", "Data esame", 150, false, TScheda::Field::Email},
    {"colPunteggio", "Punteggio totale", 140, false, TScheda::Field::Punteggio},
    {"colNote", "Note", 350, true, TScheda::Field::Note},
    {"colCompletato", "Idoneo", 140, false, TScheda::Field::Completato},
};

bool validColumn(int column)
{
    return column >= 0 && column < ExportGridModel::kColumns;
}

} // namespace

ExportGridModel::ExportGridModel(QObject *parent) : QAbstractTableModel(parent) {}

QString ExportGridModel::columnName(int column)
{
    return validColumn(column) ? QString::fromLatin1(kColumnsInfo[column].name) : QString();
}

QString ExportGridModel::headerText(int column)
{
    return validColumn(column) ? QString::fromLatin1(kColumnsInfo[column].header) : QString();
}

int ExportGridModel::columnWidth(int column)
{
    return validColumn(column) ? kColumnsInfo[column].width : 0;
}

bool ExportGridModel::isEditable(int column)
{
    return validColumn(column) && kColumnsInfo[column].editable;
}

void ExportGridModel::fill(const QString &sessionPath)
{
    bool resized = false;
    try {
        SessionFile file(text::trimmed(sessionPath));
        if (file.count() == 0)
            return;
        beginResetModel();
        m_rowCount = int(file.count());
        m_filled = 0;
        m_bytes.clear();
        m_cellEnds.clear();
        m_edits.clear();
        endResetModel();
        resized = true;
        m_cellEnds.reserve(size_t(m_rowCount) * (kColumns - 1));
        adviseLargeBuffer(m_cellEnds.data(), qsizetype(m_cellEnds.capacity() * sizeof(qsizetype)));
        m_bytes.reserve(qsizetype(m_rowCount) * 96);
        adviseLargeBuffer(m_bytes.data(), m_bytes.capacity());
        file.readAll([this](qint64, const TScheda &record) {
            // The row's cells gathered first, then added to the block at once.
            char row[TScheda::kSize];
            qsizetype n = 0;
            for (int c = 1; c < kColumns; ++c) {
                const QByteArrayView b = text::trimmed(lines::fieldBytes(record, kColumnsInfo[c].field));
                std::memcpy(row + n, b.data(), size_t(b.size()));
                n += b.size();
                m_cellEnds.push_back(m_bytes.size() + n);
            }
            m_bytes.append(row, n);
            ++m_filled;
        });
        file.close();
    } catch (const SessionError &) {
        // Filling stops without a message; the rows read so far stay.
    }
    // The rows were filled in place: one notification, also when reading
    // stopped part way.
    if (resized)
        emit dataChanged(index(0, 0), index(rowCount() - 1, kColumns - 1));
}

QByteArrayView ExportGridModel::storedCell(int row, int column) const
{
    if (row >= m_filled || column < 1)
        return QByteArrayView();
    const size_t k = size_t(row) * (kColumns - 1) + size_t(column - 1);
    const qsizetype start = k == 0 ? 0 : m_cellEnds[k - 1];
    return QByteArrayView(m_bytes.constData() + start, m_cellEnds[k] - start);
}

QString ExportGridModel::cell(int row, int column) const
{
    if (row < 0 || row >= m_rowCount || !validColumn(column))
        return QString();
    const auto edit = m_edits.constFind(cellKey(row, column));
    if (edit != m_edits.constEnd())
        return *edit;
    if (column == 0)
        return row < m_filled ? QString::number(row + 1) : QString();
    const QByteArrayView b = storedCell(row, column);
    return cp1252::decode(b.data(), b.size());
}

QByteArray ExportGridModel::spreadsheet() const
{
    return spreadsheet::documentOfBytes(
        m_rowCount, [this](qsizetype row, int column, QByteArrayView &bytes, QString &text) {
            // The record number (grid column 0) is not written.
            const auto edit = m_edits.constFind(cellKey(int(row), column + 1));
            if (edit != m_edits.constEnd()) {
                text = *edit;
                return false;
            }
            bytes = storedCell(int(row), column + 1);
            return true;
        });
}

int ExportGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rowCount;
}

int ExportGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kColumns;
}

QVariant ExportGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return QVariant();
    return cell(index.row(), index.column());
}

bool ExportGridModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || !isEditable(index.column()))
        return false;
    m_edits.insert(cellKey(index.row(), index.column()), value.toString());
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

QVariant ExportGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return headerText(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags ExportGridModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && isEditable(index.column()))
        f |= Qt::ItemIsEditable;
    return f;
}
