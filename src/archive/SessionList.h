#pragma once

#include <QString>

class QLabel;
class QListWidget;
class QWidget;

// Fills a list box with the session files of the program folder, each entry in
// Courier New 14 pt black whatever the list's style, and its count label.
void fillSessionList(QListWidget *list, QLabel *countLabel, const QString &programFolder);

// A list box styled as the session lists are.
QListWidget *makeSessionListBox(QWidget *parent);
