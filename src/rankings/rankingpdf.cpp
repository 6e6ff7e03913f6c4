#include "rankings/rankingpdf.h"

#include "printouts/pagemodel.h"
#include "printouts/pagepainter.h"

#include <QDir>
#include <QPdfWriter>
#include <QSaveFile>

namespace rankingpdf
{

QString proposedPath(const QString &documentsFolder, const QString &heading)
{
    QString name = heading.trimmed();
    // Characters no file name may hold on the systems the file may travel to.
    for (QChar &c : name) {
        if (QStringLiteral("/\\:*?\"<>|").contains(c) || c.unicode() < 32)
            c = u'_';
    }
    return QDir(documentsFolder).filePath(name + QStringLiteral(".pdf"));
}

bool save(const PageModel &pages, const QString &path, const QString &title, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    bool painted = false;
    {
        QPdfWriter writer(&file);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Sintarel"));
        writer.setResolution(600);
        painted = writer.setPageLayout(report::pageLayout(pages)) && report::paintModel(pages, writer);
    }
    if (!painted || file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.error() != QFileDevice::NoError ? file.errorString()
                                                          : QStringLiteral("impossibile disegnare le pagine");
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace rankingpdf
