#include "common/FileDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

namespace filedialogs
{

namespace
{

Chooser &installed()
{
    static Chooser chooser;
    return chooser;
}

QString choose(QWidget *parent, const Request &r)
{
    if (installed())
        return installed()(r);
    return r.save ? QFileDialog::getSaveFileName(parent, r.caption, r.path, r.filter)
                  : QFileDialog::getOpenFileName(parent, r.caption, r.path, r.filter);
}

} // namespace

QString openFile(QWidget *parent, const QString &caption, const QString &folder, const QString &filter)
{
    return choose(parent, {false, caption, folder, filter});
}

QString saveFile(QWidget *parent, const QString &caption, const QString &suggested, const QString &filter)
{
    return choose(parent, {true, caption, suggested, filter});
}

QString documentsFolder()
{
    const QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return docs.isEmpty() ? QDir::homePath() : docs;
}

void install(Chooser chooser)
{
    installed() = std::move(chooser);
}

} // namespace filedialogs
