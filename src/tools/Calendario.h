#pragma once

#include "common/DialogWindow.h"

class QCalendarWidget;
class QFrame;
class QLabel;
class QPushButton;

// The date picker: a month calendar whose date goes into the field its caller
// names in lblMemory. Each opening starts at today.
class TfrmCalendario : public DialogWindow
{
    Q_OBJECT
public:
    TfrmCalendario(AppContext &app, QWidget *owner);

    QLabel *lblCampo001;
    QFrame *bkgCalendario;
    QCalendarWidget *calAppuntamenti;
    QPushButton *btnAnnulla;
    QPushButton *btnImportaData;
    QLabel *lblMemory; // the caller's tag: "torneo_email" is the editor's exam date

private slots:
    void btnImportaDataClick();
    void btnAnnullaClick();
};
