#pragma once

#include "common/DialogWindow.h"

class ExportGridModel;
class ImageButton;
class QFrame;
class QLabel;
class QPushButton;
class QTableView;
class StatusLine;
class SvgPicture;

// The spreadsheet export: lists the records of the editor's session in a grid
// and writes them to "Sessione_Esame.xls" in the program folder.
class TfrmExpTorneo : public DialogWindow
{
    Q_OBJECT
public:
    TfrmExpTorneo(AppContext &app, QWidget *owner);

    QWidget *panContainer;
    QFrame *shpSfondo;
    SvgPicture *imgLogo;
    SvgPicture *icoHand;
    ImageButton *cmdEsporta;
    ImageButton *cmdGuida;
    ImageButton *cmdEsci;
    QPushButton *cmdSalvaXlsx; // the grid as a real spreadsheet file
    QPushButton *cmdSalvaCsv;
    QTableView *grdRecords;
    QFrame *shpInfo;
    QLabel *panInfo;

    ExportGridModel *model() const { return m_model; }

    static QString helpTopic();

protected:
    void FormShow() override;

private slots:
    void cmdEsportaClick();
    void cmdGuidaClick();
    void cmdEsciClick();
    void cmdSalvaXlsxClick();
    void cmdSalvaCsvClick();

private:
    // Asks where to save (Documents, "<session>.<extension>") and writes there.
    void saveAs(bool xlsx);

    ExportGridModel *m_model;
    StatusLine *m_status;
};
