#pragma once

#include <QDateTime>
#include <QSet>
#include <QString>
#include <QStringList>

// Copies of session files taken before the program first writes to them in a
// run, in the folder "Backup" beside the sessions. The session lists look only
// at the program folder itself, so the copies are never taken for sessions.
namespace backup
{

// Copies kept per session; older ones go.
inline constexpr int kKept = 20;

// The folder of the copies of a session file: "Backup" in the session's folder.
QString folderFor(const QString &sessionPath);

// "<session> <yyyy-mm-dd hh.mm.ss>.vai"
QString fileName(const QString &session, const QDateTime &when);

// The copies of a session in a folder, newest first (their names sort by time).
QStringList copiesOf(const QString &folder, const QString &session);

enum class Result {
    Copied,  // a copy was made
    Nothing, // the file is empty or missing: nothing to keep
    Failed,  // the folder or the copy could not be written
};

// Copies the session file now and keeps the kKept newest copies of its session.
Result copyNow(const QString &sessionPath, const QDateTime &when);

// Remembers which session files were copied in this run, so that only the
// first write to each makes a copy.
class Keeper
{
public:
    // Before a write: copies the file if it was not copied in this run yet.
    // A failed copy is tried again at the next write; Nothing counts as done.
    // Gives Nothing when the file was copied already.
    Result beforeWrite(const QString &sessionPath, const QDateTime &when);

    // The program's own, for the whole run.
    static Keeper &thisRun();

private:
    QSet<QString> m_done;
};

} // namespace backup
