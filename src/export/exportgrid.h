#pragma once

#include <QAbstractTableModel>
#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>

#include <vector>

// The records of a session as the export window's grid shows them: the record
// number, then the candidate, fiscal code, provenance, exam date, total score,
// notes and eligibility, each trimmed. The exam details are left out. Three
// columns (candidate, fiscal code, notes) can be edited; edits live here only
// and never reach the session file.
class ExportGridModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    static constexpr int kColumns = 8;
    static constexpr int kEmptyRows = 10;

    explicit ExportGridModel(QObject *parent = nullptr);

    // Column names, header texts and widths, in grid order.
    static QString columnName(int column);
    static QString headerText(int column);
    static int columnWidth(int column);
    static bool isEditable(int column);

    // Fills from a session file: its records in file order, or the empty rows
    // kept when the file holds none. A failure ends the filling silently and
    // keeps the rows filled so far. A missing file is created empty.
    void fill(const QString &sessionPath);

    QString cell(int row, int column) const;

    // The spreadsheet file for the rows as they stand now, edits included.
    QByteArray spreadsheet() const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    // The read cells stay as their trimmed stored bytes in one block (a session of
    // 100,000 records would otherwise hold 700,000 strings); edits are kept apart.
    QByteArrayView storedCell(int row, int column) const;
    static quint64 cellKey(int row, int column) { return (quint64(row) << 4) | quint64(column); }

    int m_rowCount = kEmptyRows;
    int m_filled = 0; // rows read from the file: they show their record number
    QByteArray m_bytes;
    std::vector<qsizetype> m_cellEnds; // end of each read cell of columns 1..7, row by row
    QHash<quint64, QString> m_edits;
};
