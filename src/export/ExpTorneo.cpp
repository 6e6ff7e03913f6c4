#include "export/ExpTorneo.h"
#include "common/BusyCursor.h"

#include "archive/catalogue.h"
#include "common/FileDialogs.h"
#include "common/Fonts.h"
#include "common/ImageButton.h"
#include "common/PushButton.h"
#include "common/StatusLine.h"
#include "common/SvgPicture.h"
#include "common/errors.h"
#include "editor/Torneo.h"
#include "export/csvexport.h"
#include "export/exportgrid.h"
#include "export/spreadsheet.h"
#include "export/xlsxexport.h"
#include "help/HelpActions.h"
#include "help/openurl.h"
#include "shell/AppContext.h"

#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

namespace
{

const QColor kBackground(0xEE, 0xED, 0xED);

QFrame *strip(const QString &name, const QColor &colour, const QRect &geometry, QWidget *parent)
{
    auto *f = new QFrame(parent);
    f->setObjectName(name);
    f->setAutoFillBackground(true);
    QPalette pal = f->palette();
    pal.setColor(QPalette::Window, colour);
    f->setPalette(pal);
    f->setGeometry(geometry);
    return f;
}

ImageButton *pictureButton(const QString &name, const QString &picture, const QString &accessibleName,
                           const QRect &geometry, QWidget *parent)
{
    auto *b = new ImageButton(name, parent);
    b->setPicture(picture);
    b->setAccessibleName(accessibleName);
    b->setGeometry(geometry);
    return b;
}

} // namespace

TfrmExpTorneo::TfrmExpTorneo(AppContext &app, QWidget *owner)
    : DialogWindow(app, QStringLiteral("frmExpTorneo"),
                   QStringLiteral(" Esporta archivio candidati esaminati in Microsoft Excel"),
                   QSize(862, 560), kBackground, kBackground, owner),
      m_model(new ExportGridModel(this))
{
    panContainer = new QWidget(this);
    panContainer->setObjectName(QStringLiteral("panContainer"));
    panContainer->setGeometry(0, 0, 862, 560);

    shpSfondo = strip(QStringLiteral("shpSfondo"), Qt::white, QRect(0, 0, 862, 96), panContainer);

    imgLogo =
        new SvgPicture(QStringLiteral("imgLogo"), QStringLiteral(":/pictures/export_logo.svg"), panContainer);
    imgLogo->setAccessibleName(QStringLiteral("ESPORTAZIONE IN EXCEL"));
    imgLogo->setGeometry(14, 12, 440, 72);

    icoHand =
        new SvgPicture(QStringLiteral("icoHand"), QStringLiteral(":/pictures/export_hand.svg"), panContainer);
    icoHand->setGeometry(566, 28, 64, 40);

    cmdEsporta = pictureButton(QStringLiteral("cmdEsporta"), QStringLiteral(":/pictures/export_excel.svg"),
                               QStringLiteral("Esporta"), QRect(640, 16, 64, 64), panContainer);
    cmdGuida = pictureButton(QStringLiteral("cmdGuida"), QStringLiteral(":/pictures/export_guida.svg"),
                             QStringLiteral("Guida"), QRect(714, 16, 64, 64), panContainer);
    cmdEsci = pictureButton(QStringLiteral("cmdEsci"), QStringLiteral(":/pictures/export_esci.svg"),
                            QStringLiteral("Esci"), QRect(788, 16, 64, 64), panContainer);

    // Beside the Excel picture: the same rows as real spreadsheet files.
    cmdSalvaXlsx = makePushButton(panContainer, QStringLiteral("cmdSalvaXlsx"), QStringLiteral("Salva XLSX"),
                                  QRect(458, 16, 104, 30), fonts::verdana(9, true));
    cmdSalvaCsv = makePushButton(panContainer, QStringLiteral("cmdSalvaCsv"), QStringLiteral("Salva CSV"),
                                 QRect(458, 50, 104, 30), fonts::verdana(9, true));

    grdRecords = new QTableView(panContainer);
    grdRecords->setObjectName(QStringLiteral("grdRecords"));
    grdRecords->setGeometry(10, 106, 842, 410);
    grdRecords->setModel(m_model);
    grdRecords->setFont(fonts::tahoma(9));
    grdRecords->setAlternatingRowColors(true);
    grdRecords->setSelectionMode(QAbstractItemView::SingleSelection);
    grdRecords->setSelectionBehavior(QAbstractItemView::SelectItems);
    grdRecords->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                QAbstractItemView::AnyKeyPressed);
    grdRecords->setWordWrap(false);
    grdRecords->verticalHeader()->hide();
    grdRecords->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdRecords->verticalHeader()->setMinimumSectionSize(1);
    grdRecords->verticalHeader()->setDefaultSectionSize(21);
    grdRecords->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grdRecords->horizontalHeader()->setHighlightSections(false);
    for (int c = 0; c < ExportGridModel::kColumns; ++c)
        grdRecords->setColumnWidth(c, ExportGridModel::columnWidth(c));

    shpInfo =
        strip(QStringLiteral("shpInfo"), QColor(0x6A, 0x5A, 0xCD), QRect(0, 526, 862, 34), panContainer);

    panInfo = new QLabel(QStringLiteral("Esportazione archivio in Microsoft Excel."), panContainer);
    panInfo->setObjectName(QStringLiteral("panInfo"));
    panInfo->setFont(fonts::tahoma(12));
    panInfo->setStyleSheet(QStringLiteral("color: white;"));
    panInfo->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    panInfo->setGeometry(12, 526, 838, 34);
    // Pointing at the status text is pointing at its strip.
    panInfo->setAttribute(Qt::WA_TransparentForMouseEvents);

    m_status = new StatusLine(panInfo);
    m_status->describe(cmdEsporta, QStringLiteral("Esporta l'archivio in formato Microsoft Excel."));
    m_status->describe(cmdGuida, QStringLiteral("Visualizza la pagina della guida sensibile al contesto."));
    m_status->describe(cmdSalvaXlsx, QStringLiteral("Salva l'archivio in un file XLSX."));
    m_status->describe(cmdSalvaCsv, QStringLiteral("Salva l'archivio in un file CSV."));
    m_status->describe(cmdEsci, QStringLiteral("Esci da questo ambiente di lavoro."));
    for (QWidget *background :
         {static_cast<QWidget *>(this), panContainer, static_cast<QWidget *>(grdRecords),
          grdRecords->viewport(), static_cast<QWidget *>(shpInfo), static_cast<QWidget *>(shpSfondo)})
        m_status->clearOver(background);

    connect(cmdEsporta, &ImageButton::clicked, this, &TfrmExpTorneo::cmdEsportaClick);
    connect(cmdGuida, &ImageButton::clicked, this, &TfrmExpTorneo::cmdGuidaClick);
    cmdGuida->addShortcut(Qt::Key_F1);
    connect(cmdEsci, &ImageButton::clicked, this, &TfrmExpTorneo::cmdEsciClick);
    connect(cmdSalvaXlsx, &QPushButton::clicked, this, &TfrmExpTorneo::cmdSalvaXlsxClick);
    connect(cmdSalvaCsv, &QPushButton::clicked, this, &TfrmExpTorneo::cmdSalvaCsvClick);
}

QString TfrmExpTorneo::helpTopic()
{
    return QStringLiteral("Esportazione archivio candidati esaminati in Microsoft Excel");
}

void TfrmExpTorneo::FormShow()
{
    {
        const BusyCursor busy;
        m_model->fill(app().frmTorneo()->lblFile->text());
    }
    grdRecords->setFocus();
}

void TfrmExpTorneo::cmdEsportaClick()
{
    // A cell still being edited is committed before the rows are written.
    cmdEsporta->setFocus();

    Messages &messages = app().messages();
    if (!messages.confirm(this,
                          QStringLiteral("L'esportazione dei dati in Excel può richiedere diversi minuti a "
                                         "seconda del numero di schede presenti in archivio.\r\n\r\n"
                                         "Si vuole esportare i dati adesso?")))
        return;

    const QString path = app().pathInFolder(spreadsheet::fileName());
    try {
        const BusyCursor busy;
        spreadsheet::writeFile(path, m_model->spreadsheet());
    } catch (const SintarelError &) {
        messages.plain(this, QStringLiteral("Attenzione: il sistema non permette di esportare i dati.\n\r\n\r"
                                            "Accertarsi che il file di Excel non sia già aperto."));
        return;
    }

    if (messages.confirm(this,
                         QStringLiteral("Le schede in archivio sono state esportate con successo.\r\n\r\n"
                                        "Si vuole aprire il file di Excel?")))
        TMisc::Open(app().shell(), QLatin1Char('"') + path + QLatin1Char('"'));
}

void TfrmExpTorneo::cmdGuidaClick()
{
    help::openTopic(app(), this, helpTopic());
}

void TfrmExpTorneo::cmdEsciClick()
{
    close();
}

void TfrmExpTorneo::cmdSalvaXlsxClick()
{
    saveAs(true);
}

void TfrmExpTorneo::cmdSalvaCsvClick()
{
    saveAs(false);
}

void TfrmExpTorneo::saveAs(bool xlsx)
{
    // A cell still being edited is committed before the rows are written.
    (xlsx ? cmdSalvaXlsx : cmdSalvaCsv)->setFocus();

    const QString session = catalogue::sessionName(QFileInfo(app().frmTorneo()->lblFile->text()).fileName());
    const QString extension = xlsx ? QStringLiteral(".xlsx") : QStringLiteral(".csv");
    QString path = filedialogs::saveFile(
        this, xlsx ? QStringLiteral("Salva XLSX") : QStringLiteral("Salva CSV"),
        QDir(filedialogs::documentsFolder()).filePath(session + extension),
        xlsx ? QStringLiteral("Cartella di lavoro Excel (*.xlsx)") : QStringLiteral("File CSV (*.csv)"));
    if (path.isEmpty())
        return;
    // A name typed without its extension gets the format's own.
    if (QFileInfo(path).suffix().isEmpty())
        path += extension;
    try {
        const BusyCursor busy;
        if (xlsx)
            xlsxexport::writeFile(path, session, *m_model);
        else
            csvexport::writeFile(path, *m_model);
    } catch (const SintarelError &e) {
        app().messages().warning(this, QStringLiteral("Attenzione: il file %1 non è stato salvato.\r\n\r\n%2")
                                           .arg(QDir::toNativeSeparators(path), e.text()));
        return;
    }
    app().messages().information(this, QStringLiteral("Le schede in archivio sono state salvate nel file %1.")
                                           .arg(QDir::toNativeSeparators(path)));
}
