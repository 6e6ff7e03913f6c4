#include "rankings/LineList.h"

#include "common/Fonts.h"
#include "common/Messages.h"
#include "rankings/listfind.h"

#include <QFontMetrics>

LineListModel::LineListModel(QObject *parent) : QAbstractListModel(parent), m_font(fonts::courierNew(12))
{
    m_rowSize = QSize(kLineWidth, QFontMetrics(m_font).height() + 2);
}

void LineListModel::setTable(LineTable table)
{
    beginResetModel();
    m_lines = std::move(table);
    endResetModel();
}

int LineListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_lines.size());
}

QVariant LineListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_lines.size())
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return m_lines.at(index.row());
    case Qt::FontRole:
        return m_font;
    case Qt::ForegroundRole:
        return QColor(Qt::black);
    case Qt::SizeHintRole:
        return m_rowSize;
    default:
        return QVariant();
    }
}

LineListView::LineListView(const QString &objectName, QWidget *parent)
    : QListView(parent), m_model(new LineListModel(this))
{
    setObjectName(objectName);
    setModel(m_model);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setTextElideMode(Qt::ElideNone);
    setWordWrap(false);
    setFont(fonts::courierNew(12));
}

void LineListView::setSelectionModel(QItemSelectionModel *selectionModel)
{
    QListView::setSelectionModel(selectionModel);
    emit selectionModelReplaced();
}

void LineListView::setLines(const QStringList &lines)
{
    m_model->setLines(lines);
}

void LineListView::setTable(LineTable table)
{
    m_model->setTable(std::move(table));
}

void LineListView::clear()
{
    m_model->clear();
}

qsizetype LineListView::selectedRow() const
{
    const QModelIndex current = currentIndex();
    if (!current.isValid() || !selectionModel()->isSelected(current))
        return -1;
    return current.row();
}

void LineListView::selectRow(qsizetype row)
{
    const QModelIndex index = model()->index(int(row), 0);
    if (!index.isValid())
        return;
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    scrollTo(index);
}

void LineListView::findText(Messages &messages, QWidget *parent, const QString &typed, QString &remembered)
{
    if (count() == 0) {
        messages.plain(parent,
                       QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce."));
        return;
    }
    const listfind::Result result = listfind::find(table(), selectedRow(), typed, remembered);
    selectRow(result.selected);
}
