#pragma once

#include "common/DialogWindow.h"

class CandidateListView;
class QLabel;
class QLineEdit;
class QPushButton;
class SvgPicture;

// The eligible candidates of the editor's session, in alphabetical order, with
// find, print and recall into the editor.
class TfrmSegnalati : public DialogWindow
{
    Q_OBJECT
public:
    TfrmSegnalati(AppContext &app, QWidget *parent);

    SvgPicture *imgLogo;
    SvgPicture *icoIstruzioni;
    SvgPicture *imgLente;
    QLineEdit *txtTrova;
    QPushButton *btnTrova;
    CandidateListView *lstRecords;
    QLabel *lblRigo03;
    QPushButton *btnChiudi;
    QPushButton *btnStampa;

protected:
    void FormShow() override;
    void FormClose() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void btnTrovaClick();
    void btnStampaClick();
    void lstRecordsDblClick();

private:
    QString m_remembered;
};
