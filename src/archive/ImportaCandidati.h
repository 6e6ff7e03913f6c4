#pragma once

#include "archive/csvimport.h"
#include "common/DialogWindow.h"

class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

// The preview of a candidate import: how the file's columns map to the record
// fields, the first records as they will be stored, the counts and the faulty
// rows. "Importa" closes it accepted, and only when no row has errors.
class TfrmImportaCandidati : public DialogWindow
{
    Q_OBJECT
public:
    TfrmImportaCandidati(AppContext &app, QWidget *owner, const csvimport::Reading &reading,
                         const QString &csvPath, const QString &session);

    QLabel *lblTitolo;
    QLabel *lblFileCsv;
    QLabel *lblColonne;
    QTableWidget *grdAnteprima;
    QLabel *lblConteggio;
    QListWidget *lstProblemi;
    QPushButton *cmdImporta;
    QPushButton *cmdAnnulla;
};
