#pragma once

#include <QDialog>

#include <functional>

class Messages;
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
    ReportPreview(const PageModel &pages, const QString &jobTitle, Messages &messages,
                  QWidget *parent = nullptr);
    ~ReportPreview() override;

    QPrintPreviewWidget *preview() const { return m_preview; }

private slots:
    void printClick();
    void fullScreenClick();

private:
    const PageModel &m_pages;
    QString m_jobTitle;
    Messages &m_messages;
    QPrinter *m_printer;
    QPrintPreviewWidget *m_preview;
};

// "Attenzione: la stampa non è stata eseguita. ..."
QString printFailedMessage();

// The outcome of a print on a printer.
enum class PrintOutcome { Printed, Cancelled, Failed };

// Prints pages on printer: sets the printer's paper and job title, then draws the
// pages the printer's page range selects, as many copies as asked when the
// printer does not make them itself. beforeSheet(k, n) may stop the job before
// sheet k of n: the job is then aborted and Cancelled returned.
PrintOutcome printPageModel(const PageModel &pages, const QString &jobTitle, QPrinter &printer,
                            const std::function<bool(qsizetype, qsizetype)> &beforeSheet = {});

// printPageModel with the progress window "Stampa in corso: pagina k di n" (and
// Annulla) over parent for more than 10 sheets, and the warning when it fails.
PrintOutcome printWithProgress(const PageModel &pages, const QString &jobTitle, QPrinter &printer,
                               Messages &messages, QWidget *parent);

// Shows the print dialog (default printer preselected) over parent and prints
// when the user confirms it. False when cancelled or printing failed.
bool printWithDialog(const PageModel &pages, const QString &jobTitle, Messages &messages, QWidget *parent);
