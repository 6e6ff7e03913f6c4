#include "editor/Torneo.h"
#include "printouts/AnteprimaPagina.h"
#include "printouts/SheetActions.h"
#include "printouts/StampaPagina.h"
#include "printouts/sheetlayout.h"
#include "support/testapp.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>

using sheetlayout::SheetValues;
using sheetlayout::Variant;
using Kind = PageItem::Kind;

Q_DECLARE_METATYPE(PageItem::Kind)

namespace
{

const QColor kBeige(0xF5, 0xF5, 0xDC);
const QColor kBlue(0x64, 0x95, 0xED);
const QColor kYellow(0xFF, 0xFF, 0xE0);

SheetValues sample()
{
    SheetValues v;
    v.sessionName = QStringLiteral("Concorso 2026");
    v.recordNumber = QStringLiteral("12");
    v.candidate = QStringLiteral("Rossi Mario");
    v.fiscalCode = QStringLiteral("RSSMRA80A01H501U");
    v.provenance = QStringLiteral("Forl\u00ec");
    v.examDate = QStringLiteral("01/02/2026");
    v.examDetails = QStringLiteral("Prova scritta");
    v.score = QStringLiteral("27,50");
    v.notes = QStringLiteral("Nessuna");
    return v;
}

const PageItem &only(const PageModel &m, const QString &name)
{
    static PageItem none;
    const QList<PageItem> found = m.itemsNamed(name);
    if (found.size() != 1) {
        qWarning("%lld items named %s", qlonglong(found.size()), qPrintable(name));
        return none;
    }
    for (const PageItem &item : m.pages.first().items)
        if (item.name == name)
            return item;
    return none;
}

QString pdfInfo(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {path});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Types the values into the editor's controls, without saving.
void fillEditor(TestApp &t, const SheetValues &v)
{
    TfrmTorneo *e = t->frmTorneo();
    e->lblNome->setText(v.sessionName);
    e->lblPosizione->setText(v.recordNumber);
    e->txtConcorrente->setText(v.candidate);
    e->txtResponsabile->setText(v.fiscalCode);
    e->txtTelefono->setText(v.provenance);
    e->txtEmail->setText(v.examDate);
    e->txtGare->setPlainText(v.examDetails);
    e->txtPunteggio->setText(v.score);
    e->txtNote->setText(v.notes);
}

} // namespace

class TestSheet : public QObject
{
    Q_OBJECT
private slots:
    void objects_data();
    void objects();
    void appearance();
    void windowsDiffer();
    void values_data();
    void values();
    void overlongValuesStayInTheirBoxes();
    void pdfSmoke();
    void windows_data();
    void windows();
    void actionPrintsAndCloses_data();
    void actionPrintsAndCloses();
    void cancelCloses();
    void enterOnAnnullaPrintsNothing();
    void openedByEditor_data();
    void openedByEditor();
};

void TestSheet::objects_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<PageItem::Kind>("kind");
    QTest::addColumn<QRectF>("rect");
    QTest::addColumn<QString>("text"); // fixed texts; "*" for a value

    const auto row = [](const char *name, int index, Kind kind, QRectF rect, const char *text = "") {
        QTest::newRow(name) << index << kind << rect << QString::fromUtf8(text);
    };
    row("Shape2", 0, Kind::Rect, {11.0, 39.8, 188.0, 223.0});
    row("Line1", 1, Kind::Line, {QPointF(10.0, 15.0), QPointF(10.0, 289.0)});
    row("Line2", 2, Kind::Line, {QPointF(10.0, 289.2), QPointF(200.0, 289.2)});
    row("Line3", 3, Kind::Line, {QPointF(10.0, 14.8), QPointF(200.0, 14.8)});
    row("Line4", 4, Kind::Line, {QPointF(200.0, 15.0), QPointF(200.0, 289.0)});
    row("lblNome", 5, Kind::Text, {10.0, 10.4, 169.0, 3.4}, "*");
    row("Shape6", 6, Kind::Rect, {11.0, 16.0, 188.0, 6.0});
    row("titCommittente", 7, Kind::Text, {12.0, 17.2, 24.4, 3.8}, "CANDIDATO:");
    row("txtConcorrente", 8, Kind::Text, {38.0, 17.2, 159.0, 3.8}, "*");
    row("Shape7", 9, Kind::Rect, {11.0, 281.8, 188.0, 6.0});
    row("Shape13", 10, Kind::Rect, {11.0, 275.0, 188.0, 5.8});
    row("Memo5", 11, Kind::Text, {12.0, 276.0, 186.0, 4.0}, "NOTE:");
    row("txtGare", 12, Kind::Text, {13.0, 42.0, 184.0, 217.8}, "*");
    row("txtNote", 13, Kind::Text, {12.0, 283.0, 186.0, 3.8}, "*");
    row("Shape15", 14, Kind::Rect, {119.0, 266.0, 80.0, 5.8});
    row("Memo1", 15, Kind::Text, {121.0, 267.2, 31.0, 4.0}, "Punteggio totale:");
    row("Shape1", 16, Kind::Rect, {11.0, 266.0, 104.0, 6.0});
    row("Memo7", 17, Kind::Text, {12.0, 267.2, 26.4, 3.8}, "DATA ESAME:");
    row("txtEmail", 18, Kind::Text, {40.0, 267.2, 74.0, 3.8}, "*");
    row("Shape3", 19, Kind::Rect, {11.0, 23.6, 79.0, 6.0});
    row("titImpresa", 20, Kind::Text, {12.0, 24.8, 30.4, 3.8}, "CODICE FISCALE:");
    row("txtResponsabile", 21, Kind::Text, {44.0, 24.8, 44.0, 3.8}, "*");
    row("Shape4", 22, Kind::Rect, {92.0, 23.6, 107.0, 6.0});
    row("Memo6", 23, Kind::Text, {93.2, 24.8, 27.4, 3.8}, "PROVENIENZA:");
    row("txtTelefono", 24, Kind::Text, {122.0, 24.8, 75.0, 3.8}, "*");
    row("txtPagina", 25, Kind::Text, {180.0, 10.4, 20.0, 3.4}, "*");
    row("Shape5", 26, Kind::Rect, {11.0, 32.0, 188.0, 6.0});
    row("Memo2", 27, Kind::Text, {12.0, 33.0, 63.0, 4.0}, "DETTAGLI ESAME:");
    row("txtPunteggio", 28, Kind::Text, {153.0, 267.2, 45.0, 3.8}, "*");
}

// The print window's sheet: every object at its place, in drawing order.
void TestSheet::objects()
{
    QFETCH(int, index);
    QFETCH(PageItem::Kind, kind);
    QFETCH(QRectF, rect);
    QFETCH(QString, text);

    const PageModel m = sheetlayout::layout(sample(), Variant::Print);
    QCOMPARE(m.paper, QPageSize::A4);
    QCOMPARE(m.orientation, QPageLayout::Portrait);
    QCOMPARE(m.pages.size(), 1);
    QCOMPARE(m.pages.first().items.size(), 29);
    const PageItem &item = m.pages.first().items.at(index);
    QCOMPARE(item.name, QString::fromLatin1(QTest::currentDataTag()));
    QCOMPARE(item.kind, kind);
    QCOMPARE(item.rect, rect);
    if (kind == Kind::Text && text != QLatin1String("*"))
        QCOMPARE(item.text, text);
    if (kind == Kind::Text)
        QCOMPARE(item.font.family, QStringLiteral("Arial"));
}

void TestSheet::appearance()
{
    const PageModel m = sheetlayout::layout(sample(), Variant::Print);
    // Strips: filled, outlined in their own colour.
    for (const char *name : {"Shape2", "Shape7"}) {
        QCOMPARE(only(m, name).fill, kBeige);
        QCOMPARE(only(m, name).outline, kBeige);
    }
    for (const char *name : {"Shape6", "Shape13", "Shape15", "Shape1", "Shape3", "Shape4", "Shape5"}) {
        QCOMPARE(only(m, name).fill, kBlue);
        QCOMPARE(only(m, name).outline, kBlue);
    }
    for (const char *name : {"Line1", "Line2", "Line3", "Line4"}) {
        QCOMPARE(only(m, name).color, QColor(Qt::black));
        QVERIFY(qAbs(only(m, name).penWidth - 0.26) < 0.01);
    }

    struct Look {
        const char *name;
        qreal size;
        bool bold;
        QColor colour;
        Qt::Alignment horizontal;
    };
    const Look looks[] = {
        {"lblNome", 7, false, Qt::black, Qt::AlignLeft},
        {"titCommittente", 8, true, kYellow, Qt::AlignLeft},
        {"txtConcorrente", 8, true, Qt::white, Qt::AlignLeft},
        {"Memo5", 9, true, Qt::white, Qt::AlignLeft},
        {"txtNote", 8, false, Qt::black, Qt::AlignLeft},
        {"Memo1", 9, true, kYellow, Qt::AlignLeft},
        {"Memo7", 8, true, kYellow, Qt::AlignLeft},
        {"txtEmail", 8, true, Qt::white, Qt::AlignLeft},
        {"titImpresa", 8, true, kYellow, Qt::AlignLeft},
        {"txtResponsabile", 8, true, Qt::white, Qt::AlignLeft},
        {"Memo6", 8, true, kYellow, Qt::AlignLeft},
        {"txtTelefono", 8, true, Qt::white, Qt::AlignLeft},
        {"txtPagina", 7, false, Qt::black, Qt::AlignRight},
        {"Memo2", 9, true, kYellow, Qt::AlignLeft},
        {"txtPunteggio", 8, true, Qt::white, Qt::AlignRight},
    };
    for (const Look &l : looks) {
        const PageItem &item = only(m, l.name);
        QVERIFY2(item.font.pointSize == l.size && item.font.bold == l.bold, l.name);
        QVERIFY2(item.color == l.colour, l.name);
        QVERIFY2(item.alignment == (l.horizontal | Qt::AlignVCenter), l.name);
        QVERIFY2(item.flow == PageItem::Flow::Clip, l.name);
        QVERIFY2(!item.fill.isValid() && !item.outline.isValid(), l.name);
    }

    // The exam details: wrapped in their box, from the top, on beige.
    const PageItem &details = only(m, "txtGare");
    QCOMPARE(details.flow, PageItem::Flow::Wrap);
    QCOMPARE(details.alignment, Qt::AlignLeft | Qt::AlignTop);
    QCOMPARE(details.font, (PageFont{QStringLiteral("Arial"), 8, false}));
    QCOMPARE(details.fill, kBeige);
    QCOMPARE(details.color, QColor(Qt::black));
}

void TestSheet::windowsDiffer()
{
    const PageModel print = sheetlayout::layout(sample(), Variant::Print);
    const PageModel preview = sheetlayout::layout(sample(), Variant::Preview);
    QCOMPARE(only(print, "Memo6").rect, QRectF(93.2, 24.8, 27.4, 3.8));
    QCOMPARE(only(preview, "Memo6").rect, QRectF(93.2, 24.8, 28.4, 3.8));
    QCOMPARE(only(print, "txtTelefono").rect, QRectF(122.0, 24.8, 75.0, 3.8));
    QCOMPARE(only(preview, "txtTelefono").rect, QRectF(123.0, 24.8, 74.0, 3.8));
    // Everything else is the same.
    QCOMPARE(preview.pages.size(), 1);
    QCOMPARE(preview.pages.first().items.size(), print.pages.first().items.size());
    for (qsizetype i = 0; i < print.pages.first().items.size(); ++i) {
        const PageItem &a = print.pages.first().items.at(i);
        const PageItem &b = preview.pages.first().items.at(i);
        QCOMPARE(b.name, a.name);
        if (a.name != QLatin1String("Memo6") && a.name != QLatin1String("txtTelefono"))
            QCOMPARE(b.rect, a.rect);
        QCOMPARE(b.text, a.text);
    }
}

void TestSheet::values_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("object");
    QTest::addColumn<QString>("printed");

    QTest::newRow("record number") << "recordNumber"
                                   << " 12 "
                                   << "txtPagina"
                                   << "p. 12";
    QTest::newRow("record not stored") << "recordNumber"
                                       << ""
                                       << "txtPagina"
                                       << "p. ";
    QTest::newRow("no session name") << "sessionName"
                                     << ""
                                     << "lblNome"
                                     << "";
    QTest::newRow("name trimmed") << "candidate"
                                  << "\t Rossi  Mario \r\n"
                                  << "txtConcorrente"
                                  << "Rossi  Mario";
    // Control characters stored inside a field print as blanks.
    QTest::newRow("LF inside the name") << "candidate"
                                        << "Rossi\nMario"
                                        << "txtConcorrente"
                                        << "Rossi Mario";
    QTest::newRow("TAB inside the notes") << "notes"
                                          << "uno\tdue"
                                          << "txtNote"
                                          << "uno due";
    QTest::newRow("details: TAB blank, lines kept") << "examDetails"
                                                    << "Prima\tprova\nSeconda"
                                                    << "txtGare"
                                                    << "Prima prova\nSeconda";
    QTest::newRow("brackets literal") << "notes"
                                      << "[Concorrente] {x} <b>&amp;</b> [DATE]"
                                      << "txtNote"
                                      << "[Concorrente] {x} <b>&amp;</b> [DATE]";
    QTest::newRow("details: outer blank lines go, inner ones stay")
        << "examDetails"
        << "\n\n  \nPrima prova\n\n\nSeconda prova  \n\t\n"
        << "txtGare"
        << "Prima prova\n\n\nSeconda prova";
    QTest::newRow("details: CR LF as line breaks") << "examDetails"
                                                   << "Prima\r\n\r\nSeconda\r\n"
                                                   << "txtGare"
                                                   << "Prima\n\nSeconda";
    QTest::newRow("score as typed") << "score"
                                    << " 27,5abc "
                                    << "txtPunteggio"
                                    << "27,5abc";
    QTest::newRow("empty date") << "examDate"
                                << ""
                                << "txtEmail"
                                << "";
    QTest::newRow("fiscal code") << "fiscalCode"
                                 << " rssmra80a01h501u"
                                 << "txtResponsabile"
                                 << "rssmra80a01h501u";
    QTest::newRow("provenance") << "provenance"
                                << "Citt\u00e0 "
                                << "txtTelefono"
                                << "Citt\u00e0";
}

void TestSheet::values()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, object);
    QFETCH(QString, printed);

    SheetValues v = sample();
    QString *target = field == QLatin1String("recordNumber")  ? &v.recordNumber
                      : field == QLatin1String("sessionName") ? &v.sessionName
                      : field == QLatin1String("candidate")   ? &v.candidate
                      : field == QLatin1String("notes")       ? &v.notes
                      : field == QLatin1String("examDetails") ? &v.examDetails
                      : field == QLatin1String("score")       ? &v.score
                      : field == QLatin1String("examDate")    ? &v.examDate
                      : field == QLatin1String("fiscalCode")  ? &v.fiscalCode
                                                              : &v.provenance;
    *target = typed;
    for (Variant variant : {Variant::Print, Variant::Preview})
        QCOMPARE(only(sheetlayout::layout(v, variant), object).text, printed);
}

// Overlong values are cut at their boxes: the boxes never move or grow.
void TestSheet::overlongValuesStayInTheirBoxes()
{
    SheetValues v = sample();
    v.candidate = QString(120, u'W');
    v.provenance = QString(50, u'M');
    v.notes = QString(500, u'n');
    QString details;
    for (int i = 0; i < 400; ++i)
        details +=
            QStringLiteral("Riga %1 dei dettagli d'esame, abbastanza lunga da andare a capo.\n").arg(i);
    v.examDetails = details;
    const PageModel m = sheetlayout::layout(v, Variant::Print);
    QCOMPARE(m.pages.size(), 1);
    QCOMPARE(only(m, "txtConcorrente").rect, QRectF(38.0, 17.2, 159.0, 3.8));
    QCOMPARE(only(m, "txtConcorrente").flow, PageItem::Flow::Clip);
    QCOMPARE(only(m, "txtTelefono").rect, QRectF(122.0, 24.8, 75.0, 3.8));
    QCOMPARE(only(m, "txtNote").rect, QRectF(12.0, 283.0, 186.0, 3.8));
    QCOMPARE(only(m, "txtGare").rect, QRectF(13.0, 42.0, 184.0, 217.8));
    QCOMPARE(only(m, "txtGare").flow, PageItem::Flow::Wrap);
}

// The sheet as the printer gets it, read back from a PDF.
void TestSheet::pdfSmoke()
{
    SheetValues v = sample();
    v.candidate = QStringLiteral("Rossi Mario [Concorrente] ") + QString(60, u'W') + QStringLiteral("CODA");
    QString details = QStringLiteral("Prima riga\n\nTerza riga\n");
    for (int i = 4; i <= 200; ++i)
        details += QStringLiteral("riga%1\n").arg(i);
    v.examDetails = details;

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("scheda.pdf"));
    FakePrintService::Job job{sheetlayout::reportName(), sheetlayout::layout(v, Variant::Print), false};
    QVERIFY(FakePrintService::renderPdf(job, path));
    QVERIFY(pdfInfo(path).contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))));
    QVERIFY(pdfInfo(path).contains(QStringLiteral("Candidato ed esame")));
    QVERIFY(pdfInfo(path).contains(QStringLiteral("(A4)")));

    const QString text = FakePrintService::pdfText(path);
    for (const char *expected :
         {"Concorso 2026", "p. 12", "CANDIDATO:", "Rossi Mario [Concorrente]", "CODICE FISCALE:",
          "RSSMRA80A01H501U", "PROVENIENZA:", "DETTAGLI ESAME:", "Prima riga", "Terza riga", "riga4",
          "DATA ESAME:", "01/02/2026", "Punteggio totale:", "27,50", "NOTE:", "Nessuna"})
        QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);
    QVERIFY(text.contains(QStringLiteral("Forl\u00ec")));
    // Cut at the right edge of the name's box and at the lower edge of the details' box.
    QVERIFY(!text.contains(QStringLiteral("CODA")));
    QVERIFY(!text.contains(QStringLiteral("riga200")));
}

void TestSheet::windows_data()
{
    QTest::addColumn<bool>("preview");
    QTest::newRow("print") << false;
    QTest::newRow("preview") << true;
}

void TestSheet::windows()
{
    QFETCH(bool, preview);
    TestApp t;
    std::unique_ptr<DialogWindow> w;
    if (preview)
        w = std::make_unique<TfrmAnteprimaPagina>(t.app(), t->frmTorneo());
    else
        w = std::make_unique<TfrmStampaPagina>(t.app(), t->frmTorneo());
    QCOMPARE(w->objectName(),
             preview ? QStringLiteral("frmAnteprimaPagina") : QStringLiteral("frmStampaPagina"));
    QCOMPARE(w->windowTitle(),
             preview ? QStringLiteral(" Anteprima di stampa") : QStringLiteral(" Stampa scheda"));
    QCOMPARE(w->size(), QSize(362, 287));
    QVERIFY(!(w->windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint)));
    auto *annulla = getChild<QPushButton>(w.get(), QStringLiteral("btnAnnulla"));
    auto *stampa = getChild<QPushButton>(w.get(), QStringLiteral("btnStampa"));
    QVERIFY(annulla && stampa);
    QCOMPARE(annulla->text(), QStringLiteral("Annulla"));
    QCOMPARE(stampa->text(), preview ? QStringLiteral("Mostra anteprima") : QStringLiteral("Stampa"));
    QCOMPARE(annulla->size(), QSize(137, 28));
    QCOMPARE(stampa->size(), QSize(137, 28));
    QVERIFY(annulla->x() < stampa->x());
    QCOMPARE(stampa->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(getChild<QWidget>(w.get(), QStringLiteral("shpSfondo"))->size(), QSize(327, 215));
    QVERIFY(getChild<QWidget>(w.get(), preview ? QStringLiteral("icoInf01") : QStringLiteral("imgLogo01")));
}

void TestSheet::actionPrintsAndCloses_data()
{
    windows_data();
}

// The values come from the editor's controls as typed, saved or not.
void TestSheet::actionPrintsAndCloses()
{
    QFETCH(bool, preview);
    TestApp t;
    SheetValues v = sample();
    v.examDetails = QStringLiteral("\nProva scritta\n\nProva orale\n");
    fillEditor(t, v);
    t->frmTorneo()->txtConcorrente->setText(QString());
    typeText(t->frmTorneo()->txtConcorrente, QStringLiteral("Ner\u00ec Gina"));

    std::unique_ptr<DialogWindow> w;
    if (preview)
        w = std::make_unique<TfrmAnteprimaPagina>(t.app(), t->frmTorneo());
    else
        w = std::make_unique<TfrmStampaPagina>(t.app(), t->frmTorneo());
    w->show();
    getChild<QPushButton>(w.get(), QStringLiteral("btnStampa"))->click();

    QCOMPARE(t.print().jobs.size(), 1);
    const FakePrintService::Job &job = t.print().jobs.first();
    QCOMPARE(job.preview, preview);
    QCOMPARE(job.title, QStringLiteral("Candidato ed esame"));
    v.candidate = QStringLiteral("Ner\u00ec Gina");
    QCOMPARE(job.pages.pages.size(), 1);
    const PageModel expected = sheetlayout::layout(v, preview ? Variant::Preview : Variant::Print);
    for (const char *name : {"lblNome", "txtPagina", "txtConcorrente", "txtResponsabile", "txtTelefono",
                             "txtEmail", "txtGare", "txtPunteggio", "txtNote"})
        QCOMPARE(only(job.pages, name).text, only(expected, name).text);
    QCOMPARE(only(job.pages, "txtGare").text, QStringLiteral("Prova scritta\n\nProva orale"));
    QCOMPARE(only(job.pages, "txtTelefono").rect, only(expected, "txtTelefono").rect);
    QVERIFY(!w->isVisible());
    QVERIFY(t.messages().take().isEmpty());
}

void TestSheet::cancelCloses()
{
    TestApp t;
    fillEditor(t, sample());
    {
        // The print dialog cancelled: nothing printed, the window closes.
        TfrmStampaPagina w(t.app(), t->frmTorneo());
        w.show();
        t.print().acceptDialog = false;
        w.btnStampa->click();
        QCOMPARE(t.print().dialogsShown, 1);
        QVERIFY(t.print().jobs.isEmpty());
        QVERIFY(!w.isVisible());
    }
    for (bool preview : {false, true}) {
        // Annulla: no dialog, no preview.
        std::unique_ptr<SheetWindow> w;
        if (preview)
            w = std::make_unique<TfrmAnteprimaPagina>(t.app(), t->frmTorneo());
        else
            w = std::make_unique<TfrmStampaPagina>(t.app(), t->frmTorneo());
        w->show();
        w->btnAnnulla->click();
        QVERIFY(!w->isVisible());
    }
    QCOMPARE(t.print().dialogsShown, 1);
    QVERIFY(t.print().jobs.isEmpty());
}

// Enter presses the button that has the focus; a fresh window offers the action.
void TestSheet::enterOnAnnullaPrintsNothing()
{
    TestApp t;
    fillEditor(t, sample());
    for (bool preview : {false, true}) {
        for (Qt::Key key : {Qt::Key_Enter, Qt::Key_Return}) {
            std::unique_ptr<SheetWindow> w;
            if (preview)
                w = std::make_unique<TfrmAnteprimaPagina>(t.app(), t->frmTorneo());
            else
                w = std::make_unique<TfrmStampaPagina>(t.app(), t->frmTorneo());
            w->show();
            QVERIFY(QTest::qWaitForWindowActive(w.get()));
            QCOMPARE(QApplication::focusWidget(), w->btnStampa);
            QTest::keyClick(w->btnStampa, Qt::Key_Tab);
            QTRY_COMPARE(QApplication::focusWidget(), w->btnAnnulla);
            QTest::keyClick(QApplication::focusWidget(), key);
            QVERIFY(!w->isVisible());
        }
    }
    QCOMPARE(t.print().dialogsShown, 0);
    QVERIFY(t.print().jobs.isEmpty());
}

void TestSheet::openedByEditor_data()
{
    windows_data();
}

// Each click makes a new modal window over the editor, which goes when it closes.
void TestSheet::openedByEditor()
{
    QFETCH(bool, preview);
    TestApp t;
    fillEditor(t, sample());
    for (int round = 0; round < 2; ++round) {
        bool seen = false;
        whenModal([&](QWidget *w) {
            seen = true;
            QCOMPARE(w->objectName(),
                     preview ? QStringLiteral("frmAnteprimaPagina") : QStringLiteral("frmStampaPagina"));
            QCOMPARE(w->parentWidget(), t->frmTorneo());
            // Escape does not leave the window.
            QTest::keyClick(w, Qt::Key_Escape);
            QVERIFY(w->isVisible());
            getChild<QPushButton>(w, QStringLiteral("btnStampa"))->click();
        });
        if (preview)
            sheet::openPreview(t.app(), t->frmTorneo());
        else
            sheet::openPrint(t.app(), t->frmTorneo());
        QVERIFY(seen);
        QVERIFY(!t->frmTorneo()->findChild<SheetWindow *>());
    }
    QCOMPARE(t.print().jobs.size(), 2);
    QCOMPARE(t.print().jobs.at(1).preview, preview);
}

SINTAREL_TEST_MAIN(TestSheet)
#include "tst_sheet.moc"
