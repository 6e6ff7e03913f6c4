#pragma once

#include "lists/candidatelist.h"

#include <QListView>

class AppContext;
class QStringListModel;

// The result list of the search and eligible-candidates windows: one fixed-width
// line per candidate, each remembering its record number. A model view, so a
// whole session's lines show at once.
class CandidateListView : public QListView
{
    Q_OBJECT
public:
    CandidateListView(const QString &objectName, QWidget *parent);

    void setList(candidatelist::List list);
    void clearList();
    const QStringList &lines() const { return m_list.lines; }
    qsizetype count() const { return m_list.lines.size(); }

    // -1 when no line is selected.
    qsizetype selectedRow() const;
    void selectRow(qsizetype row);

    // The find of every list window: "Ricerca non applicabile..." on an empty
    // list, else the next line holding the typed text, remembered between clicks.
    void find(AppContext &app, QWidget *parent, const QString &typed, QString &remembered);

    // Loads the selected line's record into the session editor (when load is
    // true). False when nothing was recalled (no selection, no record, a file failure).
    bool recallSelected(AppContext &app, bool load);

private:
    QStringListModel *m_model;
    candidatelist::List m_list;
};
