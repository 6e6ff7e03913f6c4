#include "fakeprint.h"

#include "printouts/pagepainter.h"

#include <QProcess>

bool FakePrintService::print(const PageModel &pages, const QString &jobTitle, QWidget *)
{
    ++dialogsShown;
    if (!acceptDialog)
        return false;
    jobs.append(Job{jobTitle, pages, false});
    return true;
}

void FakePrintService::preview(const PageModel &pages, const QString &jobTitle, QWidget *)
{
    jobs.append(Job{jobTitle, pages, true});
}

QList<FakePrintService::Job> FakePrintService::printed() const
{
    QList<Job> found;
    for (const Job &job : jobs)
        if (!job.preview)
            found.append(job);
    return found;
}

QList<FakePrintService::Job> FakePrintService::previewed() const
{
    QList<Job> found;
    for (const Job &job : jobs)
        if (job.preview)
            found.append(job);
    return found;
}

bool FakePrintService::renderPdf(const Job &job, const QString &path)
{
    return report::renderPdf(job.pages, path, job.title);
}

QString FakePrintService::pdfText(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}
