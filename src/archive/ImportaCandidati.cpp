#include "archive/ImportaCandidati.h"

#include "common/Fonts.h"
#include "common/PushButton.h"

#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

namespace
{

const QColor kBackground(0xEE, 0xED, 0xED);

QLabel *label(const QString &name, const QString &text, const QFont &font, const QRect &geometry,
              QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setFont(font);
    l->setGeometry(geometry);
    l->setWordWrap(true);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return l;
}

} // namespace

TfrmImportaCandidati::TfrmImportaCandidati(AppContext &app, QWidget *owner, const csvimport::Reading &reading,
                                           const QString &csvPath, const QString &session)
    : DialogWindow(app, QStringLiteral("frmImportaCandidati"), QStringLiteral(" Importa candidati"),
                   QSize(862, 600), kBackground, kBackground, owner)
{
    setEscapeCloses(true);
    lblTitolo =
        label(QStringLiteral("lblTitolo"), QStringLiteral("Importazione nella sessione %1").arg(session),
              fonts::verdana(14, true), QRect(16, 10, 830, 28), this);
    lblFileCsv = label(QStringLiteral("lblFileCsv"),
                       QStringLiteral("%1 \u2014 %2")
                           .arg(QDir::toNativeSeparators(csvPath), csvimport::dialectText(reading)),
                       fonts::tahoma(9), QRect(16, 40, 830, 34), this);
    lblColonne = label(QStringLiteral("lblColonne"), csvimport::mappingLines(reading).join(u'\n'),
                       fonts::tahoma(9), QRect(16, 76, 830, 112), this);
    lblColonne->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    const QList<TScheda::Field> fields = csvimport::previewFields();
    const int shown = int(std::min<qsizetype>(reading.records.size(), csvimport::kPreviewRecords));
    grdAnteprima = new QTableWidget(shown, int(fields.size()), this);
    grdAnteprima->setObjectName(QStringLiteral("grdAnteprima"));
    grdAnteprima->setAccessibleName(QStringLiteral("Anteprima delle schede"));
    grdAnteprima->setGeometry(16, 192, 830, 204);
    grdAnteprima->setFont(fonts::tahoma(9));
    grdAnteprima->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdAnteprima->setAlternatingRowColors(true);
    grdAnteprima->setWordWrap(false);
    grdAnteprima->verticalHeader()->setDefaultSectionSize(21);
    QStringList headers;
    for (csvimport::Target t :
         {csvimport::Target::Name, csvimport::Target::FiscalCode, csvimport::Target::Provenance,
          csvimport::Target::ExamDate, csvimport::Target::Details, csvimport::Target::Score,
          csvimport::Target::Notes, csvimport::Target::Eligible})
        headers.append(csvimport::targetCaption(t));
    grdAnteprima->setHorizontalHeaderLabels(headers);
    for (int r = 0; r < shown; ++r)
        for (int c = 0; c < fields.size(); ++c)
            grdAnteprima->setItem(
                r, c, new QTableWidgetItem(csvimport::previewText(reading.records[r], fields[c])));
    grdAnteprima->resizeColumnsToContents();
    for (int c = 0; c < fields.size(); ++c)
        grdAnteprima->setColumnWidth(c, std::min(grdAnteprima->columnWidth(c), 240));

    lblConteggio = label(QStringLiteral("lblConteggio"), reading.countsText(), fonts::verdana(11, true),
                         QRect(16, 402, 830, 24), this);
    lblConteggio->setAccessibleName(reading.countsText());

    lstProblemi = new QListWidget(this);
    lstProblemi->setObjectName(QStringLiteral("lstProblemi"));
    lstProblemi->setAccessibleName(QStringLiteral("Righe con errori e avvisi"));
    lstProblemi->setFont(fonts::tahoma(9));
    lstProblemi->setGeometry(16, 430, 830, 110);
    lstProblemi->addItems(csvimport::problemLines(reading));
    for (int i = 0; i < reading.errors.size(); ++i)
        lstProblemi->item(i)->setForeground(QColor(0xB0, 0x00, 0x00));

    cmdAnnulla = makePushButton(this, QStringLiteral("cmdAnnulla"), QStringLiteral("Annulla"),
                                QRect(540, 552, 140, 34));
    cmdImporta = makePushButton(this, QStringLiteral("cmdImporta"), QStringLiteral("Importa"),
                                QRect(706, 552, 140, 34));
    cmdImporta->setEnabled(reading.importable());

    connect(cmdImporta, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdAnnulla, &QPushButton::clicked, this, &QDialog::close);
    setTabOrder(grdAnteprima, lstProblemi);
    setTabOrder(lstProblemi, cmdAnnulla);
    setTabOrder(cmdAnnulla, cmdImporta);
}
