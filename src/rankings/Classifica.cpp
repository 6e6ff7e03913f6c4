#include "rankings/Classifica.h"
#include "common/BusyCursor.h"

#include "common/text.h"
#include "printouts/listprintout.h"
#include "rankings/LineList.h"
#include "rankings/rankingload.h"

#include <QLabel>
#include <QLineEdit>

TfrmClassifica::TfrmClassifica(AppContext &app, QWidget *parent)
    : RankingWindow(app, QStringLiteral("frmClassifica"),
                    QStringLiteral(" Sintarel - Graduatoria alfabetica"), parent)
{
    lblFile = new QLabel(this);
    lblFile->setObjectName(QStringLiteral("lblFile"));
    lblFile->hide();
}

QString &TfrmClassifica::searchText()
{
    static QString remembered;
    return remembered;
}

QString TfrmClassifica::reportName() const
{
    return listprint::alphabeticalReportName();
}

void TfrmClassifica::FormShow()
{
    searchText().clear();
    txtTrova->clear();
    lstRecords->clear();
    const BusyCursor busy;
    ranking::Loaded loaded = ranking::loadAlphabetical(text::trimmed(lblFile->text()), options());
    // Lines read before a failure stay; the count then shows 0.
    lstRecords->setTable(std::move(loaded.lines));
    setPublished(std::move(loaded.published));
    lblTotConcorrenti->setText(loaded.complete ? QString::number(lstRecords->count()) : QStringLiteral("0"));
    txtTrova->setFocus();
}

void TfrmClassifica::FormClose()
{
    lstRecords->clear();
    setPublished(LineTable());
}
