#include "archive/record.h"
#include "common/FileDialogs.h"
#include "editor/Torneo.h"
#include "editor/assembling.h"
#include "export/ExpTorneo.h"
#include "export/csvexport.h"
#include "export/exportgrid.h"
#include "export/xlsxexport.h"
#include "support/testapp.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableView>

using Kind = Messages::Kind;
using Shown = FakeMessages::Shown;

namespace
{

const QList<assembling::Fields> kTwo = {
    {QStringLiteral("Rossi; \"Mario\""), QStringLiteral("RSSMRA80A01H501U"), QStringLiteral("Forl\u00ec"),
     QStringLiteral("01/02/2026"), QStringLiteral("non esportato"), QStringLiteral("27,50"),
     QStringLiteral("riga\r\nsotto"), true},
    {QStringLiteral("  Bianchi Anna "), QString(), QString(), QStringLiteral("ieri"), QString(),
     QStringLiteral("n.d."), QString(), false},
};

QString makeSession(TestApp &t, const QString &name = QStringLiteral("Esami giugno"))
{
    QByteArray bytes;
    for (const assembling::Fields &f : kTwo) {
        const TScheda r = assembling::record(f);
        bytes.append(r.bytes(), TScheda::kSize);
    }
    t.writeFile(name + QStringLiteral(".vai"), bytes);
    t->frmTorneo()->lblFile->setText(t.path(name + QStringLiteral(".vai")));
    return t.path(name + QStringLiteral(".vai"));
}

const QByteArray kTwoCsv =
    "\xEF\xBB\xBF"
    "N.;Candidato;Codice fiscale;Provenienza;Data esame;Punteggio totale;Note;Idoneo\r\n"
    "1;\"Rossi; \"\"Mario\"\"\";RSSMRA80A01H501U;Forl\xC3\xAC;01/02/2026;27,50;\"riga\r\nsotto\";"
    "S\xC3\xAC\r\n"
    "2;Bianchi Anna;;;ieri;n.d.;;No\r\n";

// The workbook as an independent reader sees it, one JSON object.
QJsonObject readBack(const QString &path)
{
    static const char *const script = R"(
import json, sys, openpyxl
wb = openpyxl.load_workbook(sys.argv[1])
ws = wb.worksheets[0]
rows = []
for row in ws.iter_rows():
    rows.append([[c.data_type, str(c.value) if c.value is not None else None, c.number_format,
                  bool(c.font.b)] for c in row])
print(json.dumps({"sheets": wb.sheetnames, "freeze": ws.freeze_panes, "filter": ws.auto_filter.ref,
                  "rows": rows,
                  "widths": [ws.column_dimensions[l].width for l in "ABCDEFGH"]}))
)";
    // The system's Python, where the Debian package puts openpyxl.
    QString python = QStandardPaths::findExecutable(QStringLiteral("python3"), {QStringLiteral("/usr/bin")});
    if (python.isEmpty())
        python = QStringLiteral("python3");
    QProcess p;
    p.start(python, {QStringLiteral("-c"), QString::fromLatin1(script), path});
    if (!p.waitForFinished(60000) || p.exitCode() != 0) {
        qWarning("openpyxl: %s", p.readAllStandardError().constData());
        return {};
    }
    return QJsonDocument::fromJson(p.readAllStandardOutput()).object();
}

QJsonArray cell(const QString &type, const QString &value, const QString &format, bool bold = false)
{
    return QJsonArray{type, value.isNull() ? QJsonValue() : QJsonValue(value), format, bold};
}

} // namespace

class TestXlsxCsv : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void csvBytes();
    void csvEmptySessionHasOnlyTheHeader();
    void xlsxReadBack();
    void sheetNames_data();
    void sheetNames();
    void saveButtons_data();
    void saveButtons();
    void saveFailureWarns();
};

void TestXlsxCsv::csvBytes()
{
    TestApp t;
    ExportGridModel grid;
    grid.fill(makeSession(t));
    QCOMPARE(csvexport::document(grid), kTwoCsv);
}

void TestXlsxCsv::csvEmptySessionHasOnlyTheHeader()
{
    TestApp t;
    t.writeFile(QStringLiteral("Vuota.vai"), QByteArray());
    ExportGridModel grid;
    grid.fill(t.path(QStringLiteral("Vuota.vai")));
    QCOMPARE(grid.rowCount(), ExportGridModel::kEmptyRows);
    QCOMPARE(
        csvexport::document(grid),
        QByteArray("\xEF\xBB\xBFN.;Candidato;Codice fiscale;Provenienza;Data esame;Punteggio totale;Note;"
                   "Idoneo\r\n"));
}

void TestXlsxCsv::xlsxReadBack()
{
    TestApp t;
    ExportGridModel grid;
    grid.fill(makeSession(t));
    // An edited cell is written, as in the other exports.
    QVERIFY(grid.setData(grid.index(1, 6), QStringLiteral("  corretto  ")));
    const QString path = t.path(QStringLiteral("out.xlsx"));
    t.writeFile(QStringLiteral("out.xlsx"), "earlier file");
    xlsxexport::writeFile(path, QStringLiteral("Esami giugno"), grid);

    const QJsonObject book = readBack(path);
    QCOMPARE(book.value(QStringLiteral("sheets")).toArray(), QJsonArray{QStringLiteral("Esami giugno")});
    QCOMPARE(book.value(QStringLiteral("freeze")).toString(), QStringLiteral("A2"));
    QCOMPARE(book.value(QStringLiteral("filter")).toString(), QStringLiteral("A1:H3"));
    const QJsonArray rows = book.value(QStringLiteral("rows")).toArray();
    QCOMPARE(rows.size(), 3);
    const QStringList captions = {
        QStringLiteral("N."),          QStringLiteral("Candidato"),  QStringLiteral("Codice fiscale"),
        QStringLiteral("Provenienza"), QStringLiteral("Data esame"), QStringLiteral("Punteggio totale"),
        QStringLiteral("Note"),        QStringLiteral("Idoneo")};
    for (int c = 0; c < 8; ++c)
        QCOMPARE(rows[0].toArray()[c].toArray(),
                 cell(QStringLiteral("s"), captions[c], QStringLiteral("General"), true));
    const QJsonArray first = rows[1].toArray();
    QCOMPARE(first[0].toArray(), cell(QStringLiteral("n"), QStringLiteral("1"), QStringLiteral("General")));
    QCOMPARE(first[1].toArray(),
             cell(QStringLiteral("s"), QStringLiteral("Rossi; \"Mario\""), QStringLiteral("General")));
    QCOMPARE(first[3].toArray(),
             cell(QStringLiteral("s"), QStringLiteral("Forl\u00ec"), QStringLiteral("General")));
    QCOMPARE(first[4].toArray(),
             cell(QStringLiteral("d"), QStringLiteral("2026-02-01 00:00:00"), QStringLiteral("dd/mm/yyyy")));
    QCOMPARE(first[5].toArray(), cell(QStringLiteral("n"), QStringLiteral("27.5"), QStringLiteral("0.00")));
    QCOMPARE(first[6].toArray(),
             cell(QStringLiteral("s"), QStringLiteral("riga\nsotto"), QStringLiteral("General")));
    QCOMPARE(first[7].toArray(),
             cell(QStringLiteral("s"), QStringLiteral("S\u00ec"), QStringLiteral("General")));
    const QJsonArray second = rows[2].toArray();
    QCOMPARE(second[1].toArray(),
             cell(QStringLiteral("s"), QStringLiteral("Bianchi Anna"), QStringLiteral("General")));
    QCOMPARE(second[2].toArray(), cell(QStringLiteral("n"), QString(), QStringLiteral("General")));
    // Unreadable date and score stay the text they were.
    QCOMPARE(second[4].toArray(),
             cell(QStringLiteral("s"), QStringLiteral("ieri"), QStringLiteral("General")));
    QCOMPARE(second[5].toArray(),
             cell(QStringLiteral("s"), QStringLiteral("n.d."), QStringLiteral("General")));
    QCOMPARE(second[6].toArray(),
             cell(QStringLiteral("s"), QStringLiteral("corretto"), QStringLiteral("General")));
    QCOMPARE(second[7].toArray(), cell(QStringLiteral("s"), QStringLiteral("No"), QStringLiteral("General")));
    // Widths follow the longest text of each column ("Punteggio totale" and "Codice fiscale" + filter
    // button).
    const QJsonArray widths = book.value(QStringLiteral("widths")).toArray();
    QVERIFY(widths[2].toDouble() >= 18);
    QVERIFY(widths[0].toDouble() < widths[2].toDouble());
    // Nothing of the temporary file is left beside it.
    QCOMPARE(QDir(t.folder()).entryList({QStringLiteral("*out.xlsx*")}, QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("out.xlsx")});
}

void TestXlsxCsv::sheetNames_data()
{
    QTest::addColumn<QString>("session");
    QTest::addColumn<QString>("sheet");
    QTest::newRow("plain") << "Esami giugno"
                           << "Esami giugno";
    QTest::newRow("refused characters") << "A[1]:b*c?d/e\\f"
                                        << "A_1__b_c_d_e_f";
    QTest::newRow("long") << QString(40, u'x') << QString(31, u'x');
    QTest::newRow("apostrophes at the ends") << "'quota'"
                                             << "quota";
    QTest::newRow("nothing left") << "''"
                                  << "Candidati";
}

void TestXlsxCsv::sheetNames()
{
    QFETCH(QString, session);
    QFETCH(QString, sheet);
    QCOMPARE(xlsxexport::sheetName(session), sheet);
}

void TestXlsxCsv::saveButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("fileName");
    QTest::newRow("CSV") << "cmdSalvaCsv"
                         << "Esami giugno.csv";
    QTest::newRow("XLSX") << "cmdSalvaXlsx"
                          << "Esami giugno.xlsx";
}

void TestXlsxCsv::saveButtons()
{
    QFETCH(QString, button);
    QFETCH(QString, fileName);
    TestApp t;
    makeSession(t);
    TfrmExpTorneo w(t.app(), t->frmTorneo());
    w.show();
    const QString chosen = t.path(QStringLiteral("scelto"));
    ChooseFile chooser(chosen);
    auto *b = getChild<QPushButton>(&w, button);
    QVERIFY(b && b->isVisible());
    b->click();
    QCOMPARE(chooser.requests.size(), 1);
    QVERIFY(chooser.requests[0].save);
    QCOMPARE(chooser.requests[0].path, QDir(filedialogs::documentsFolder()).filePath(fileName));
    // A name typed without extension gets the format's own.
    const QString written = chosen + fileName.mid(fileName.lastIndexOf(u'.'));
    QCOMPARE(t.messages().take(),
             (QList<Shown>{
                 {Kind::Information, QStringLiteral("Le schede in archivio sono state salvate nel file %1.")
                                         .arg(QDir::toNativeSeparators(written))}}));
    if (button == QLatin1String("cmdSalvaCsv"))
        QCOMPARE(t.readFile(QFileInfo(written).fileName()), kTwoCsv);
    else
        QCOMPARE(readBack(written).value(QStringLiteral("sheets")).toArray(),
                 QJsonArray{QStringLiteral("Esami giugno")});
}

void TestXlsxCsv::saveFailureWarns()
{
    TestApp t;
    makeSession(t);
    TfrmExpTorneo w(t.app(), t->frmTorneo());
    w.show();
    for (const QString &button : {QStringLiteral("cmdSalvaCsv"), QStringLiteral("cmdSalvaXlsx")}) {
        const QString chosen = t.path(QStringLiteral("manca/x.out"));
        ChooseFile chooser(chosen);
        getChild<QPushButton>(&w, button)->click();
        const QList<Shown> shown = t.messages().take();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].kind, Kind::Warning);
        QVERIFY2(shown[0].text.startsWith(
                     QStringLiteral("Attenzione: il file %1 non \u00e8 stato salvato.\r\n\r\n")
                         .arg(QDir::toNativeSeparators(chosen))),
                 qPrintable(shown[0].text));
        QVERIFY(shown[0].text.size() > 60); // with the reason
    }
    // Cancelling the dialog writes nothing and says nothing.
    ChooseFile cancel{QString()};
    getChild<QPushButton>(&w, QStringLiteral("cmdSalvaCsv"))->click();
    QVERIFY(t.messages().take().isEmpty());
}

SINTAREL_TEST_MAIN(TestXlsxCsv)
#include "tst_xlsxcsv.moc"
