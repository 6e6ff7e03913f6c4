#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QString>

#include <array>

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
    using Row = std::array<QString, kColumns>;
    QList<Row> m_rows;
};
