#include "archive/SessionList.h"

#include "archive/catalogue.h"
#include "common/Fonts.h"

#include <QLabel>
#include <QListWidget>

void fillSessionList(QListWidget *list, QLabel *countLabel, const QString &programFolder)
{
    list->clear();
    const QStringList files = catalogue::sessionFiles(programFolder);
    for (const QString &name : files) {
        auto *item = new QListWidgetItem(name, list);
        item->setFont(fonts::courierNew(14));
        item->setForeground(Qt::black);
    }
    countLabel->setText(catalogue::countText(list->count()));
}

QListWidget *makeSessionListBox(QWidget *parent)
{
    auto *list = new QListWidget(parent);
    list->setObjectName(QStringLiteral("lstFiles"));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setFont(fonts::courierNew(14));
    list->setAccessibleName(QStringLiteral("Elenco delle sessioni"));
    return list;
}

QListWidgetItem *selectedEntry(QListWidget *list)
{
    const QList<QListWidgetItem *> selected = list->selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}
