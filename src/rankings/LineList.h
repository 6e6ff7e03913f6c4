#pragma once

#include <QAbstractListModel>
#include <QFont>
#include <QListView>
#include <QStringList>

#include "rankings/linetable.h"

class Messages;

// The lines of a list window (rankings, eligible list, search results): plain
// text lines shown in Courier New 12 pt black whatever the view's style, each
// row as wide as a 1600-pixel line so the view scrolls sideways. A model over a
// LineTable, so a list of a whole session (100,000 lines) shows at once and only
// the rows in sight are turned into text.
class LineListModel : public QAbstractListModel
{
    Q_OBJECT
public:
    static constexpr int kLineWidth = 1600;

    explicit LineListModel(QObject *parent = nullptr);

    void setLines(const QStringList &lines) { setTable(LineTable::fromList(lines)); }
    void setTable(LineTable table);
    const LineTable &table() const { return m_lines; }
    void clear() { setTable(LineTable()); }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    LineTable m_lines;
    QFont m_font;
    QSize m_rowSize;
};

// A list box over a LineListModel: single selection, both scroll bars, uniform
// rows. "Selected line" means the current row while it is selected.
class LineListView : public QListView
{
    Q_OBJECT
public:
    LineListView(const QString &objectName, QWidget *parent = nullptr);

    LineListModel *lineModel() const { return m_model; }
    void setLines(const QStringList &lines);
    void setTable(LineTable table);
    const LineTable &table() const { return m_model->table(); }
    // Every line as text (for printing).
    QStringList lines() const { return m_model->table().toList(); }
    qsizetype count() const { return m_model->table().size(); }
    void clear();

    // The selected line, -1 when none.
    qsizetype selectedRow() const;
    // Selects a line and scrolls it into view.
    void selectRow(qsizetype row);

    // The list find behind a window's txtTrova and btnTrova: on an empty list the
    // plain message "Ricerca non applicabile: la lista non contiene nessuna
    // voce."; otherwise selects the next line holding typed (see listfind.h).
    // remembered is the window kind's remembered search text.
    void findText(Messages &messages, QWidget *parent, const QString &typed, QString &remembered);

    // setModel() replaces the selection model too; this tells whoever follows the selection.
    void setSelectionModel(QItemSelectionModel *selectionModel) override;

signals:
    void selectionModelReplaced();

private:
    LineListModel *m_model;
};
