#include "editor/Torneo.h"

#include "archive/backup.h"
#include "archive/changelog.h"
#include "archive/sessionfile.h"
#include "common/DataLabel.h"
#include "common/Fonts.h"
#include "common/ImageButton.h"
#include "common/Messages.h"
#include "common/StatusLine.h"
#include "common/SvgPicture.h"
#include "common/formats.h"
#include "common/text.h"
#include "editor/FieldHighlight.h"
#include "editor/MemoLimit.h"
#include "editor/assembling.h"
#include "editor/editortexts.h"
#include "editor/memotext.h"
#include "editor/navigation.h"
#include "editor/score.h"
#include "export/ExportActions.h"
#include "help/HelpActions.h"
#include "lists/ListActions.h"
#include "printouts/SheetActions.h"
#include "shell/AppContext.h"
#include "shell/Avvio.h"
#include "tools/Calendario.h"
#include "tools/ToolActions.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>

#include <memory>

namespace
{

QFrame *surface(QWidget *parent, const char *name, const QRect &geometry, const QString &style)
{
    auto *f = new QFrame(parent);
    f->setObjectName(QString::fromLatin1(name));
    f->setGeometry(geometry);
    f->setStyleSheet(QStringLiteral("QFrame#%1 { %2 }").arg(QString::fromLatin1(name), style));
    return f;
}

QLabel *caption(QWidget *parent, const QString &words, const QRect &geometry)
{
    auto *l = new QLabel(words, parent);
    l->setFont(fonts::verdana(10, true));
    l->setStyleSheet(QStringLiteral("color: #12355B;"));
    l->setGeometry(geometry);
    return l;
}

QLineEdit *field(QWidget *parent, const char *name, int maxLength, const QRect &geometry, QLabel *buddy)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setMaxLength(maxLength);
    e->setFont(fonts::verdana(11));
    e->setGeometry(geometry);
    buddy->setBuddy(e);
    e->setAccessibleName(buddy->text().chopped(1));
    fieldhighlight::install(e);
    return e;
}

ImageButton *tool(QWidget *parent, const char *name, const char *picture, const QString &words, int x)
{
    auto *b = new ImageButton(QString::fromLatin1(name), parent);
    b->setLook(ImageButton::Look::PictureAbove);
    b->setPicture(QString::fromLatin1(picture));
    b->setWords(words);
    b->setWordsPointSize(7);
    b->setGeometry(x, 6, 62, 58);
    return b;
}

constexpr int kFiscalCodeLimit = 16;
constexpr int kDateLimit = 10;

// A stored text longer than the field's typing limit (a fiscal code or a date
// written by another program) is shown whole, so that saving the record again
// does not cut it; the usual limit returns with the next record.
void setStoredText(QLineEdit *field, int limit, const QString &text)
{
    field->setMaxLength(std::max<int>(limit, int(text.size())));
    field->setText(text);
}

bool isEnter(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

TfrmTorneo::TfrmTorneo(AppContext &app)
    : FullScreenWindow(app, QStringLiteral("frmTorneo"), QStringLiteral(" Sintarel - Gestione sessione"),
                       QColor(0x42, 0x7A, 0xA8), Qt::white)
{
    setPanelSize(QSize(994, 692));
    QWidget *p = panel();
    buildToolbar(p);
    buildFields(p);
    describeCommands();

    lblFile = new QLabel(p);
    lblFile->setObjectName(QStringLiteral("lblFile"));
    lblFile->hide();

    // Zero-sized rather than hidden: a hidden widget cannot take the focus, and
    // Save parks the focus here so that the field being edited is left first.
    btnFocus = new QPushButton(p);
    btnFocus->setObjectName(QStringLiteral("btnFocus"));
    btnFocus->setFocusPolicy(Qt::NoFocus);
    btnFocus->setGeometry(0, 0, 0, 0);
    btnFocus->setFlat(true);
    btnFocus->setAccessibleName(QStringLiteral("Fine modifica"));

    setTabOrder(txtConcorrente, txtResponsabile);
    setTabOrder(txtResponsabile, txtTelefono);
    setTabOrder(txtTelefono, txtEmail);
    setTabOrder(txtEmail, txtGare);
    setTabOrder(txtGare, txtPunteggio);
    setTabOrder(txtPunteggio, txtNote);
    setTabOrder(txtNote, chkCompletato);
    // The commands come after the record's controls, so every one of them can be
    // reached without a mouse.
    QWidget *previous = chkCompletato;
    for (QWidget *w : std::initializer_list<QWidget *>{
             cmdNuovo, cmdSalva, cmdTrova, cmdAnteprima, cmdStampa, cmdPrimo, cmdIndietro, cmdAvanti,
             cmdUltimo, cmdExcel, cmdNonPagati, cmdGuida, cmdEsci, btnEmail, btnCalcolatrice}) {
        setTabOrder(previous, w);
        previous = w;
    }
    addShortcuts();

    for (QWidget *w : std::initializer_list<QWidget *>{txtConcorrente, txtResponsabile, txtTelefono, txtEmail,
                                                       txtGare, txtPunteggio, txtNote})
        w->installEventFilter(this);

    connect(cmdNuovo, &ImageButton::clicked, this, &TfrmTorneo::cmdNuovoClick);
    connect(cmdSalva, &ImageButton::clicked, this, &TfrmTorneo::cmdSalvaClick);
    connect(cmdTrova, &ImageButton::clicked, this, &TfrmTorneo::cmdTrovaClick);
    connect(cmdAnteprima, &ImageButton::clicked, this, &TfrmTorneo::cmdAnteprimaClick);
    connect(cmdStampa, &ImageButton::clicked, this, &TfrmTorneo::cmdStampaClick);
    connect(cmdPrimo, &ImageButton::clicked, this, &TfrmTorneo::cmdPrimoClick);
    connect(cmdIndietro, &ImageButton::clicked, this, &TfrmTorneo::cmdIndietroClick);
    connect(cmdAvanti, &ImageButton::clicked, this, &TfrmTorneo::cmdAvantiClick);
    connect(cmdUltimo, &ImageButton::clicked, this, &TfrmTorneo::cmdUltimoClick);
    connect(cmdExcel, &ImageButton::clicked, this, &TfrmTorneo::cmdExcelClick);
    connect(cmdNonPagati, &ImageButton::clicked, this, &TfrmTorneo::cmdNonPagatiClick);
    connect(cmdGuida, &ImageButton::clicked, this, &TfrmTorneo::cmdGuidaClick);
    connect(cmdEsci, &ImageButton::clicked, this, &TfrmTorneo::cmdEsciClick);
    connect(btnEmail, &ImageButton::clicked, this, &TfrmTorneo::btnEmailClick);
    connect(btnCalcolatrice, &ImageButton::clicked, this, &TfrmTorneo::btnCalcolatriceClick);
    connect(btnFocus, &QPushButton::clicked, this, &TfrmTorneo::btnFocusClick);
    connect(txtResponsabile, &QLineEdit::textEdited, this, &TfrmTorneo::txtResponsabileTyping);
}

void TfrmTorneo::buildToolbar(QWidget *p)
{
    using namespace editortexts;
    // Group backgrounds first, so the buttons lie on them.
    const QString group =
        QStringLiteral("background-color: rgba(255,255,255,150); border: 1px solid #9BB7D4; "
                       "border-radius: 6px;");
    surface(p, "shpPulsanti01", QRect(4, 2, 202, 66), group);
    surface(p, "shpPulsanti02", QRect(212, 2, 70, 66), group);
    surface(p, "shpPulsanti03", QRect(288, 2, 70, 66), group);
    surface(p, "Rectangle1", QRect(364, 2, 326, 66), group);
    surface(p, "shpPulsanti04", QRect(696, 2, 70, 66), group);
    surface(p, "shpPulsanti05", QRect(772, 2, 70, 66), group);
    surface(p, "shpPulsanti06", QRect(848, 2, 142, 66), group);

    cmdNuovo = tool(p, "cmdNuovo", ":/pictures/editor_nuovo.svg", kWordsNuovo, 8);
    cmdSalva = tool(p, "cmdSalva", ":/pictures/editor_salva.svg", kWordsSalva, 74);
    cmdTrova = tool(p, "cmdTrova", ":/pictures/editor_trova.svg", kWordsTrova, 140);
    cmdAnteprima = tool(p, "cmdAnteprima", ":/pictures/editor_anteprima.svg", kWordsAnteprima, 216);
    cmdStampa = tool(p, "cmdStampa", ":/pictures/editor_stampa.svg", kWordsStampa, 292);
    cmdPrimo = tool(p, "cmdPrimo", ":/pictures/editor_primo.svg", kWordsPrimo, 368);
    cmdIndietro = tool(p, "cmdIndietro", ":/pictures/editor_indietro.svg", kWordsIndietro, 432);

    lblPosizione = new DataLabel(QString(), p);
    lblPosizione->setObjectName(QStringLiteral("lblPosizione"));
    lblPosizione->setAlignment(Qt::AlignCenter);
    lblPosizione->setFont(fonts::verdana(12, true));
    lblPosizione->setStyleSheet(QStringLiteral("color: #12355B;"));
    lblPosizione->setGeometry(496, 18, 62, 32);
    datalabel::expose(lblPosizione, QStringLiteral("Scheda"), QStringLiteral("Numero della scheda"));

    cmdAvanti = tool(p, "cmdAvanti", ":/pictures/editor_avanti.svg", kWordsAvanti, 560);
    cmdUltimo = tool(p, "cmdUltimo", ":/pictures/editor_ultimo.svg", kWordsUltimo, 624);
    cmdExcel = tool(p, "cmdExcel", ":/pictures/editor_excel.svg", kWordsExcel, 700);
    cmdNonPagati = tool(p, "cmdNonPagati", ":/pictures/editor_idonei.svg", kWordsNonPagati, 776);
    cmdGuida = tool(p, "cmdGuida", ":/pictures/guida.svg", kWordsGuida, 852);
    cmdEsci = tool(p, "cmdEsci", ":/pictures/esci.svg", kWordsEsci, 922);

    bkgNome = surface(p, "bkgNome", QRect(0, 74, 994, 38),
                      QStringLiteral("background-color: #1F4E8C; border-top: 2px solid #FFD700; "
                                     "border-bottom: 2px solid #FFD700;"));
    lblNome = new DataLabel(QStringLiteral("Nome Sessione"), p);
    lblNome->setObjectName(QStringLiteral("lblNome"));
    lblNome->setAlignment(Qt::AlignCenter);
    lblNome->setFont(fonts::verdana(15, true));
    lblNome->setStyleSheet(QStringLiteral("color: yellow; background: transparent;"));
    lblNome->setGeometry(0, 76, 994, 34);
    datalabel::expose(lblNome, QString(), QStringLiteral("Nome della sessione"));
}

void TfrmTorneo::buildFields(QWidget *p)
{
    using namespace editortexts;
    const QString sfondo =
        QStringLiteral("background-color: rgba(255,255,255,170); border: 1px solid #9BB7D4; "
                       "border-radius: 8px;");
    surface(p, "shpSfondo01", QRect(4, 118, 986, 70), sfondo);
    surface(p, "shpSfondo02", QRect(4, 558, 986, 70), sfondo);

    QLabel *c1 = caption(p, kCaptionConcorrente, QRect(14, 124, 280, 20));
    txtConcorrente = field(p, "txtConcorrente", 120, QRect(14, 146, 300, 32), c1);
    QLabel *c2 = caption(p, kCaptionResponsabile, QRect(326, 124, 200, 20));
    txtResponsabile = field(p, "txtResponsabile", kFiscalCodeLimit, QRect(326, 146, 200, 32), c2);
    btnEmail = new ImageButton(QStringLiteral("btnEmail"), p);
    btnEmail->setPicture(QStringLiteral(":/pictures/editor_verifica.svg"));
    btnEmail->setAccessibleName(QStringLiteral("Verifica codice fiscale"));
    btnEmail->setGeometry(530, 146, 32, 32);
    QLabel *c3 = caption(p, kCaptionTelefono, QRect(574, 124, 240, 20));
    txtTelefono = field(p, "txtTelefono", 50, QRect(574, 146, 250, 32), c3);
    QLabel *c4 = caption(p, kCaptionEmail, QRect(836, 124, 150, 20));
    txtEmail = field(p, "txtEmail", kDateLimit, QRect(836, 146, 146, 32), c4);
    txtEmail->setReadOnly(true);
    txtEmail->setAlignment(Qt::AlignCenter);

    // The exam details memo on its own panel, a banner above it.
    panTesto =
        surface(p, "panTesto", QRect(4, 194, 986, 358),
                QStringLiteral("background-color: #E4EEF8; border: 1px solid #9BB7D4; border-radius: 8px;"));
    bkgTesto = surface(p, "bkgTesto", QRect(10, 200, 974, 40),
                       QStringLiteral("background-color: transparent; border: none;"));
    auto *banner = new SvgPicture(QStringLiteral("imgDettagli"),
                                  QStringLiteral(":/pictures/editor_dettagli.svg"), bkgTesto);
    banner->setGeometry(0, 0, 974, 40);
    banner->setAccessibleName(QStringLiteral("Prove sostenute dal candidato"));
    txtGare = new QPlainTextEdit(p);
    txtGare->setObjectName(QStringLiteral("txtGare"));
    txtGare->setFont(fonts::verdana(11));
    txtGare->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txtGare->setTabChangesFocus(true);
    txtGare->setGeometry(10, 244, 974, 302);
    txtGare->setAccessibleName(QStringLiteral("Prove sostenute"));
    memolimit::install(txtGare, 5000);

    QLabel *c5 = caption(p, kCaptionPunteggio, QRect(14, 564, 200, 20));
    txtPunteggio = field(p, "txtPunteggio", 15, QRect(14, 586, 150, 32), c5);
    txtPunteggio->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    txtPunteggio->setText(QStringLiteral("0,00"));
    btnCalcolatrice = new ImageButton(QStringLiteral("btnCalcolatrice"), p);
    btnCalcolatrice->setPicture(QStringLiteral(":/pictures/editor_calcolatrice.svg"));
    btnCalcolatrice->setAccessibleName(QStringLiteral("Calcolatrice"));
    btnCalcolatrice->setGeometry(168, 586, 32, 32);
    QLabel *c6 = caption(p, kCaptionNote, QRect(214, 564, 200, 20));
    txtNote = field(p, "txtNote", 500, QRect(214, 586, 570, 32), c6);

    icoCompletato =
        new SvgPicture(QStringLiteral("icoCompletato"), QStringLiteral(":/pictures/editor_idoneo.svg"), p);
    icoCompletato->setGeometry(800, 578, 48, 48);
    chkCompletato = new QCheckBox(kCaptionCompletato, p);
    chkCompletato->setObjectName(QStringLiteral("chkCompletato"));
    chkCompletato->setFont(fonts::verdana(12, true));
    chkCompletato->setStyleSheet(QStringLiteral("color: #12355B;"));
    chkCompletato->setGeometry(854, 586, 130, 32);
    // The rosette shows the box: gold when ticked, grey when clear.
    icoCompletato->setDimmed(true);
    connect(chkCompletato, &QCheckBox::toggled, icoCompletato,
            [this](bool on) { icoCompletato->setDimmed(!on); });

    shpInfo =
        surface(p, "shpInfo", QRect(4, 640, 986, 40),
                QStringLiteral("background-color: #2F5F9E; border: 2px solid #FFD700; border-radius: 4px;"));
    panInfo = new DataLabel(kStatusReady, p);
    panInfo->setObjectName(QStringLiteral("panInfo"));
    panInfo->setFont(fonts::tahoma(12));
    panInfo->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    panInfo->setGeometry(16, 644, 964, 32);
    datalabel::expose(panInfo, QString(), QStringLiteral("Riga di stato"), QAccessible::StatusBar);
}

void TfrmTorneo::describeCommands()
{
    m_status = new StatusLine(panInfo);
    const auto texts = editortexts::statusTexts();
    for (const auto &entry : texts) {
        QWidget *w = findChild<QWidget *>(entry.first);
        Q_ASSERT(w);
        m_status->describe(w, entry.second);
    }
    // Pointing at the window's background and its decorative surfaces empties the
    // line. A move over a child without mouse tracking is also reported to its
    // parents, so each report is checked against what really lies under the mouse.
    m_backgrounds = {this, panel()};
    for (const char *name :
         {"shpPulsanti01", "shpPulsanti02", "shpPulsanti03", "shpPulsanti04", "shpPulsanti05",
          "shpPulsanti06", "Rectangle1", "shpSfondo01", "shpSfondo02", "shpInfo", "bkgNome", "lblNome",
          "panTesto", "bkgTesto", "icoCompletato", "imgDettagli"})
        m_backgrounds.insert(findChild<QWidget *>(QString::fromLatin1(name)));
    for (QWidget *w : std::as_const(m_backgrounds)) {
        w->setMouseTracking(true);
        w->installEventFilter(this);
    }
}

void TfrmTorneo::addShortcuts()
{
    const auto texts = editortexts::statusTexts();
    for (const auto &entry : editortexts::shortcuts()) {
        auto *button = findChild<ImageButton *>(entry.first);
        Q_ASSERT(button);
        button->addShortcut(entry.second);
        m_shortcuts.append(entry.second);
        for (const auto &status : texts)
            if (status.first == entry.first)
                button->setToolTip(editortexts::tooltip(status.second, entry.second));
    }
}

bool TfrmTorneo::isShortcut(const QKeyEvent *key) const
{
    return m_shortcuts.contains(QKeySequence(key->keyCombination()));
}

void TfrmTorneo::mouseOverBackground(const QPointF &globalPos)
{
    QWidget *under = childAt(mapFromGlobal(globalPos.toPoint()));
    if (!under)
        under = this;
    if (m_backgrounds.contains(under) && !panInfo->text().isEmpty())
        panInfo->clear();
}

// --- showing and assembling records -------------------------------------------------

void TfrmTorneo::showRecord(const TScheda &record, qint64 number)
{
    using F = TScheda::Field;
    txtConcorrente->setText(record.text(F::Concorrente));
    setStoredText(txtResponsabile, kFiscalCodeLimit, record.text(F::Responsabile));
    txtTelefono->setText(record.text(F::Telefono));
    setStoredText(txtEmail, kDateLimit, record.text(F::Email));
    txtGare->setPlainText(memotext::fromStored(record.text(F::Gare)));
    txtPunteggio->setText(record.text(F::Punteggio));
    txtNote->setText(record.text(F::Note));
    const QString flag = record.flagText();
    if (flag == TScheda::eligibleYes())
        chkCompletato->setChecked(true);
    else if (flag == TScheda::eligibleNo())
        chkCompletato->setChecked(false);
    lblPosizione->setText(QString::number(number));
    m_shown.remember(assembleRecord());
}

TScheda TfrmTorneo::assembleRecord() const
{
    assembling::Fields f;
    f.name = txtConcorrente->text();
    f.fiscalCode = txtResponsabile->text();
    f.provenance = txtTelefono->text();
    f.examDate = txtEmail->text();
    f.details = memotext::fromDocument(txtGare->document()->toRawText());
    f.score = txtPunteggio->text();
    f.notes = txtNote->text();
    f.eligible = chkCompletato->isChecked();
    return assembling::record(f);
}

void TfrmTorneo::showBlankRecord()
{
    txtConcorrente->clear();
    setStoredText(txtResponsabile, kFiscalCodeLimit, QString());
    txtTelefono->clear();
    setStoredText(txtEmail, kDateLimit, formats::date(app().clock().today()));
    txtGare->clear();
    txtPunteggio->setText(QStringLiteral("0,00"));
    txtNote->clear();
    chkCompletato->setChecked(false);
    lblPosizione->clear();
    m_shown.remember(assembleRecord());
    txtConcorrente->setFocus();
}

bool TfrmTorneo::hasUnsavedChanges() const
{
    return m_shown.changed(assembleRecord());
}

bool TfrmTorneo::mayLeaveRecord()
{
    if (!hasUnsavedChanges())
        return true;
    // Over the window that asked (a list recalling a record), else the editor.
    QWidget *over = QApplication::activeModalWidget();
    switch (app().messages().ask(over ? over : this, editortexts::kUnsavedChanges)) {
    case Messages::Answer::Yes:
        return save();
    case Messages::Answer::No:
        return true;
    case Messages::Answer::Cancel:
        break;
    }
    return false;
}

// --- window events -------------------------------------------------------------------

void TfrmTorneo::FormShow()
{
    showBlankRecord();
}

void TfrmTorneo::closeEvent(QCloseEvent *event)
{
    // Esci, the window's close button, the window manager or the end of the
    // desktop session: unsaved edits are asked about first.
    if (isVisible() && !mayLeaveRecord()) {
        event->ignore();
        return;
    }
    FullScreenWindow::closeEvent(event);
}

void TfrmTorneo::FormClose()
{
    app().frmAvvio()->showWindow();
    hide();
}

QString TfrmTorneo::sessionPath() const
{
    return text::trimmed(lblFile->text());
}

void TfrmTorneo::reportAccessFailure(bool plainBox)
{
    if (plainBox)
        app().messages().plain(this, editortexts::kAccessFailure);
    else
        app().messages().error(this, editortexts::kAccessFailure);
}

// --- record commands -----------------------------------------------------------------

void TfrmTorneo::cmdNuovoClick()
{
    if (mayLeaveRecord())
        showBlankRecord();
}

void TfrmTorneo::page(int command)
{
    using Kind = navigation::Step::Kind;
    bool asked = false;
    for (;;) {
        try {
            SessionFile file(sessionPath());
            const navigation::Step step = navigation::step(static_cast<navigation::Command>(command),
                                                           lblPosizione->text(), file.count());
            switch (step.kind) {
            case Kind::Show: {
                if (!asked && hasUnsavedChanges()) {
                    // Asked with the file closed, as Save opens it again. After a
                    // save the command starts over from the stored record.
                    file.close();
                    asked = true;
                    if (!mayLeaveRecord())
                        return;
                    continue;
                }
                const TScheda record = file.read(step.number - 1);
                file.close();
                showRecord(record, step.number);
                return;
            }
            case Kind::Stay:
                file.close();
                return;
            case Kind::EmptyFileClear:
                lblPosizione->clear();
                [[fallthrough]];
            case Kind::EmptyFile:
                file.close();
                app().messages().information(this, editortexts::kEmptySession);
                return;
            }
        } catch (const SessionError &) {
            reportAccessFailure(false);
        }
        return;
    }
}

void TfrmTorneo::cmdPrimoClick()
{
    page(int(navigation::Command::First));
}

void TfrmTorneo::cmdIndietroClick()
{
    page(int(navigation::Command::Previous));
}

void TfrmTorneo::cmdAvantiClick()
{
    page(int(navigation::Command::Next));
}

void TfrmTorneo::cmdUltimoClick()
{
    page(int(navigation::Command::Last));
}

void TfrmTorneo::cmdSalvaClick()
{
    save();
}

bool TfrmTorneo::save()
{
    using namespace editortexts;
    // Leave the field being edited first, so that its exit rules (the score's
    // normal form) run before the fields are read.
    const bool scoreWasFocused = focusWidget() == txtPunteggio;
    btnFocus->setFocus(Qt::OtherFocusReason);
    if (scoreWasFocused && QApplication::focusWidget() != btnFocus)
        txtPunteggioExit(); // the window was not active, so no focus event came

    const struct {
        QLineEdit *field;
        QString warning;
    } required[] = {{txtConcorrente, kMissingName}, {txtEmail, kMissingDate}, {txtPunteggio, kMissingScore}};
    for (const auto &r : required) {
        if (text::trimmed(r.field->text()).isEmpty()) {
            app().messages().warning(this, r.warning);
            r.field->setFocus();
            return false;
        }
    }

    const QString path = sessionPath();
    const QDateTime now = app().clock().now();
    QStringList warnings;
    const auto showWarnings = [&] {
        if (!warnings.isEmpty())
            panInfo->setText(warnings.join(u' '));
        else if (panInfo->text().startsWith(kBackupFailed) || panInfo->text() == kLogFailed)
            panInfo->clear(); // an earlier warning no longer holds
    };
    try {
        SessionFile file(path);
        // Copied under the lock, before the first write of this run; a failed
        // copy does not stop the save.
        if (backup::Keeper::thisRun().beforeWrite(path, now) == backup::Result::Failed)
            warnings.append(kBackupFailed);
        const TScheda record = assembleRecord();
        const QString position = text::trimmed(lblPosizione->text());
        bool logged = false;
        QString done;
        if (!position.isEmpty()) {
            const qint64 n = navigation::positionNumber(position);
            const TScheda before = file.read(n - 1);
            file.overwrite(n - 1, record);
            file.close();
            logged = changelog::logChange(path, now, n, before, record);
            done = kSavedChanges;
        } else {
            const qint64 n = file.append(record);
            file.close();
            lblPosizione->setText(QString::number(n));
            logged = changelog::logNewRecords(path, now, n, {record});
            done = kSavedNew;
        }
        m_shown.remember(record);
        // The record is stored whatever became of its log line.
        if (!logged)
            warnings.append(kLogFailed);
        showWarnings();
        app().messages().information(this, done);
        return true;
    } catch (const SessionError &) {
        showWarnings();
        reportAccessFailure(true);
        return false;
    }
}

// --- windows opened from the editor -------------------------------------------------

void TfrmTorneo::cmdTrovaClick()
{
    lists::openSearch(app(), this);
}

void TfrmTorneo::cmdNonPagatiClick()
{
    lists::openEligible(app(), this);
}

void TfrmTorneo::cmdAnteprimaClick()
{
    sheet::openPreview(app(), this);
}

void TfrmTorneo::cmdStampaClick()
{
    sheet::openPrint(app(), this);
}

void TfrmTorneo::cmdExcelClick()
{
    exporting::openExport(app(), this);
}

void TfrmTorneo::cmdGuidaClick()
{
    help::openTopic(app(), this, editortexts::kHelpTopic);
}

void TfrmTorneo::btnEmailClick()
{
    tools::openTaxCodeCheck(app(), this);
}

void TfrmTorneo::btnCalcolatriceClick()
{
    tools::openCalculator(app(), this);
}

void TfrmTorneo::openDatePicker()
{
    auto picker = std::make_unique<TfrmCalendario>(app(), this);
    picker->lblMemory->setText(QStringLiteral("torneo_email"));
    picker->exec();
}

void TfrmTorneo::cmdEsciClick()
{
    close();
}

// --- field behaviour -----------------------------------------------------------------

void TfrmTorneo::btnFocusClick()
{
    txtConcorrente->setText(text::trimmed(txtConcorrente->text()));
}

void TfrmTorneo::txtResponsabileTyping()
{
    const QString before = txtResponsabile->text();
    const QString after = text::upperAZ(text::trimmed(before));
    if (after == before)
        return;
    // Keep the caret where the user was typing, less what went from the front.
    int cursor = txtResponsabile->cursorPosition();
    qsizetype lead = 0;
    while (lead < before.size() && before.at(lead).unicode() <= 32)
        ++lead;
    cursor = int(std::clamp<qsizetype>(cursor - lead, 0, after.size()));
    txtResponsabile->setText(after);
    txtResponsabile->setCursorPosition(cursor);
}

void TfrmTorneo::txtPunteggioExit()
{
    txtPunteggio->setText(score::normalised(txtPunteggio->text()));
}

bool TfrmTorneo::txtEmailKeyDown(int key, const QString &)
{
    switch (key) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        txtEmail->clear();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        txtGare->setFocus();
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
        // Moving on with Tab and pressing a modifier on its own are not a request
        // for a date.
        return false;
    default:
        openDatePicker();
        return true;
    }
}

bool TfrmTorneo::txtPunteggioKeyDown(int key, const QString &typed)
{
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        txtNote->setFocus();
        if (QApplication::focusWidget() != txtNote)
            txtPunteggioExit(); // the window was not active, so no focus event came
        return true;
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
        return false;
    default:
        break;
    }
    if (typed.size() == 1 &&
        (typed.at(0).isDigit() ? typed.at(0) >= u'0' && typed.at(0) <= u'9' : typed.at(0) == u','))
        return false;
    return true; // Tab and the period included: this field moves on only with Enter
}

bool TfrmTorneo::eventFilter(QObject *watched, QEvent *event)
{
    if (m_backgrounds.contains(qobject_cast<QWidget *>(watched))) {
        // Moves only: a window appearing under a still mouse is no pointing.
        if (event->type() == QEvent::MouseMove)
            mouseOverBackground(static_cast<QMouseEvent *>(event)->globalPosition());
        return false;
    }
    if (event->type() == QEvent::FocusOut && watched == txtPunteggio) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            txtPunteggioExit();
        return false;
    }
    // A field would keep Ctrl+Home and the like for itself; the editor's
    // shortcuts win (the field keeps Home, End, PgUp and PgDn).
    if (event->type() == QEvent::ShortcutOverride && isShortcut(static_cast<QKeyEvent *>(event)))
        return true;
    if (event->type() != QEvent::KeyPress)
        return FullScreenWindow::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    if (watched == txtEmail)
        return txtEmailKeyDown(key->key(), key->text());
    if (watched == txtPunteggio)
        return txtPunteggioKeyDown(key->key(), key->text());
    if (isEnter(key->key())) {
        QWidget *next = nullptr;
        if (watched == txtConcorrente)
            next = txtResponsabile;
        else if (watched == txtResponsabile)
            next = txtTelefono;
        else if (watched == txtTelefono)
            next = txtEmail;
        else if (watched == txtNote)
            next = txtConcorrente;
        if (next) {
            next->setFocus();
            return true;
        }
    }
    return false;
}
