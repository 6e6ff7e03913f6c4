#include "archive/ApriArchivio.h"
#include "archive/backup.h"
#include "archive/changelog.h"
#include "archive/csvimport.h"
#include "archive/sessionfile.h"
#include "common/FileDialogs.h"
#include "common/ImageButton.h"
#include "common/cp1252.h"
#include "editor/assembling.h"
#include "export/csvexport.h"
#include "export/exportgrid.h"
#include "rankings/rankingload.h"
#include "shell/Avvio.h"
#include "support/faultyaccess.h"
#include "support/testapp.h"
#include "tools/fiscalcode.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

using F = TScheda::Field;
using Kind = Messages::Kind;
using Shown = FakeMessages::Shown;

namespace
{

const QDate kToday(2026, 12, 9);
const QDateTime kNow(kToday, QTime(10, 30, 0), Qt::UTC);

// A fiscal code with the right check letter.
QString goodCode(const QString &first15)
{
    return first15 + fiscalcode::expectedCheckCharacter(first15 + QLatin1Char('A'));
}

// The stored texts of a record, "|" between them, the flag last.
QString line(const TScheda &r)
{
    QStringList parts;
    for (F f : kTextFields)
        parts.append(r.text(f));
    parts.append(r.flagText());
    return parts.join(u'|');
}

QStringList lines(const QList<TScheda> &records)
{
    QStringList out;
    for (const TScheda &r : records)
        out.append(line(r));
    return out;
}

QList<TScheda> numbered(int n)
{
    QList<TScheda> out;
    for (int i = 0; i < n; ++i) {
        assembling::Fields f;
        f.name = QStringLiteral("Candidato %1").arg(i + 1);
        f.examDate = QStringLiteral("01/02/2026");
        f.score = QStringLiteral("1,00");
        out.append(assembling::record(f));
    }
    return out;
}

QByteArray recordBytes(const QList<TScheda> &records)
{
    QByteArray out;
    for (const TScheda &r : records)
        out.append(r.bytes(), TScheda::kSize);
    return out;
}

} // namespace

class TestCsvImport : public QObject
{
    Q_OBJECT
private slots:
    void fixtures_data();
    void fixtures();
    void headerMapping();
    void recordsAreTheEditorsBytes();
    void appendAllOrNothing_data();
    void appendAllOrNothing();
    void appendAllAtTheEnd();
    void importKeepsCopyAndLog();
    void roundTrip();
    void importFromSessionList();
    void importRefusedWithRowNamed();
    void importNeedsASelectedSession();
    void importFailureTellsNothingWasImported();
};

void TestCsvImport::fixtures_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("refusal");
    QTest::addColumn<QStringList>("records");
    QTest::addColumn<QStringList>("problems");

    const QString fc = goodCode(QStringLiteral("RSSMRA80A01H501"));
    QTest::newRow("semicolon, UTF-8, lower-case fiscal code")
        << QStringLiteral("Candidato;Codice fiscale;Data esame;Punteggio\nRossi Mario;%1;15/06/2024;7,5\n")
               .arg(fc.toLower())
               .toUtf8()
        << QString() << QStringList{QStringLiteral("Rossi Mario|%1||15/06/2024||7,50||No").arg(fc)}
        << QStringList();
    QTest::newRow("comma, BOM, quoted comma and doubled quotes")
        << QByteArray("\xEF\xBB\xBFNome,CF,Comune,Data,Voto,Note,Idoneo\r\n"
                      "\"Bianchi, Anna\",,Roma,2024-06-15,28,\"detta \"\"Annina\"\"\",S\xC3\xAC\r\n")
        << QString()
        << QStringList{QStringLiteral("Bianchi, Anna||Roma|15/06/2024||28,00|detta \"Annina\"|S\u00ec")}
        << QStringList();
    QTest::newRow("TAB, Windows-1252, d/m/yyyy, X ticks")
        << QByteArray(
               "Nominativo\tProvenienza\tData esame\tPunti\tIdoneo\r\nNicol\xF2 Bruni\tForl\xEC\t5/6/2024\t"
               "10\tX\r\n")
        << QString()
        << QStringList{QStringLiteral("Nicol\u00f2 Bruni||Forl\u00ec|05/06/2024||10,00||S\u00ec")}
        << QStringList();
    QTest::newRow("line breaks inside quotes, a blank line still counts as a row")
        << QByteArray("Candidato;Data;Prove;Punteggio\n\nVerdi;01/02/2024;\"scritto: 8\norale; 9\";17\n"
                      "Neri;01/02/2024;;31/02/2024\n")
        << QString() << QStringList{QStringLiteral("Verdi|||01/02/2024|scritto: 8\r\norale; 9|17,00||No")}
        << QStringList{QStringLiteral("Riga 4: punteggio non leggibile (31/02/2024)")};
    QTest::newRow("no date column: today; empty score: 0,00")
        << QByteArray("Cognome e nome;Note\nGialli Ugo;\n") << QString()
        << QStringList{QStringLiteral("Gialli Ugo|||09/12/2026||0,00||No")} << QStringList();
    QTest::newRow("missing name column")
        << QByteArray("Codice fiscale;Data esame\nRSS;01/01/2024\n")
        << QStringLiteral(
               "Attenzione: il file non contiene la colonna con il nome del candidato.\r\n\r\nLa prima "
               "riga deve indicare il nome di ogni colonna; quella del nome pu\u00f2 chiamarsi "
               "Candidato, Cognome e nome, Nominativo o Nome.")
        << QStringList() << QStringList();
    QTest::newRow("empty file") << QByteArray("\xEF\xBB\xBF\r\n")
                                << QStringLiteral(
                                       "Attenzione: il file non contiene la riga di intestazione con "
                                       "i nomi delle colonne.")
                                << QStringList() << QStringList();
    QTest::newRow("name too long, never cut")
        << (QByteArray("Candidato;Note\n") + QByteArray(121, 'a') + ";" + QByteArray(500, 'n') + "\n")
        << QString() << QStringList()
        << QStringList{QStringLiteral("Riga 2: Candidato troppo lungo (121 caratteri, al massimo 120)")};
    QTest::newRow("details too long once line breaks take two")
        << (QByteArray("Candidato;Prove\nA;\"") + QByteArray(4999, 'p') + "\nq\"\n") << QString()
        << QStringList()
        << QStringList{QStringLiteral("Riga 2: Prove troppo lungo (5002 caratteri, al massimo 5000)")};
    QTest::newRow("bad date, missing name, period in score")
        << QByteArray("Candidato;Data esame;Punteggio\nUno;31/02/2024;1\n;01/01/2024;2\nTre;2024-01-01;7.5\n"
                      "Quattro;;3\n")
        << QString() << QStringList()
        << QStringList{QStringLiteral("Riga 2: data dell'esame non leggibile (31/02/2024)"),
                       QStringLiteral("Riga 3: manca il nome del candidato"),
                       QStringLiteral("Riga 4: punteggio non leggibile (7.5)"),
                       QStringLiteral("Riga 5: manca la data dell'esame")};
    QTest::newRow("bad fiscal code is a warning, VAT number accepted")
        << QByteArray("Candidato;CF;Data;Idoneo\nRossi;RSSMRA80A01H501X;01/01/2024;forse\n"
                      "Ditta;12345678903;01/01/2024;no\n")
        << QString()
        << QStringList{QStringLiteral("Rossi|RSSMRA80A01H501X||01/01/2024||0,00||No"),
                       QStringLiteral("Ditta|12345678903||01/01/2024||0,00||No")}
        << QStringList{
               QStringLiteral("Riga 2 (avviso): codice fiscale RSSMRA80A01H501X non valido; idoneit\u00e0 "
                              "non riconosciuta (forse): la casella resta vuota")};
    QTest::newRow("quote left open") << QByteArray("Candidato;Note\nA;\"ok\"\nB;\"aperta\n") << QString()
                                     << QStringList{QStringLiteral("A|||09/12/2026||0,00|ok|No")}
                                     << QStringList{QStringLiteral("Riga 3: virgolette non chiuse")};
}

void TestCsvImport::fixtures()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, refusal);
    QFETCH(QStringList, records);
    QFETCH(QStringList, problems);

    const csvimport::Reading r = csvimport::read(bytes, kToday);
    QCOMPARE(r.refusal, refusal);
    QCOMPARE(lines(r.records), records);
    QCOMPARE(csvimport::problemLines(r), problems);
    QCOMPARE(r.importable(), refusal.isEmpty() && r.errors.isEmpty() && !records.isEmpty());
}

void TestCsvImport::headerMapping()
{
    const csvimport::Reading r = csvimport::read(
        QByteArray(" COGNOME E NOME ;Codice Fiscale;DATA  ESAME;punteggio totale;Scuola;N.;Nome;Dettagli;"
                   "Voto\nA;;01/01/2024;1;S;1;B;d;2\n"),
        kToday);
    QCOMPARE(r.separator, QChar(u';'));
    QCOMPARE(r.encoding, QStringLiteral("UTF-8"));
    QCOMPARE(
        csvimport::mappingLines(r),
        (QStringList{QStringLiteral("Candidato \u2190 COGNOME E NOME"),
                     QStringLiteral("Codice fiscale \u2190 Codice Fiscale"),
                     QStringLiteral("Data esame \u2190 DATA  ESAME"),
                     QStringLiteral("Punteggio totale \u2190 punteggio totale"),
                     QStringLiteral("Provenienza \u2190 Scuola"), QStringLiteral("Prove \u2190 Dettagli"),
                     QStringLiteral("Colonne ignorate: N., Nome, Voto")}));
    // The first column of a kind wins; later ones are ignored, not merged.
    QCOMPARE(lines(r.records), QStringList{QStringLiteral("A||S|01/01/2024|d|1,00||No")});
    QCOMPARE(r.countsText(), QStringLiteral("1 schede da importare, 0 righe con errori, 0 avvisi"));

    QCOMPARE(csvimport::targetOfHeader(QStringLiteral("Idon\u00e9o")), csvimport::Target::Eligible);
    QCOMPARE(csvimport::targetOfHeader(QStringLiteral("Nome candidato")), csvimport::Target::Ignored);
}

void TestCsvImport::recordsAreTheEditorsBytes()
{
    const csvimport::Reading r = csvimport::read(
        QByteArray("Candidato;Data;Prove;Punteggio;Note;Idoneo\nAnna;2024-3-7;\"a\r\nb\";7,456;n;S\n"),
        kToday);
    QCOMPARE(r.records.size(), 1);
    assembling::Fields f;
    f.name = QStringLiteral("Anna");
    f.examDate = QStringLiteral("07/03/2024");
    f.details = QStringLiteral("a\nb");
    f.score = QStringLiteral("7,46");
    f.notes = QStringLiteral("n");
    f.eligible = true;
    const TScheda expected = assembling::record(f);
    QCOMPARE(QByteArray(r.records[0].bytes(), TScheda::kSize), QByteArray(expected.bytes(), TScheda::kSize));
}

void TestCsvImport::appendAllOrNothing_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<qint64>("writeLimit");
    QTest::addColumn<bool>("diskFull");
    QTest::addColumn<bool>("refuseSync");
    QTest::addColumn<int>("tail"); // bytes of a partial record after the whole ones
    // The writes go in blocks of 256 records.
    QTest::newRow("second block fails") << 300 << qint64(256 * TScheda::kSize + 10) << false << false << 0;
    QTest::newRow("disk full half way, partial record kept")
        << 10 << qint64(5 * TScheda::kSize + 100) << true << false << 100;
    QTest::newRow("flush to disk fails, partial record kept") << 10 << qint64(-1) << false << true << 100;
}

void TestCsvImport::appendAllOrNothing()
{
    QFETCH(int, count);
    QFETCH(qint64, writeLimit);
    QFETCH(bool, diskFull);
    QFETCH(bool, refuseSync);
    QFETCH(int, tail);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("s.vai"));
    const QByteArray before = recordBytes(numbered(2)) + QByteArray(tail, 'z');
    writeBytes(path, before);

    FaultyAccess access;
    access.writeLimit = writeLimit;
    access.diskFull = diskFull;
    access.refuseSync = refuseSync;
    {
        ScopedAccess scoped(&access);
        QVERIFY_THROWS_EXCEPTION(SessionError, csvimport::appendAll(path, numbered(count), kNow));
    }
    QCOMPARE(fileBytes(path), before);
}

void TestCsvImport::appendAllAtTheEnd()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("s.vai"));
    writeBytes(path, recordBytes(numbered(2)) + QByteArray(100, 'z'));
    const QList<TScheda> added = numbered(300);
    SessionFile file(path);
    QCOMPARE(file.appendAll(added), qint64(3));
    QCOMPARE(file.count(), qint64(302));
    file.close();
    QCOMPARE(fileBytes(path), recordBytes(numbered(2)) + recordBytes(added));
}

// An import is a write like a save: the session is copied first and every
// imported record is logged as new.
void TestCsvImport::importKeepsCopyAndLog()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Concorso.vai"));
    const QByteArray before = recordBytes(numbered(2));
    writeBytes(path, before);
    const QList<TScheda> added = numbered(3);

    const csvimport::Appended done = csvimport::appendAll(path, added, kNow);
    QCOMPARE(done.firstNumber, qint64(3));
    QVERIFY(!done.backupFailed);
    QVERIFY(!done.logFailed);

    const QString folder = backup::folderFor(path);
    const QStringList copies = backup::copiesOf(folder, QStringLiteral("Concorso"));
    QCOMPARE(copies.size(), 1);
    QCOMPARE(fileBytes(QDir(folder).filePath(copies.first())), before);

    QStringList expected;
    for (int i = 0; i < added.size(); ++i)
        expected += changelog::newRecordLines(kNow, 3 + i, added[i]);
    QFile log(changelog::logPath(path));
    QVERIFY(log.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(log.readAll()), expected.join(u'\n') + u'\n');
}

void TestCsvImport::roundTrip()
{
    QTemporaryDir dir;
    QList<TScheda> records;
    const QList<assembling::Fields> candidates = {
        {QStringLiteral("Rossi; \"Mario\""), goodCode(QStringLiteral("RSSMRA80A01H501")),
         QStringLiteral("Citt\u00e0 di Forl\u00ec"), QStringLiteral("01/02/2026"), QString(),
         QStringLiteral("27,50"), QStringLiteral("nota, con virgola"), true},
        {QStringLiteral("Bianchi Anna"), QString(), QString(), QStringLiteral("15/06/2024"), QString(),
         QStringLiteral("0,00"), QString(), false},
        {QStringLiteral("Nicol\u00f2 d'Ar\u00e8"), QStringLiteral("12345678903"), QStringLiteral("Roma"),
         QStringLiteral("31/12/2025"), QString(), QStringLiteral("-3,25"), QStringLiteral("ritirato"), false},
    };
    for (const assembling::Fields &f : candidates)
        records.append(assembling::record(f));
    const QString source = dir.filePath(QStringLiteral("Origine.vai"));
    writeBytes(source, recordBytes(records));

    ExportGridModel grid;
    grid.fill(source);
    const csvimport::Reading r = csvimport::read(csvexport::document(grid), kToday);
    QVERIFY(r.importable());
    QVERIFY(r.warnings.isEmpty());
    QCOMPARE(r.ignoredHeaders(), QStringList{QStringLiteral("N.")});

    const QString target = dir.filePath(QStringLiteral("Copia.vai"));
    csvimport::appendAll(target, r.records, kNow);
    QCOMPARE(fileBytes(target), fileBytes(source));
}

namespace
{

TfrmApriArchivio *listWith(TestApp &t, const QStringList &sessions)
{
    for (const QString &s : sessions)
        t.writeFile(s + QStringLiteral(".vai"), QByteArray());
    t->frmAvvio()->showWindow();
    QTest::mouseClick(t->frmAvvio()->btnApertura, Qt::LeftButton);
    return t->frmApriArchivio();
}

// 500 rows as a spreadsheet program saves them: ";", Windows-1252, accents.
QByteArray fiveHundred(int badRow)
{
    QByteArray csv = "Cognome e nome;Codice fiscale;Comune;Data esame;Punteggio;Idoneo\r\n";
    for (int i = 2; i <= 501; ++i) {
        const QString date = i == badRow ? QStringLiteral("32/01/2024") : QStringLiteral("15/06/2024");
        csv += cp1252::encode(QStringLiteral("Citt\u00e0 Nicol\u00f2 %1;;Forl\u00ec;%2;%3,5;%4\r\n")
                                  .arg(i)
                                  .arg(date)
                                  .arg(i % 30)
                                  .arg(i % 2 ? QStringLiteral("S\u00ec") : QStringLiteral("No")));
    }
    return csv;
}

} // namespace

void TestCsvImport::importFromSessionList()
{
    TestApp t;
    TfrmApriArchivio *w = listWith(t, {QStringLiteral("Alfa"), QStringLiteral("Esami")});
    t.writeFile(QStringLiteral("iscritti.csv"), fiveHundred(0));
    ChooseFile chooser(t.path(QStringLiteral("iscritti.csv")));
    w->lstFiles->setCurrentRow(1);

    bool previewed = false;
    whenModal([&](QWidget *preview) {
        previewed = true;
        QCOMPARE(preview->objectName(), QStringLiteral("frmImportaCandidati"));
        QCOMPARE(getChild<QLabel>(preview, QStringLiteral("lblConteggio"))->text(),
                 QStringLiteral("500 schede da importare, 0 righe con errori, 0 avvisi"));
        auto *grid = getChild<QTableWidget>(preview, QStringLiteral("grdAnteprima"));
        QCOMPARE(grid->rowCount(), 20);
        QCOMPARE(grid->item(0, 0)->text(), QStringLiteral("Citt\u00e0 Nicol\u00f2 2"));
        QCOMPARE(grid->item(0, 5)->text(), QStringLiteral("2,50"));
        auto *import = getChild<QPushButton>(preview, QStringLiteral("cmdImporta"));
        QVERIFY(import->isEnabled());
        import->click();
    });
    QVERIFY(w->cmdImporta->isVisible());
    w->cmdImporta->click();
    QVERIFY(previewed);
    QCOMPARE(chooser.requests.size(), 1);
    QVERIFY(!chooser.requests[0].save);
    QCOMPARE(chooser.requests[0].filter, QStringLiteral("File CSV (*.csv *.txt)"));
    QCOMPARE(t.messages().take(),
             (QList<Shown>{{Kind::Information,
                            QStringLiteral("Sono state importate 500 schede nella sessione Esami.")}}));

    QList<TScheda> stored;
    SessionFile::forEach(t.path(QStringLiteral("Esami.vai")),
                         [&](qint64, const TScheda &r) { stored.append(r); });
    QCOMPARE(stored.size(), 500);
    QCOMPARE(line(stored[499]),
             QStringLiteral("Citt\u00e0 Nicol\u00f2 501||Forl\u00ec|15/06/2024||21,50||S\u00ec"));
    QVERIFY(fileBytes(t.path(QStringLiteral("Alfa.vai"))).isEmpty());
    QVERIFY(t.messages().problems().isEmpty());
    // They are candidates like any other: the merit ranking lists them all.
    QCOMPARE(ranking::loadMerit(t.path(QStringLiteral("Esami.vai"))).lines.size(), 500);
}

void TestCsvImport::importRefusedWithRowNamed()
{
    TestApp t;
    TfrmApriArchivio *w = listWith(t, {QStringLiteral("Esami")});
    t.writeFile(QStringLiteral("iscritti.csv"), fiveHundred(137));
    ChooseFile chooser(t.path(QStringLiteral("iscritti.csv")));
    w->lstFiles->setCurrentRow(0);
    bool previewed = false;
    whenModal([&](QWidget *preview) {
        previewed = true;
        QCOMPARE(getChild<QLabel>(preview, QStringLiteral("lblConteggio"))->text(),
                 QStringLiteral("499 schede da importare, 1 righe con errori, 0 avvisi"));
        auto *problems = getChild<QListWidget>(preview, QStringLiteral("lstProblemi"));
        QCOMPARE(problems->count(), 1);
        QCOMPARE(problems->item(0)->text(),
                 QStringLiteral("Riga 137: data dell'esame non leggibile (32/01/2024)"));
        auto *import = getChild<QPushButton>(preview, QStringLiteral("cmdImporta"));
        QVERIFY(!import->isEnabled());
        import->click(); // a disabled button does nothing
        QVERIFY(preview->isVisible());
        getChild<QPushButton>(preview, QStringLiteral("cmdAnnulla"))->click();
    });
    w->cmdImporta->click();
    QVERIFY(previewed);
    QVERIFY(t.messages().take().isEmpty());
    QVERIFY(fileBytes(t.path(QStringLiteral("Esami.vai"))).isEmpty());
}

void TestCsvImport::importNeedsASelectedSession()
{
    TestApp t;
    ChooseFile chooser(t.path(QStringLiteral("none.csv")));
    TfrmApriArchivio *w = listWith(t, {});
    w->cmdImporta->click();
    QCOMPARE(t.messages().take(),
             (QList<Shown>{
                 {Kind::Warning, QStringLiteral("Attenzione: l'elenco non contiene nessuna sessione.")}}));
    w->btnAnnulla->click();
    w = listWith(t, {QStringLiteral("Esami")});
    w->lstFiles->clearSelection();
    w->lstFiles->setCurrentItem(nullptr);
    w->cmdImporta->click();
    QCOMPARE(t.messages().take(),
             (QList<Shown>{
                 {Kind::Warning, QStringLiteral("Attenzione: selezionare la sessione dall'elenco prima di "
                                                "premere il pulsante Importa candidati.")}}));
    // A file without a name column is refused before any preview.
    t.writeFile(QStringLiteral("none.csv"), "CF;Data\nX;01/01/2024\n");
    w->lstFiles->setCurrentRow(0);
    w->cmdImporta->click();
    const QList<Shown> shown = t.messages().take();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].kind, Kind::Warning);
    QVERIFY(
        shown[0].text.startsWith(QStringLiteral("Attenzione: il file non contiene la colonna con il nome")));
    QVERIFY(chooser.requests.size() == 1);
}

void TestCsvImport::importFailureTellsNothingWasImported()
{
    TestApp t;
    TfrmApriArchivio *w = listWith(t, {QStringLiteral("Esami")});
    const QByteArray before = recordBytes(numbered(3));
    t.writeFile(QStringLiteral("Esami.vai"), before);
    t.writeFile(QStringLiteral("iscritti.csv"), fiveHundred(0));
    ChooseFile chooser(t.path(QStringLiteral("iscritti.csv")));
    w->lstFiles->setCurrentRow(0);
    FaultyAccess access;
    access.writeLimit = 300 * TScheda::kSize;
    access.diskFull = true;
    ScopedAccess scoped(&access);
    whenModal(
        [&](QWidget *preview) { getChild<QPushButton>(preview, QStringLiteral("cmdImporta"))->click(); });
    w->cmdImporta->click();
    QCOMPARE(t.messages().take(),
             (QList<Shown>{
                 {Kind::Error,
                  QStringLiteral("Attenzione: non \u00e8 stato possibile scrivere nell'archivio: nessuna "
                                 "scheda \u00e8 stata importata nella sessione Esami.\r\n\r\nAccertarsi di "
                                 "possedere i privilegi di scrittura nella cartella di installazione del "
                                 "programma.")}}));
    QCOMPARE(t.readFile(QStringLiteral("Esami.vai")), before);
}

SINTAREL_TEST_MAIN(TestCsvImport)
#include "tst_csvimport.moc"
