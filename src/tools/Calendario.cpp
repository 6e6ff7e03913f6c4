#include "tools/Calendario.h"

#include "common/Fonts.h"
#include "common/formats.h"
#include "editor/Torneo.h"
#include "shell/AppContext.h"

#include <QCalendarWidget>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TfrmCalendario::TfrmCalendario(AppContext &app, QWidget *owner)
    : DialogWindow(app, QStringLiteral("frmCalendario"), QStringLiteral(" Importazione data"),
                   QSize(253, 294), Qt::white, QColor(0x46, 0x82, 0xB4), owner)
{
    lblCampo001 = new QLabel(QStringLiteral("Importare una data:"), this);
    lblCampo001->setObjectName(QStringLiteral("lblCampo001"));
    lblCampo001->setFont(fonts::verdana(10, true));
    lblCampo001->setGeometry(10, 8, 233, 22);

    bkgCalendario = new QFrame(this);
    bkgCalendario->setObjectName(QStringLiteral("bkgCalendario"));
    bkgCalendario->setStyleSheet(
        QStringLiteral("QFrame#bkgCalendario { background-color: #D6DCE1; border: 1px solid #9AA7B3; }"));
    bkgCalendario->setGeometry(6, 34, 241, 212);

    calAppuntamenti = new QCalendarWidget(bkgCalendario);
    calAppuntamenti->setObjectName(QStringLiteral("calAppuntamenti"));
    calAppuntamenti->setGeometry(4, 4, 233, 204);
    calAppuntamenti->setGridVisible(false);
    calAppuntamenti->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calAppuntamenti->setFirstDayOfWeek(Qt::Monday);
    calAppuntamenti->setFont(fonts::verdana(8));
    // Today from the program's clock, so a fixed date in tests gives a fixed picker.
    calAppuntamenti->setSelectedDate(app.clock().today());

    btnAnnulla = new QPushButton(QStringLiteral("Annulla"), this);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    btnAnnulla->setGeometry(46, 254, 96, 30);
    btnImportaData = new QPushButton(QStringLiteral("Importa"), this);
    btnImportaData->setObjectName(QStringLiteral("btnImportaData"));
    btnImportaData->setGeometry(150, 254, 96, 30);
    btnImportaData->setDefault(true);

    lblMemory = new QLabel(this);
    lblMemory->setObjectName(QStringLiteral("lblMemory"));
    lblMemory->hide();

    setTabOrder(calAppuntamenti, btnImportaData);
    setTabOrder(btnImportaData, btnAnnulla);
    calAppuntamenti->setFocus();

    connect(btnImportaData, &QPushButton::clicked, this, &TfrmCalendario::btnImportaDataClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &TfrmCalendario::btnAnnullaClick);
}

void TfrmCalendario::btnImportaDataClick()
{
    // The tag is compared as it is: only the editor's exam date takes a date.
    if (lblMemory->text() != QLatin1String("torneo_email"))
        return;
    app().frmTorneo()->txtEmail->setText(formats::date(calAppuntamenti->selectedDate()));
    done(QDialog::Accepted);
}

void TfrmCalendario::btnAnnullaClick()
{
    done(QDialog::Rejected);
}
