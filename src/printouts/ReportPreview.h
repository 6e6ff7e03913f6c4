#pragma once

#include <QDialog>

class QPrintPreviewWidget;
class QPrinter;
struct PageModel;

// The preview window of a report: modal, maximised, with only the commands to
// print, zoom, toggle full screen and close. Printing from it goes through the
// print dialog like any other print.
class ReportPreview : public QDialog
{
    Q_OBJECT
public:
    ReportPreview(const PageModel &pages, const QString &jobTitle, QWidget *parent = nullptr);
    ~ReportPreview() override;

    QPrintPreviewWidget *preview() const { return m_preview; }

private slots:
    void printClick();
    void fullScreenClick();

private:
    const PageModel &m_pages;
    QString m_jobTitle;
    QPrinter *m_printer;
    QPrintPreviewWidget *m_preview;
};

// Prints pages on printer: sets the printer's paper and job title, then draws.
bool printPageModel(const PageModel &pages, const QString &jobTitle, QPrinter &printer);

// Shows the print dialog (default printer preselected) over parent and prints
// when the user confirms it. False when cancelled or printing failed.
bool printWithDialog(const PageModel &pages, const QString &jobTitle, QWidget *parent);
