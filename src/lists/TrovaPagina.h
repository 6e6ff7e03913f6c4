#pragma once

#include "common/DialogWindow.h"

#include <array>

class CandidateListView;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class SvgPicture;

// The candidate search: up to six filters over the editor's session, the found
// candidates, find, print and recall into the editor.
class TfrmTrovaPagina : public DialogWindow
{
    Q_OBJECT
public:
    TfrmTrovaPagina(AppContext &app, QWidget *parent);

    // Filter panel
    QWidget *panAvvio;
    SvgPicture *imgSpiega;
    SvgPicture *icoTrova02;
    QLineEdit *txtConcorrente;
    QLineEdit *txtResponsabile;
    QLineEdit *txtTelefono;
    QLineEdit *txtEmail;
    QLineEdit *txtGare;
    QLineEdit *txtNote;
    QFrame *effConcorrente;
    QFrame *effResponsabile;
    QFrame *effTelefono;
    QFrame *effEmail;
    QFrame *effGare;
    QFrame *effNote;
    QLabel *lblAttendere;
    QPushButton *btnAnnulla;
    QPushButton *btnCerca;
    QLabel *lblConta;

    // Results panel
    QWidget *panContainer;
    SvgPicture *imgLogo;
    SvgPicture *icoIstruzioni01;
    SvgPicture *imgLente;
    QLineEdit *txtTrova;
    QPushButton *btnTrova;
    CandidateListView *lstRecords;
    QLabel *lblRigo03;
    QLabel *lblTrovate;
    QPushButton *btnChiudi;
    QPushButton *btnStampa;

    QLabel *lblMemory;

protected:
    void FormShow() override;
    void FormClose() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void btnCercaMouseDown();
    void btnCercaClick();
    void btnTrovaClick();
    void btnStampaClick();
    void lstRecordsDblClick();

private:
    void buildFilters();
    void buildResults();
    std::array<QLineEdit *, 6> filters() const;

    QString m_remembered;
};
