#pragma once

#include "lists/candidatelist.h"
#include "rankings/LineList.h"

class AppContext;

// The result list of the search and eligible-candidates windows: the list of
// lines every list window shows, where each line also remembers its record
// number, so that a double-click recalls that very record.
class CandidateListView : public LineListView
{
    Q_OBJECT
public:
    CandidateListView(const QString &objectName, QWidget *parent);

    void setList(candidatelist::List list);
    void clearList();

    // The find of every list window (see LineListView::findText).
    void find(AppContext &app, QWidget *parent, const QString &typed, QString &remembered);

    enum class Recall {
        Loaded,    // the record is in the editor
        NotLoaded, // no selection, no record, a file failure, or load was false
        Kept,      // the editor's unsaved edits were kept (Annulla, or their save failed)
    };

    // Loads the selected line's record into the session editor (when load is
    // true), after asking about the editor's unsaved edits.
    Recall recallSelected(AppContext &app, bool load);

signals:
    // A double-click anywhere on the list, on a line or on the blank area below
    // the lines, or Enter while the list has the focus.
    void recallRequested();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QList<qint64> m_numbers;
};
