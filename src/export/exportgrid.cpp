#include "export/exportgrid.h"

#include "archive/sessionfile.h"
#include "common/text.h"
#include "export/spreadsheet.h"

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

ExportGridModel::ExportGridModel(QObject *parent) : QAbstractTableModel(parent), m_rows(kEmptyRows) {}

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
        m_rows = QList<Row>(file.count());
        endResetModel();
        resized = true;
        file.readAll([this](qint64 index, const TScheda &record) {
            Row &row = m_rows[index];
            row[0] = QString::number(index + 1);
            for (int c = 1; c < kColumns; ++c)
                row[c] = text::trimmed(record.text(kColumnsInfo[c].field));
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

QString ExportGridModel::cell(int row, int column) const
{
    if (row < 0 || row >= m_rows.size() || !validColumn(column))
        return QString();
    return m_rows[row][column];
}

QByteArray ExportGridModel::spreadsheet() const
{
    return spreadsheet::document(m_rows.size(), [this](qsizetype row, int column) {
        // The record number (grid column 0) is not written.
        return m_rows[row][column + 1];
    });
}

int ExportGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ExportGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kColumns;
}

QVariant ExportGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return QVariant();
    return m_rows[index.row()][index.column()];
}

bool ExportGridModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || !isEditable(index.column()))
        return false;
    m_rows[index.row()][index.column()] = value.toString();
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
