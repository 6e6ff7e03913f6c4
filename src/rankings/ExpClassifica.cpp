#include "rankings/ExpClassifica.h"
#include "common/BusyCursor.h"

#include "common/clock.h"
#include "common/text.h"
#include "printouts/listprintout.h"
#include "rankings/ApriClassifica.h"
#include "rankings/LineList.h"
#include "rankings/rankingload.h"
#include "shell/AppContext.h"

#include <QLabel>
#include <QLineEdit>

TfrmExpClassifica::TfrmExpClassifica(AppContext &app, QWidget *parent)
    : RankingWindow(app, QStringLiteral("frmExpClassifica"),
                    QStringLiteral(" Sintarel - Graduatoria di merito"), parent)
{
}

QString &TfrmExpClassifica::searchText()
{
    static QString remembered;
    return remembered;
}

QString TfrmExpClassifica::reportName() const
{
    return listprint::meritReportName();
}

void TfrmExpClassifica::FormShow()
{
    txtTrova->setFocus();
    const QString path = text::trimmed(app().frmApriClassifica()->lblFile->text());
    const BusyCursor busy;
    ranking::Loaded loaded = ranking::loadMerit(path, options(), app().clock().today());
    // A failed load leaves the list empty and the count as it was.
    if (!loaded.complete || loaded.lines.isEmpty())
        return;
    lstRecords->setTable(std::move(loaded.lines));
    setPublished(std::move(loaded.published));
    setNotice(loaded.tiedWithoutBirthDate > 0 ? ranking::missingBirthDatesText(loaded.tiedWithoutBirthDate)
                                              : QString());
    lblTotConcorrenti->setText(QString::number(lstRecords->count()));
}
