// The copies of a session in Backup and the session's change log, as core modules.
#include "archive/backup.h"
#include "archive/catalogue.h"
#include "archive/changelog.h"
#include "archive/record.h"
#include "archive/sessionfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using F = TScheda::Field;

namespace
{

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TScheda record(const QString &name, const QString &score)
{
    TScheda r = TScheda::blank();
    r.setText(F::Concorrente, name);
    r.setText(F::Email, QStringLiteral("12/06/2024"));
    r.setText(F::Punteggio, score);
    r.setEligible(false);
    return r;
}

const QDateTime kNoon(QDate(2026, 12, 9), QTime(12, 0), Qt::OffsetFromUTC, 3600);

} // namespace

class TestSafetyNets : public QObject
{
    Q_OBJECT
private slots:
    void copiesKeepTheNewestTwenty();
    void keeperCopiesOncePerRun();
    void escaping_data();
    void escaping();
    void lines();
    void importLogsEveryRecordAndDeletingKeepsTheLog();
};

void TestSafetyNets::copiesKeepTheNewestTwenty()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Esami giugno.vai"));
    writeFile(path, QByteArray(TScheda::kSize, 'x'));
    // Twenty older copies, and copies that belong to other sessions or are no copies.
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Backup")));
    const QString folder = dir.filePath(QStringLiteral("Backup"));
    QStringList older;
    for (int day = 1; day <= 20; ++day) {
        const QString name =
            backup::fileName(QStringLiteral("Esami giugno"), QDateTime(QDate(2026, 11, day), QTime(8, 0)));
        writeFile(folder + u'/' + name, "old");
        older.prepend(name);
    }
    const QStringList strangers = {"Esami giugno 2 2026-01-01 08.00.00.vai", "Esami 2026-01-01 08.00.00.vai",
                                   "Esami giugno 2026-01-01 08.00.00.vai.txt", "Esami giugno.vai"};
    for (const QString &s : strangers)
        writeFile(folder + u'/' + s, "other");
    QCOMPARE(backup::copiesOf(folder, QStringLiteral("Esami giugno")), older);

    // The 21st copy: the newest comes first, the oldest (1 November) goes.
    QCOMPARE(backup::copyNow(path, QDateTime(QDate(2026, 12, 9), QTime(9, 5, 7))), backup::Result::Copied);
    const QString newest = QStringLiteral("Esami giugno 2026-12-09 09.05.07.vai");
    QCOMPARE(readFile(folder + u'/' + newest), QByteArray(TScheda::kSize, 'x'));
    const QStringList kept = backup::copiesOf(folder, QStringLiteral("Esami giugno"));
    QCOMPARE(kept, QStringList({newest}) + older.mid(0, 19));
    QVERIFY(!QFile::exists(folder + QStringLiteral("/Esami giugno 2026-11-01 08.00.00.vai")));
    for (const QString &s : strangers)
        QVERIFY2(QFile::exists(folder + u'/' + s), qPrintable(s));

    // The folder of copies is not a session of the program folder.
    QCOMPARE(catalogue::sessionFiles(dir.path()), QStringList({"Esami giugno.vai"}));
}

void TestSafetyNets::keeperCopiesOncePerRun()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("S.vai"));
    const QDateTime t1(QDate(2026, 12, 9), QTime(9, 0));
    const QDateTime t2(QDate(2026, 12, 9), QTime(9, 1));
    backup::Keeper keeper;
    // Missing, then empty: nothing to keep, and the first write is behind us.
    QCOMPARE(keeper.beforeWrite(path, t1), backup::Result::Nothing);
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("Backup"))));
    writeFile(path, "abc");
    QCOMPARE(keeper.beforeWrite(path, t2), backup::Result::Nothing);

    // A failed copy is tried again at the next write.
    const QString other = dir.filePath(QStringLiteral("T.vai"));
    writeFile(other, "def");
    writeFile(dir.filePath(QStringLiteral("Backup")), "a file in the way");
    QCOMPARE(keeper.beforeWrite(other, t1), backup::Result::Failed);
    QFile::remove(dir.filePath(QStringLiteral("Backup")));
    QCOMPARE(keeper.beforeWrite(other, t2), backup::Result::Copied);
    QCOMPARE(keeper.beforeWrite(other, t2.addSecs(5)), backup::Result::Nothing);
    QCOMPARE(backup::copiesOf(dir.filePath(QStringLiteral("Backup")), QStringLiteral("T")),
             QStringList({"T 2026-12-09 09.01.00.vai"}));
    // Another run (another keeper) copies again.
    backup::Keeper nextRun;
    QCOMPARE(nextRun.beforeWrite(path, t2), backup::Result::Copied);
}

void TestSafetyNets::escaping_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("written");
    QTest::newRow("plain") << "Rossi Mario"
                           << "Rossi Mario";
    QTest::newRow("tab") << "a\tb"
                         << "a\\tb";
    QTest::newRow("CR LF, LF and CR each one break") << "a\r\nb\nc\rd"
                                                     << "a\\nb\\nc\\nd";
    QTest::newRow("two breaks") << "a\r\n\r\nb"
                                << "a\\n\\nb";
    QTest::newRow("backslash stays readable") << "C:\\tmp"
                                              << "C:\\\\tmp";
    QTest::newRow("accents") << "Niccolò è"
                             << "Niccolò è";
}

void TestSafetyNets::escaping()
{
    QFETCH(QString, value);
    QFETCH(QString, written);
    QCOMPARE(changelog::escaped(value), written);
}

void TestSafetyNets::lines()
{
    QCOMPARE(changelog::timestamp(kNoon), QStringLiteral("2026-12-09T12:00:00+01:00"));
    QCOMPARE(changelog::logPath(QStringLiteral("/p/Esami giugno.vai")),
             QStringLiteral("/p/Esami giugno.log"));
    QCOMPARE(changelog::logPath(QStringLiteral("/p/E.VAI")), QStringLiteral("/p/E.log"));

    TScheda before = record(QStringLiteral("Rossi"), QStringLiteral("18,00"));
    TScheda after = before;
    // Bytes after a field's end are no change.
    std::memset(after.Note + 1, 'z', 10);
    QCOMPARE(changelog::changeLines(kNoon, 4, before, after), QStringList());
    after.setText(F::Punteggio, QStringLiteral("21,00"));
    after.setText(F::Telefono, QStringLiteral("Bari"));
    after.setEligible(true);
    QCOMPARE(changelog::changeLines(kNoon, 4, before, after),
             QStringList({"2026-12-09T12:00:00+01:00\t4\tProvenienza\t\tBari",
                          "2026-12-09T12:00:00+01:00\t4\tPunteggio totale\t18,00\t21,00",
                          "2026-12-09T12:00:00+01:00\t4\tIdoneo\tNo\tSì"}));
}

void TestSafetyNets::importLogsEveryRecordAndDeletingKeepsTheLog()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Import.vai"));
    QVERIFY(changelog::append(path, {}));
    QVERIFY(!QFileInfo::exists(changelog::logPath(path))); // nothing to write, no file
    TScheda second = record(QStringLiteral("Bianchi"), QStringLiteral("20,00"));
    second.setText(F::Gare, QStringLiteral("scritto\r\norale"));
    QVERIFY(changelog::logNewRecords(path, kNoon, 7,
                                     {record(QStringLiteral("Neri"), QStringLiteral("19,00")), second}));
    const QString t = QStringLiteral("2026-12-09T12:00:00+01:00\t");
    const QByteArray expected =
        (t + "7\tCandidato\t(nuova scheda)\tNeri\n" + t + "7\tData esame\t(nuova scheda)\t12/06/2024\n" + t +
         "7\tPunteggio totale\t(nuova scheda)\t19,00\n" + t + "7\tIdoneo\t(nuova scheda)\tNo\n" + t +
         "8\tCandidato\t(nuova scheda)\tBianchi\n" + t + "8\tData esame\t(nuova scheda)\t12/06/2024\n" + t +
         "8\tProve sostenute\t(nuova scheda)\tscritto\\norale\n" + t +
         "8\tPunteggio totale\t(nuova scheda)\t20,00\n" + t + "8\tIdoneo\t(nuova scheda)\tNo\n")
            .toUtf8();
    QCOMPARE(readFile(changelog::logPath(path)), expected);
    // Appended, never rewritten.
    QVERIFY(changelog::logChange(path, kNoon, 8, second,
                                 record(QStringLiteral("Bianchi"), QStringLiteral("20,00"))));
    QCOMPARE(readFile(changelog::logPath(path)),
             expected + (t + "8\tProve sostenute\tscritto\\norale\t\n").toUtf8());
    // Deleting the session leaves its log.
    writeFile(path, QByteArray(TScheda::kSize, 0));
    QVERIFY(catalogue::deleteSession(path));
    QVERIFY(QFileInfo::exists(changelog::logPath(path)));
    // A log that cannot be written says so.
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Chiuso.log")));
    QVERIFY(!changelog::logNewRecords(dir.filePath(QStringLiteral("Chiuso.vai")), kNoon, 1, {second}));
}

QTEST_GUILESS_MAIN(TestSafetyNets)
#include "tst_safetynets.moc"
