#pragma once

#include "printouts/pagemodel.h"
#include "printouts/printservice.h"

#include <QList>
#include <QString>

// Keeps every report handed to the printer or the preview, with its job title.
// The print dialog is answered from acceptDialog: false acts as the user
// cancelling it (nothing is printed, nothing recorded in printed()).
class FakePrintService : public PrintService
{
public:
    struct Job {
        QString title;
        PageModel pages;
        bool preview = false;
    };

    bool print(const PageModel &pages, const QString &jobTitle, QWidget *parent) override;
    void preview(const PageModel &pages, const QString &jobTitle, QWidget *parent) override;

    bool acceptDialog = true;
    int dialogsShown = 0; // print dialogs shown (accepted or not)
    QList<Job> jobs;      // printed and previewed reports, in order

    // Only the printed ones / only the previewed ones.
    QList<Job> printed() const;
    QList<Job> previewed() const;

    // Writes a job's pages to a PDF file, as the printer would get them.
    static bool renderPdf(const Job &job, const QString &path);
    // The text of a PDF file read back with pdftotext -layout (empty on failure).
    static QString pdfText(const QString &path);
};
