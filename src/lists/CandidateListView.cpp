#include "lists/CandidateListView.h"

#include "archive/sessionfile.h"
#include "common/text.h"
#include "editor/Torneo.h"
#include "shell/AppContext.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

CandidateListView::CandidateListView(const QString &objectName, QWidget *parent)
    : LineListView(objectName, parent)
{
    setAccessibleName(QStringLiteral("Elenco dei candidati"));
}

void CandidateListView::setList(candidatelist::List list)
{
    m_numbers = std::move(list.numbers);
    setTable(std::move(list.lines));
}

void CandidateListView::clearList()
{
    m_numbers.clear();
    clear();
}

void CandidateListView::find(AppContext &app, QWidget *parent, const QString &typed, QString &remembered)
{
    findText(app.messages(), parent, typed, remembered);
}

CandidateListView::Recall CandidateListView::recallSelected(AppContext &app, bool load)
{
    const qsizetype row = selectedRow();
    if (row < 0 || row >= m_numbers.size())
        return Recall::NotLoaded;
    TfrmTorneo *editor = app.frmTorneo();
    // Asked before the file is read, so that a record saved now is recalled as stored.
    if (load && !editor->mayLeaveRecord())
        return Recall::Kept;
    try {
        const auto found =
            candidatelist::recall(text::trimmed(editor->lblFile->text()), m_numbers[row], table().at(row));
        if (!found || !load)
            return Recall::NotLoaded;
        editor->showRecord(found->record, found->number);
        return Recall::Loaded;
    } catch (const SessionError &) {
        return Recall::NotLoaded;
    }
}

void CandidateListView::mouseDoubleClickEvent(QMouseEvent *event)
{
    LineListView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        emit recallRequested();
}

void CandidateListView::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // Taken here: passed on, it would press the window's default button.
        event->accept();
        emit recallRequested();
        return;
    }
    LineListView::keyPressEvent(event);
}
