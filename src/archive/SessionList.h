#pragma once

#include <QString>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QWidget;

// Fills a list box with the session files of the program folder, each entry in
// Courier New 14 pt black whatever the list's style, and its count label.
void fillSessionList(QListWidget *list, QLabel *countLabel, const QString &programFolder);

// The entry the user selected (by mouse, keyboard or an accessibility tool), or
// nullptr. Selection, not the current item, is what the user sees.
QListWidgetItem *selectedEntry(QListWidget *list);

// A list box styled as the session lists are.
QListWidget *makeSessionListBox(QWidget *parent);
