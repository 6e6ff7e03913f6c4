#include "printouts/ReportPreview.h"

#include "common/Messages.h"
#include "printouts/cupsstatus.h"
#include "printouts/pagemodel.h"
#include "printouts/pagepainter.h"

#include <QAction>
#include <QCoreApplication>
#include <QPageRanges>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProgressDialog>
#include <QToolBar>
#include <QVBoxLayout>

#include <memory>

static void preparePrinter(QPrinter &printer, const PageModel &pages, const QString &jobTitle)
{
    // Positions in the model are measured from the paper's corner.
    printer.setFullPage(true);
    printer.setPageLayout(report::pageLayout(pages));
    printer.setDocName(jobTitle);
    printer.setCreator(QStringLiteral("Sintarel"));
}

QString printFailedMessage()
{
    return QStringLiteral(
        "Attenzione: la stampa non è stata eseguita. Verificare la stampante selezionata e riprovare.");
}

// A job handed to the print server rather than written to a file.
static bool goesToServer(const QPrinter &printer)
{
    return printer.outputFormat() == QPrinter::NativeFormat && printer.outputFileName().isEmpty();
}

PrintOutcome printPageModel(const PageModel &pages, const QString &jobTitle, QPrinter &printer,
                            const std::function<bool(qsizetype, qsizetype)> &beforeSheet)
{
    preparePrinter(printer, pages, jobTitle);
    const QPageRanges ranges =
        printer.printRange() == QPrinter::PageRange ? printer.pageRanges() : QPageRanges();
    // A print server makes the copies itself; a file gets them painted. The page
    // order ("Reverse" in the dialog) is left to the program.
    const int copies = printer.supportsMultipleCopies() ? 1 : printer.copyCount();
    const QList<qsizetype> sequence =
        report::pageSequence(pages.pages.size(), ranges, copies, printer.collateCopies(),
                             printer.pageOrder() == QPrinter::LastPageFirst);
    if (sequence.isEmpty())
        return PrintOutcome::Cancelled;
    QPainter painter;
    switch (report::paintSequence(pages, printer, painter, sequence, beforeSheet)) {
    case report::PaintResult::Stopped:
        // Printers that cannot drop a job get the sheets painted so far.
        printer.abort();
        painter.end();
        return PrintOutcome::Cancelled;
    case report::PaintResult::Failed:
        return PrintOutcome::Failed;
    case report::PaintResult::Done:
        break;
    }
    if (printer.printerState() == QPrinter::Error)
        return PrintOutcome::Failed;
    if (goesToServer(printer) && cupsstatus::lastRequestFailed())
        return PrintOutcome::Failed;
    return PrintOutcome::Printed;
}

PrintOutcome printWithProgress(const PageModel &pages, const QString &jobTitle, QPrinter &printer,
                               Messages &messages, QWidget *parent)
{
    std::unique_ptr<QProgressDialog> progress;
    const auto beforeSheet = [&](qsizetype sheet, qsizetype count) {
        if (count <= 10)
            return true;
        if (!progress) {
            progress = std::make_unique<QProgressDialog>(parent);
            progress->setObjectName(QStringLiteral("frmStampaInCorso"));
            progress->setWindowTitle(QStringLiteral("Stampa"));
            progress->setCancelButtonText(QStringLiteral("Annulla"));
            progress->setWindowModality(Qt::WindowModal);
            progress->setMinimumDuration(0);
            progress->setAutoClose(false);
            progress->setAutoReset(false);
            progress->setRange(0, int(count));
            progress->show();
        }
        progress->setLabelText(QStringLiteral("Stampa in corso: pagina %1 di %2").arg(sheet).arg(count));
        progress->setValue(int(sheet - 1));
        QCoreApplication::processEvents();
        return !progress->wasCanceled();
    };
    const PrintOutcome outcome = printPageModel(pages, jobTitle, printer, beforeSheet);
    progress.reset();
    if (outcome == PrintOutcome::Failed)
        messages.warning(parent, printFailedMessage());
    return outcome;
}

bool printWithDialog(const PageModel &pages, const QString &jobTitle, Messages &messages, QWidget *parent)
{
    // A default-constructed printer is the system's default printer.
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer, pages, jobTitle);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Stampa"));
    // Only what the print honours: all pages or a range of them, and copies.
    dialog.setOptions(QAbstractPrintDialog::PrintPageRange | QAbstractPrintDialog::PrintCollateCopies |
                      QAbstractPrintDialog::PrintShowPageSize | QAbstractPrintDialog::PrintToFile);
    dialog.setMinMax(1, int(pages.pages.size()));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    return printWithProgress(pages, jobTitle, printer, messages, parent) == PrintOutcome::Printed;
}

ReportPreview::ReportPreview(const PageModel &pages, const QString &jobTitle, Messages &messages,
                             QWidget *parent)
    : QDialog(parent), m_pages(pages), m_jobTitle(jobTitle), m_messages(messages),
      m_printer(new QPrinter(QPrinter::HighResolution))
{
    setObjectName(QStringLiteral("frmAnteprima"));
    setWindowTitle(jobTitle);
    setModal(true);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::WindowMaximizeButtonHint);
    preparePrinter(*m_printer, pages, jobTitle);

    auto *bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("barAnteprima"));
    m_preview = new QPrintPreviewWidget(m_printer, this);
    m_preview->setObjectName(QStringLiteral("preview"));
    connect(m_preview, &QPrintPreviewWidget::paintRequested, this,
            [this](QPrinter *printer) { report::paintModel(m_pages, *printer); });

    const auto add = [&](const char *name, const QString &text, const QKeySequence &key) {
        QAction *a = bar->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        if (!key.isEmpty())
            a->setShortcut(key);
        return a;
    };
    connect(add("actStampa", QStringLiteral("Stampa"), QKeySequence::Print), &QAction::triggered, this,
            &ReportPreview::printClick);
    bar->addSeparator();
    connect(add("actZoomPiu", QStringLiteral("Zoom +"), QKeySequence::ZoomIn), &QAction::triggered, m_preview,
            [this]() { m_preview->zoomIn(); });
    connect(add("actZoomMeno", QStringLiteral("Zoom -"), QKeySequence::ZoomOut), &QAction::triggered,
            m_preview, [this]() { m_preview->zoomOut(); });
    connect(add("actZoom100", QStringLiteral("100%"), QKeySequence()), &QAction::triggered, m_preview,
            [this]() {
                m_preview->setZoomMode(QPrintPreviewWidget::CustomZoom);
                m_preview->setZoomFactor(1.0);
            });
    connect(add("actPagina", QStringLiteral("Pagina intera"), QKeySequence()), &QAction::triggered, m_preview,
            [this]() { m_preview->fitInView(); });
    connect(add("actLarghezza", QStringLiteral("Larghezza pagina"), QKeySequence()), &QAction::triggered,
            m_preview, [this]() { m_preview->fitToWidth(); });
    bar->addSeparator();
    connect(add("actSchermoIntero", QStringLiteral("Schermo intero"), QKeySequence(Qt::Key_F11)),
            &QAction::triggered, this, &ReportPreview::fullScreenClick);
    connect(add("actChiudi", QStringLiteral("Chiudi"), QKeySequence()), &QAction::triggered, this,
            &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(m_preview, 1);

    // Opens at 100 %.
    m_preview->setZoomMode(QPrintPreviewWidget::CustomZoom);
    m_preview->setZoomFactor(1.0);
    setWindowState(Qt::WindowMaximized);
}

ReportPreview::~ReportPreview()
{
    delete m_preview; // before the printer it paints on
    m_preview = nullptr;
    delete m_printer;
}

void ReportPreview::printClick()
{
    printWithDialog(m_pages, m_jobTitle, m_messages, this);
}

void ReportPreview::fullScreenClick()
{
    if (isFullScreen())
        setWindowState(Qt::WindowMaximized);
    else
        setWindowState(Qt::WindowFullScreen);
}
