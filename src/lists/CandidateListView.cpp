#include "lists/CandidateListView.h"

#include "archive/sessionfile.h"
#include "common/Fonts.h"
#include "common/Messages.h"
#include "common/text.h"
#include "editor/Torneo.h"
#include "rankings/listfind.h"
#include "shell/AppContext.h"

#include <QFontMetrics>
#include <QLabel>
#include <QStringListModel>

CandidateListView::CandidateListView(const QString &objectName, QWidget *parent)
    : QListView(parent), m_model(new QStringListModel(this))
{
    setObjectName(objectName);
    setModel(m_model);
    setFont(fonts::courierNew(12));
    setStyleSheet(QStringLiteral("QListView { color: black; background: white; }"));
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setAccessibleName(QStringLiteral("Elenco dei candidati"));
}

void CandidateListView::setList(candidatelist::List list)
{
    m_list = std::move(list);
    m_model->setStringList(m_list.lines);
}

void CandidateListView::clearList()
{
    setList({});
}

qsizetype CandidateListView::selectedRow() const
{
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void CandidateListView::selectRow(qsizetype row)
{
    const QModelIndex index = m_model->index(static_cast<int>(row));
    setCurrentIndex(index);
    selectionModel()->select(index, QItemSelectionModel::ClearAndSelect);
    scrollTo(index);
}

void CandidateListView::find(AppContext &app, QWidget *parent, const QString &typed, QString &remembered)
{
    if (m_list.lines.isEmpty()) {
        app.messages().plain(parent,
                             QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce."));
        return;
    }
    const listfind::Result r = listfind::find(m_list.lines, selectedRow(), typed, remembered);
    if (r.selected >= 0)
        selectRow(r.selected);
}

bool CandidateListView::recallSelected(AppContext &app, bool load)
{
    const qsizetype row = selectedRow();
    if (row < 0)
        return false;
    TfrmTorneo *editor = app.frmTorneo();
    try {
        const auto found = candidatelist::recall(text::trimmed(editor->lblFile->text()), m_list.numbers[row],
                                                 m_list.lines[row]);
        if (!found || !load)
            return false;
        editor->showRecord(found->record, found->number);
        return true;
    } catch (const SessionError &) {
        return false;
    }
}
