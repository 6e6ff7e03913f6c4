#include "archive/record.h"
#include "archive/sessionfile.h"
#include "common/ImageButton.h"
#include "editor/Torneo.h"
#include "export/ExpTorneo.h"
#include "export/ExportActions.h"
#include "export/exportgrid.h"
#include "export/spreadsheet.h"
#include "support/faultyaccess.h"
#include "support/testapp.h"

#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

using Kind = Messages::Kind;
using Shown = FakeMessages::Shown;

namespace
{

const QString kFirstQuestion = QStringLiteral("L'esportazione dei dati in Excel pu\u00f2 richiedere diversi "
                                              "minuti a seconda del numero di schede presenti "
                                              "in archivio.\r\n\r\nSi vuole esportare i dati adesso?");
const QString kSecondQuestion = QStringLiteral(
    "Le schede in archivio sono state esportate con successo.\r\n\r\nSi vuole aprire il file di Excel?");
const QString kFailure = QStringLiteral("Attenzione: il sistema non permette di esportare i dati.\n\r\n\r"
                                        "Accertarsi che il file di Excel non sia gi\u00e0 aperto.");

struct Candidate {
    QString name, fiscalCode, provenance, date, details, score, notes;
    bool eligible;
};

TScheda record(const Candidate &c)
{
    TScheda r = TScheda::blank();
    r.setText(TScheda::Field::Concorrente, c.name);
    r.setText(TScheda::Field::Responsabile, c.fiscalCode);
    r.setText(TScheda::Field::Telefono, c.provenance);
    r.setText(TScheda::Field::Email, c.date);
    r.setText(TScheda::Field::Gare, c.details);
    r.setText(TScheda::Field::Punteggio, c.score);
    r.setText(TScheda::Field::Note, c.notes);
    r.setEligible(c.eligible);
    return r;
}

// Writes a session of these candidates and hands its path to the editor, as
// opening it from the session list does.
QString makeSession(TestApp &t, const QList<Candidate> &candidates,
                    const QString &name = QStringLiteral("Prova"))
{
    QByteArray bytes;
    for (const Candidate &c : candidates) {
        const TScheda r = record(c);
        bytes.append(r.bytes(), TScheda::kSize);
    }
    t.writeFile(name + QStringLiteral(".vai"), bytes);
    t->frmTorneo()->lblFile->setText(t.path(name + QStringLiteral(".vai")));
    return t.path(name + QStringLiteral(".vai"));
}

// The file as it must be, assembled piece by piece from the format's table.
QByteArray expectedFile(const QList<QStringList> &rows)
{
    QByteArray out = "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
                     "xmlns:x=\"urn:schemas-microsoft-com:office:excel\" xmlns=\"";
    out += "http://www.w3.org/TR/REC-html40";
    out += "\">";
    for (const char *piece :
         {"<head>",
          "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">",
          "<!--[if gte mso 9]><xml>",
          "<x:ExcelWorkbook>",
          "<x:ExcelWorksheets>",
          "<x:ExcelWorksheet>",
          "<x:Name>Candidati esaminati</x:Name>",
          "<x:WorksheetOptions>",
          "<x:Selected/>",
          "<x:Panes>",
          "<x:Pane>",
          "<x:Number>1</x:Number>",
          "<x:ActiveRow>3</x:ActiveRow>",
          "</x:Pane>",
          "</x:Panes>",
          "<x:ProtectContents>False</x:ProtectContents>",
          "<x:ProtectObjects>False</x:ProtectObjects>",
          "<x:ProtectScenarios>False</x:ProtectScenarios>",
          "</x:WorksheetOptions>",
          "</x:ExcelWorksheet>",
          "</x:ExcelWorksheets>",
          "</x:ExcelWorkbook>",
          "</xml><![endif]-->",
          "</head>",
          "<body>",
          "<table x:str>",
          "<tr>",
          "<td style=\"text-align: left; font-weight: bold;\" width=300>Candidato</td>",
          "<td style=\"text-align: left; font-weight: bold;\" width=200>Codice fiscale</td>",
          "<td style=\"text-align: left; font-weight: bold;\" width=250>Provenienza</td>",
          "<td style=\"text-align: left; font-weight: bold;\" width=180>Data esame</td>",
          "<td style=\"text-align: left; font-weight: bold;\" width=200>Punteggio totale</td>",
          "<td style=\"text-align: left; font-weight: bold;\" width=400>Note</td>",
          "<td style=\"text-align: left; font-weight: bold;\" width=180>Idoneo</td>",
          "</tr>"})
        out += piece;
    for (const QStringList &row : rows) {
        out += "<tr>";
        for (const QString &cell : row) {
            out += "<td style=\"text-align: left;\">";
            out += cell.toLatin1(); // the expected cells are given already escaped, Latin-1 only
            out += "</td>";
        }
        out += "</tr>";
    }
    out += "</table></body></html>";
    return out;
}

const QList<Candidate> kTwo = {
    {QStringLiteral("  Rossi & <Mario> "), QStringLiteral(" RSSMRA80A01H501U"),
     QStringLiteral("Citt\u00e0 di Forl\u00ec"), QStringLiteral("01/02/2026"),
     QStringLiteral("prova scritta\r\nprova orale"), QStringLiteral("27,50"), QStringLiteral("a<b \"ok\"\t"),
     true},
    {QStringLiteral("Bianchi Anna"), QString(), QString(), QString(), QString(), QString(), QString(), false},
};

const QList<QStringList> kTwoCells = {
    {QStringLiteral("Rossi &amp; &lt;Mario&gt;"), QStringLiteral("RSSMRA80A01H501U"),
     QStringLiteral("Citt\u00e0 di Forl\u00ec"), QStringLiteral("01/02/2026"), QStringLiteral("27,50"),
     QStringLiteral("a&lt;b \"ok\""), QStringLiteral("S\u00ec")},
    {QStringLiteral("Bianchi Anna"), QString(), QString(), QString(), QString(), QString(),
     QStringLiteral("No")},
};

// The window as the editor's button opens it, kept open for the test.
std::unique_ptr<TfrmExpTorneo> openWindow(TestApp &t)
{
    auto w = std::make_unique<TfrmExpTorneo>(t.app(), t->frmTorneo());
    w->show();
    return w;
}

} // namespace

class TestExport : public QObject
{
    Q_OBJECT
private slots:
    void window();
    void gridShowsSession();
    void exactBytes();
    void emptySessionTenRows();
    void missingSessionCreated();
    void editedCellReachesFileOnly();
    void answers_data();
    void answers();
    void unwritableFile();
    void readFailureKeepsRows();
    void openedByEditorAndLeft();
    void helpTopic();
    void largeSession();
    void cellBytes_data();
    void cellBytes();
};

void TestExport::window()
{
    TestApp t;
    makeSession(t, {});
    auto w = openWindow(t);
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    QCOMPARE(w->objectName(), QStringLiteral("frmExpTorneo"));
    QCOMPARE(w->windowTitle(), QStringLiteral(" Esporta archivio candidati esaminati in Microsoft Excel"));
    QCOMPARE(w->size(), QSize(862, 560));
    QCOMPARE(w->panInfo->text(), QStringLiteral("Esportazione archivio in Microsoft Excel."));

    QTableView *grid = getChild<QTableView>(w.get(), QStringLiteral("grdRecords"));
    QVERIFY(grid);
    const QStringList headers = {"N.",         "Candidato",        "Codice fiscale", "Provenienza",
                                 "Data esame", "Punteggio totale", "Note",           "Idoneo"};
    const QList<int> widths = {60, 250, 180, 250, 150, 140, 350, 140};
    const QList<bool> editable = {false, true, true, false, false, false, true, false};
    QCOMPARE(grid->model()->columnCount(), 8);
    for (int c = 0; c < 8; ++c) {
        QCOMPARE(grid->model()->headerData(c, Qt::Horizontal).toString(), headers[c]);
        QCOMPARE(grid->columnWidth(c), widths[c]);
        QCOMPARE(bool(grid->model()->flags(grid->model()->index(0, c)) & Qt::ItemIsEditable), editable[c]);
    }
    QCOMPARE(grid->rowHeight(0), 21);
    QVERIFY(grid->alternatingRowColors());

    // Status texts: pointing at a command describes it, pointing at the grid empties the line.
    const QList<std::pair<QString, QString>> described = {
        {"cmdEsporta", "Esporta l'archivio in formato Microsoft Excel."},
        {"cmdGuida", "Visualizza la pagina della guida sensibile al contesto."},
        {"cmdEsci", "Esci da questo ambiente di lavoro."},
    };
    for (const auto &[name, text] : described) {
        auto *b = getChild<ImageButton>(w.get(), name);
        QVERIFY(b);
        QCOMPARE(b->accessibleDescription(), text);
        QTest::mouseMove(b);
        QTRY_COMPARE(w->panInfo->text(), text);
        QTest::mouseMove(grid->viewport(), QPoint(100, 100));
        QTRY_COMPARE(w->panInfo->text(), QString());
    }
}

void TestExport::gridShowsSession()
{
    TestApp t;
    makeSession(t, kTwo + QList<Candidate>{{QStringLiteral("Verdi"), {}, {}, {}, {}, {}, {}, true}});
    auto w = openWindow(t);
    ExportGridModel *m = w->model();
    QCOMPARE(m->rowCount(), 3);
    QCOMPARE(m->cell(0, 0), QStringLiteral("1"));
    QCOMPARE(m->cell(1, 0), QStringLiteral("2"));
    QCOMPARE(m->cell(2, 0), QStringLiteral("3"));
    QCOMPARE(m->cell(0, 1), QStringLiteral("Rossi & <Mario>"));
    QCOMPARE(m->cell(0, 2), QStringLiteral("RSSMRA80A01H501U"));
    QCOMPARE(m->cell(0, 3), QStringLiteral("Citt\u00e0 di Forl\u00ec"));
    QCOMPARE(m->cell(0, 5), QStringLiteral("27,50"));
    QCOMPARE(m->cell(0, 6), QStringLiteral("a<b \"ok\""));
    QCOMPARE(m->cell(0, 7), QStringLiteral("S\u00ec"));
    QCOMPARE(m->cell(2, 7), QStringLiteral("S\u00ec"));
    for (int r = 0; r < 3; ++r) // the exam details are neither shown nor exported
        for (int c = 0; c < 8; ++c)
            QVERIFY(!m->cell(r, c).contains(QStringLiteral("prova")));
}

void TestExport::exactBytes()
{
    TestApp t;
    makeSession(t, kTwo);
    // An earlier, longer export is replaced entirely.
    t.writeFile(QStringLiteral("Sessione_Esame.xls"), QByteArray(100000, 'x'));
    auto w = openWindow(t);
    t.messages().answer(true);
    t.messages().answer(false);
    w->cmdEsporta->click();
    QCOMPARE(t.messages().take(),
             (QList<Shown>{{Kind::Confirmation, kFirstQuestion}, {Kind::Confirmation, kSecondQuestion}}));

    const QByteArray written = t.readFile(QStringLiteral("Sessione_Esame.xls"));
    QCOMPARE(written, expectedFile(kTwoCells));
    // Windows-1252 bytes: "Sì" is 53 EC; "Città di Forlì" has E0 and EC.
    QVERIFY(written.contains(QByteArray("<td style=\"text-align: left;\">S\xEC</td>")));
    QVERIFY(written.contains(QByteArray("Citt\xE0 di Forl\xEC")));
    QVERIFY(!written.contains('\r'));
    QVERIFY(!written.contains('\n'));
    QVERIFY(t.shell().opened.isEmpty());
}

void TestExport::emptySessionTenRows()
{
    TestApp t;
    makeSession(t, {});
    auto w = openWindow(t);
    QCOMPARE(w->model()->rowCount(), 10);
    QCOMPARE(w->grdRecords->model()->rowCount(), 10);
    t.messages().answer(true);
    t.messages().answer(false);
    w->cmdEsporta->click();
    t.messages().take();
    const QStringList empty(7, QString());
    QCOMPARE(t.readFile(QStringLiteral("Sessione_Esame.xls")), expectedFile(QList<QStringList>(10, empty)));
}

void TestExport::missingSessionCreated()
{
    TestApp t;
    const QString path = t.path(QStringLiteral("Nuova.vai"));
    t->frmTorneo()->lblFile->setText(QStringLiteral("  ") + path + QStringLiteral(" "));
    auto w = openWindow(t);
    QVERIFY(QFileInfo(path).isFile());
    QCOMPARE(QFileInfo(path).size(), 0);
    QCOMPARE(w->model()->rowCount(), 10);
    QVERIFY(t.messages().take().isEmpty());
}

void TestExport::editedCellReachesFileOnly()
{
    TestApp t;
    const QString path = makeSession(t, kTwo);
    QFile session(path);
    QVERIFY(session.open(QIODevice::ReadOnly));
    const QByteArray before = session.readAll();
    session.close();

    auto w = openWindow(t);
    w->activateWindow();
    QTableView *grid = w->grdRecords;
    // Typing over the second candidate's name, as a user would.
    grid->setFocus();
    grid->setCurrentIndex(grid->model()->index(1, 1));
    // The first key starts editing the cell, the rest go to the cell's editor.
    QTest::keyClick(grid, 'N', Qt::ShiftModifier);
    auto *editor = grid->viewport()->findChild<QLineEdit *>();
    QVERIFY(editor && editor->isVisible());
    QTest::keyClicks(editor, QStringLiteral("eri Gina"));
    QCOMPARE(editor->text(), QStringLiteral("Neri Gina"));
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(w->model()->cell(1, 1), QStringLiteral("Neri Gina"));
    // The provenance column cannot be changed.
    QVERIFY(!grid->model()->setData(grid->model()->index(0, 3), QStringLiteral("altro")));
    QCOMPARE(w->model()->cell(0, 3), QStringLiteral("Citt\u00e0 di Forl\u00ec"));
    // Edited notes with characters that would break the table.
    QVERIFY(grid->model()->setData(grid->model()->index(1, 6), QStringLiteral(" x>y & z ")));

    t.messages().answer(true);
    t.messages().answer(false);
    w->cmdEsporta->click();
    t.messages().take();

    QList<QStringList> cells = kTwoCells;
    cells[1][0] = QStringLiteral("Neri Gina");
    cells[1][5] = QStringLiteral("x&gt;y &amp; z");
    QCOMPARE(t.readFile(QStringLiteral("Sessione_Esame.xls")), expectedFile(cells));

    QVERIFY(session.open(QIODevice::ReadOnly));
    QCOMPARE(session.readAll(), before);
}

void TestExport::answers_data()
{
    QTest::addColumn<bool>("exportNow");
    QTest::addColumn<bool>("openIt");
    QTest::newRow("no to exporting") << false << false;
    QTest::newRow("no to opening") << true << false;
    QTest::newRow("yes to both") << true << true;
}

void TestExport::answers()
{
    QFETCH(bool, exportNow);
    QFETCH(bool, openIt);
    TestApp t;
    makeSession(t, kTwo);
    auto w = openWindow(t);
    t.messages().answer(exportNow);
    if (exportNow)
        t.messages().answer(openIt);
    w->cmdEsporta->click();

    QList<Shown> expected = {{Kind::Confirmation, kFirstQuestion}};
    if (exportNow)
        expected.append({Kind::Confirmation, kSecondQuestion});
    QCOMPARE(t.messages().take(), expected);
    const QString file = t.path(QStringLiteral("Sessione_Esame.xls"));
    QCOMPARE(QFileInfo::exists(file), exportNow);
    QCOMPARE(t.shell().opened, openIt ? QList<QUrl>{QUrl::fromLocalFile(file)} : QList<QUrl>{});
    QVERIFY(w->isVisible());
}

void TestExport::unwritableFile()
{
    TestApp t;
    makeSession(t, kTwo);
    // A folder where the file should go: it can be neither emptied nor written.
    QVERIFY(QDir(t.folder()).mkdir(QStringLiteral("Sessione_Esame.xls")));
    auto w = openWindow(t);
    t.messages().answer(true);
    w->cmdEsporta->click();
    QCOMPARE(t.messages().take(),
             (QList<Shown>{{Kind::Confirmation, kFirstQuestion}, {Kind::Plain, kFailure}}));
    QVERIFY(t.shell().opened.isEmpty());
    QVERIFY(w->isVisible());
}

void TestExport::readFailureKeepsRows()
{
    TestApp t;
    QList<Candidate> many;
    for (int i = 0; i < 600; ++i)
        many.append({QStringLiteral("Candidato %1").arg(i + 1), {}, {}, {}, {}, {}, {}, i % 2 == 0});
    makeSession(t, many);

    {
        // The disk stops answering after 300 records.
        FaultyAccess access;
        access.readLimit = 300 * TScheda::kSize;
        ScopedAccess scoped(&access);
        auto w = openWindow(t);
        QVERIFY(t.messages().take().isEmpty());
        ExportGridModel *m = w->model();
        QCOMPARE(m->rowCount(), 600);
        QVERIFY(m->cell(599, 1).isEmpty());
        // Whatever was read before the failure is there, in order, with no gap.
        int filled = 0;
        while (filled < 600 && !m->cell(filled, 0).isEmpty())
            ++filled;
        QVERIFY(filled > 0 && filled <= 300);
        QCOMPARE(m->cell(filled - 1, 1), QStringLiteral("Candidato %1").arg(filled));
        for (int r = filled; r < 600; ++r)
            QVERIFY(m->cell(r, 0).isEmpty() && m->cell(r, 1).isEmpty());
    }
    {
        FaultyAccess access;
        access.refuseOpen = true;
        ScopedAccess scoped(&access);
        auto w = openWindow(t);
        QVERIFY(t.messages().take().isEmpty());
        QCOMPARE(w->model()->rowCount(), 10);
    }
}

void TestExport::openedByEditorAndLeft()
{
    TestApp t;
    makeSession(t, kTwo);
    bool seen = false;
    whenModal([&](QWidget *w) {
        seen = true;
        QCOMPARE(w->objectName(), QStringLiteral("frmExpTorneo"));
        QCOMPARE(w->parentWidget(), t->frmTorneo());
        QCOMPARE(getChild<QTableView>(w, QStringLiteral("grdRecords"))->model()->rowCount(), 2);
        // Escape does not leave the window; only its exit button does.
        QTest::keyClick(w, Qt::Key_Escape);
        QVERIFY(w->isVisible());
        getChild<ImageButton>(w, QStringLiteral("cmdEsci"))->click();
    });
    exporting::openExport(t.app(), t->frmTorneo());
    QVERIFY(seen);
    QVERIFY(!t->frmTorneo()->findChild<TfrmExpTorneo *>());
}

void TestExport::helpTopic()
{
    TestApp t;
    makeSession(t, {});
    auto w = openWindow(t);
    QString title;
    whenModal([&](QWidget *help) {
        title = getChild<QLabel>(help, QStringLiteral("lblTitolo"))->text();
        getChild<QPushButton>(help, QStringLiteral("btnChiudi"))->click();
    });
    w->cmdGuida->click();
    QCOMPARE(title, QStringLiteral("Esportazione archivio candidati esaminati in Microsoft Excel"));
    QVERIFY(w->isVisible());
}

void TestExport::largeSession()
{
    // Ten thousand records read and written in one pass each: every row reaches the file.
    TestApp t;
    const int n = 10000;
    QByteArray bytes;
    bytes.reserve(qsizetype(n) * TScheda::kSize);
    for (int i = 0; i < n; ++i) {
        const TScheda r = record({QStringLiteral("Nome %1").arg(i + 1), {}, {}, {}, {}, {}, {}, true});
        bytes.append(r.bytes(), TScheda::kSize);
    }
    t.writeFile(QStringLiteral("Grande.vai"), bytes);
    t->frmTorneo()->lblFile->setText(t.path(QStringLiteral("Grande.vai")));
    auto w = openWindow(t);
    QCOMPARE(w->model()->rowCount(), n);
    QCOMPARE(w->model()->cell(n - 1, 0), QString::number(n));
    t.messages().answer(true);
    t.messages().answer(false);
    w->cmdEsporta->click();
    t.messages().take();
    const QByteArray written = t.readFile(QStringLiteral("Sessione_Esame.xls"));
    QCOMPARE(written.count("<tr>"), n + 1);
    QVERIFY(written.contains("<td style=\"text-align: left;\">Nome 10000</td>"));
    QVERIFY(written.endsWith("</tr></table></body></html>"));
}

void TestExport::cellBytes_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("references") << QStringLiteral("a&b<c>d;&amp;")
                                << QByteArray("a&amp;b&lt;c&gt;d;&amp;amp;");
    QTest::newRow("quotes stay") << QStringLiteral("\"x\" 'y'") << QByteArray("\"x\" 'y'");
    QTest::newRow("trimmed, inner blanks kept") << QStringLiteral("\t a  b \r\n") << QByteArray("a  b");
    QTest::newRow("inner line break kept") << QStringLiteral("a\r\nb") << QByteArray("a\r\nb");
    QTest::newRow("Windows-1252") << QStringLiteral("\u00e0\u00e8\u00ec\u00f2\u00f9\u20ac\u2019")
                                  << QByteArray("\xE0\xE8\xEC\xF2\xF9\x80\x92");
    QTest::newRow("outside the code page") << QStringLiteral("\u0142\u4e2d\U0001F600") << QByteArray("l??");
    QTest::newRow("accented outside the code page") << QStringLiteral("\u0151") << QByteArray("o");
}

// One cell as the file holds it.
void TestExport::cellBytes()
{
    QFETCH(QString, cell);
    QFETCH(QByteArray, bytes);
    const QByteArray doc =
        spreadsheet::document(1, [&](qsizetype, int column) { return column == 2 ? cell : QString(); });
    const QByteArray open = "<td style=\"text-align: left;\">";
    QVERIFY(doc.endsWith("</td></tr></table></body></html>"));
    // The data row's cells, each "td style=...>text", then "/td>".
    QByteArray row = doc.mid(doc.lastIndexOf("<tr>") + 4);
    row.chop(int(qstrlen("</tr></table></body></html>")));
    QByteArray expected;
    for (int c = 0; c < 7; ++c)
        expected += open + (c == 2 ? bytes : QByteArray()) + "</td>";
    QCOMPARE(row, expected);
}

SINTAREL_TEST_MAIN(TestExport)
#include "tst_export.moc"
