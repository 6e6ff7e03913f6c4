#pragma once

#include "archive/record.h"
#include "common/DataLabel.h"
#include "common/FullScreenWindow.h"
#include "editor/shownrecord.h"

#include <QKeySequence>
#include <QList>
#include <QSet>

class ImageButton;
class QCheckBox;
class QKeyEvent;
class QFrame;
class SvgPicture;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class StatusLine;

// The session editor: one candidate record of the open session at a time. Its
// controls are the program's current-record interface: the search and the
// eligible list write into them, the printouts and the export read them.
class TfrmTorneo : public FullScreenWindow
{
    Q_OBJECT
public:
    explicit TfrmTorneo(AppContext &app);

    // Toolbar, left to right.
    ImageButton *cmdNuovo;
    ImageButton *cmdSalva;
    ImageButton *cmdTrova;
    ImageButton *cmdAnteprima;
    ImageButton *cmdStampa;
    ImageButton *cmdPrimo;
    ImageButton *cmdIndietro;
    DataLabel *lblPosizione; // 1-based number of the stored record shown; empty for a new one
    ImageButton *cmdAvanti;
    ImageButton *cmdUltimo;
    ImageButton *cmdExcel;
    ImageButton *cmdNonPagati; // opens the eligible candidates list
    ImageButton *cmdGuida;
    ImageButton *cmdEsci;

    DataLabel *lblNome; // session name band
    QLabel *lblFile;    // hidden: full path of the open session file

    QLineEdit *txtConcorrente;  // candidate name
    QLineEdit *txtResponsabile; // fiscal code
    ImageButton *btnEmail;      // fiscal code / VAT number check
    QLineEdit *txtTelefono;     // provenance
    QLineEdit *txtEmail;        // exam date, read-only
    QPlainTextEdit *txtGare;    // exam details
    QLineEdit *txtPunteggio;    // total score
    ImageButton *btnCalcolatrice;
    QLineEdit *txtNote;
    QCheckBox *chkCompletato; // eligible

    DataLabel *panInfo;    // status line
    QPushButton *btnFocus; // never visible: a place to park the focus

    // Decorative surfaces; pointing at them empties the status line.
    QFrame *bkgNome;
    QFrame *panTesto;
    QFrame *bkgTesto;
    QFrame *shpInfo;
    SvgPicture *icoCompletato;

    // Shows stored record `number` (1-based): the seven fields get the stored
    // texts as they are, the check box follows "Sì" / "No" and keeps its state
    // for any other flag text, and lblPosizione becomes the number. The search
    // and the eligible list recall records through this.
    void showRecord(const TScheda &record, qint64 number);

    // The record the fields hold, as Save stores it.
    TScheda assembleRecord() const;

    // The blank record (New): empty fields, today's date, score "0,00".
    void showBlankRecord();

    StatusLine *statusLine() const { return m_status; }

    // Whether the fields hold edits made since the record was shown or stored.
    bool hasUnsavedChanges() const;

    // Before the fields are replaced (paging, New, a recall, closing): with
    // unsaved edits asks whether to save them. True when the caller may go on
    // (saved, or the user chose not to), false to stay (Annulla, or Save did
    // not store the record).
    bool mayLeaveRecord();

protected:
    void FormShow() override;
    void FormClose() override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void cmdNuovoClick();
    void cmdSalvaClick();
    void cmdTrovaClick();
    void cmdAnteprimaClick();
    void cmdStampaClick();
    void cmdPrimoClick();
    void cmdIndietroClick();
    void cmdAvantiClick();
    void cmdUltimoClick();
    void cmdExcelClick();
    void cmdNonPagatiClick();
    void cmdGuidaClick();
    void cmdEsciClick();
    void btnEmailClick();
    void btnCalcolatriceClick();
    void btnFocusClick();
    void txtResponsabileTyping();
    void txtPunteggioExit();

private:
    void buildToolbar(QWidget *p);
    void buildFields(QWidget *p);
    void describeCommands();
    void addShortcuts();
    bool isShortcut(const QKeyEvent *key) const;
    bool txtEmailKeyDown(int key, const QString &typed);
    bool txtPunteggioKeyDown(int key, const QString &typed);
    void openDatePicker();
    void page(int command); // a navigation::Command

    QString sessionPath() const;
    bool save(); // Save; true when the record was stored
    void storeRecord(const QString &position);
    void reportAccessFailure(bool plainBox);

    void mouseOverBackground(const QPointF &globalPos);

    StatusLine *m_status = nullptr;
    ShownRecord m_shown;
    QSet<QWidget *> m_backgrounds;
    QList<QKeySequence> m_shortcuts;
};
