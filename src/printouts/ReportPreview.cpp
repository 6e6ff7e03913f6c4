#include "printouts/ReportPreview.h"

#include "printouts/pagemodel.h"
#include "printouts/pagepainter.h"

#include <QAction>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QToolBar>
#include <QVBoxLayout>

static void preparePrinter(QPrinter &printer, const PageModel &pages, const QString &jobTitle)
{
    // Positions in the model are measured from the paper's corner.
    printer.setFullPage(true);
    printer.setPageLayout(report::pageLayout(pages));
    printer.setDocName(jobTitle);
    printer.setCreator(QStringLiteral("Sintarel"));
}

bool printPageModel(const PageModel &pages, const QString &jobTitle, QPrinter &printer)
{
    preparePrinter(printer, pages, jobTitle);
    return report::paintModel(pages, printer);
}

bool printWithDialog(const PageModel &pages, const QString &jobTitle, QWidget *parent)
{
    // A default-constructed printer is the system's default printer.
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer, pages, jobTitle);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Stampa"));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    return printPageModel(pages, jobTitle, printer);
}

ReportPreview::ReportPreview(const PageModel &pages, const QString &jobTitle, QWidget *parent)
    : QDialog(parent), m_pages(pages), m_jobTitle(jobTitle), m_printer(new QPrinter(QPrinter::HighResolution))
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
    printWithDialog(m_pages, m_jobTitle, this);
}

void ReportPreview::fullScreenClick()
{
    if (isFullScreen())
        setWindowState(Qt::WindowMaximized);
    else
        setWindowState(Qt::WindowFullScreen);
}
