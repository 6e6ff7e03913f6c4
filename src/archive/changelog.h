#pragma once

#include "archive/record.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

// The change log of a session: "<session>.log" beside the session file, one
// UTF-8 line per changed field of a stored record: time (ISO 8601), record
// number, field caption, old value, new value, separated by tabs. Only ever
// appended to; deleting the session leaves it.
namespace changelog
{

// The old value written for the fields of a record that was not stored before.
QString newRecordMark();

QString logPath(const QString &sessionPath);

// The caption of a field, as the editor labels it (without the colon).
QString caption(TScheda::Field field);

// A value on one line: backslash, tab and line breaks (CR LF, CR or LF) written
// as \\, \t and \n.
QString escaped(const QString &value);

// The time as ISO 8601 with its offset from UTC: 2026-12-09T10:30:00+01:00.
QString timestamp(const QDateTime &when);

// One line per field that differs between the stored record and its new version.
QStringList changeLines(const QDateTime &when, qint64 number, const TScheda &before, const TScheda &after);

// One line per field that holds a value, with newRecordMark() as the old value.
QStringList newRecordLines(const QDateTime &when, qint64 number, const TScheda &record);

// Appends the lines, each ended by a line feed, in one write, and pushes them to
// the disk. Nothing to write touches nothing. False when the log could not be
// written.
bool append(const QString &sessionPath, const QStringList &lines);

// A stored record saved over (number is 1-based).
bool logChange(const QString &sessionPath, const QDateTime &when, qint64 number, const TScheda &before,
               const TScheda &after);

// Records appended to the session, the first with the 1-based number firstNumber.
bool logNewRecords(const QString &sessionPath, const QDateTime &when, qint64 firstNumber,
                   const QList<TScheda> &records);

} // namespace changelog
