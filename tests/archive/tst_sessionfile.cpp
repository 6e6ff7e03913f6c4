#include "archive/fileaccess.h"
#include "archive/record.h"
#include "archive/sessionfile.h"
#include "support/faultyaccess.h"
#include "support/testapp.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

using F = TScheda::Field;
Q_DECLARE_METATYPE(TScheda::Field)

namespace
{

TScheda recordNamed(const QString &name)
{
    TScheda r = TScheda::blank();
    r.setText(F::Concorrente, name);
    r.setEligible(false);
    return r;
}

QByteArray records(const QStringList &names)
{
    QByteArray out;
    for (const QString &n : names) {
        const TScheda r = recordNamed(n);
        out.append(r.bytes(), TScheda::kSize);
    }
    return out;
}

} // namespace

class TestSessionFile : public QObject
{
    Q_OBJECT
private slots:
    void layout_data();
    void layout();
    void longTextIsCutWithoutMessage();
    void fieldWithoutNulReadsWholeArray();
    void eligibleFlagBytes();
    void trailingPartialRecordIgnoredAndOverwrittenByAppend();
    void overwriteLeavesNeighbours();
    void overwritePastEndFails();
    void missingFileCreatedEmpty();
    void existingUnopenableEntryNeverReplaced();
    void failuresThrow_data();
    void failuresThrow();
    void failedSyncCutsTheAppendBack();
    void readAllStopsWhereItFails();
    void lockHeldByAnotherOpening();
    void twoProcessesAppend();
    void overwriteRacingAppend();
    void killedWriterLosesAtMostTheLastRecord();

private:
    QTemporaryDir m_dir;
};

void TestSessionFile::layout_data()
{
    QTest::addColumn<F>("field");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("size");
    QTest::newRow("Concorrente") << F::Concorrente << 0 << 121;
    QTest::newRow("Responsabile") << F::Responsabile << 121 << 121;
    QTest::newRow("Telefono") << F::Telefono << 242 << 51;
    QTest::newRow("Email") << F::Email << 293 << 51;
    QTest::newRow("Gare") << F::Gare << 344 << 5001;
    QTest::newRow("Punteggio") << F::Punteggio << 5345 << 16;
    QTest::newRow("Note") << F::Note << 5361 << 501;
    QTest::newRow("Completato") << F::Completato << 5862 << 3;
}

void TestSessionFile::layout()
{
    QFETCH(F, field);
    QFETCH(int, offset);
    QFETCH(int, size);
    TScheda r = TScheda::blank();
    std::memset(r.bytes(), 'x', TScheda::kSize);
    r.setText(field, QStringLiteral("Àb"));
    // Exactly the field's first three bytes change: the encoded text and its NUL.
    const QByteArray bytes(r.bytes(), TScheda::kSize);
    QCOMPARE(bytes.mid(offset, 3), QByteArray("\xC0"
                                              "b\0",
                                              3));
    QCOMPARE(bytes.left(offset), QByteArray(offset, 'x'));
    QCOMPARE(bytes.mid(offset + 3), QByteArray(TScheda::kSize - offset - 3, 'x'));
    QCOMPARE(r.text(field), QStringLiteral("Àb"));
    QCOMPARE(int(TScheda::capacity(field)), size);
}

void TestSessionFile::longTextIsCutWithoutMessage()
{
    TScheda r = TScheda::blank();
    const QString name = QString(130, u'N');
    r.setText(F::Concorrente, name);
    QCOMPARE(r.text(F::Concorrente), QString(120, u'N'));
    QCOMPARE(r.bytes()[120], '\0');
    r.setText(F::Punteggio, QStringLiteral("12345678901234567890"));
    QCOMPARE(r.text(F::Punteggio), QStringLiteral("123456789012345"));
}

void TestSessionFile::fieldWithoutNulReadsWholeArray()
{
    TScheda r = TScheda::blank();
    std::memset(r.Concorrente, 'Z', sizeof r.Concorrente);
    QCOMPARE(r.text(F::Concorrente), QString(121, u'Z'));
    std::memset(r.Completato, 'S', 3);
    QCOMPARE(r.text(F::Completato), QStringLiteral("SSS"));
}

void TestSessionFile::eligibleFlagBytes()
{
    TScheda r = TScheda::blank();
    r.setEligible(true);
    QCOMPARE(QByteArray(r.bytes() + 5862, 3), QByteArray("\x53\xEC\x00", 3));
    QCOMPARE(r.flagText(), TScheda::eligibleYes());
    r.setEligible(false);
    QCOMPARE(QByteArray(r.bytes() + 5862, 3), QByteArray("\x4E\x6F\x00", 3));
    QCOMPARE(r.flagText(), TScheda::eligibleNo());
}

void TestSessionFile::trailingPartialRecordIgnoredAndOverwrittenByAppend()
{
    const QString path = m_dir.filePath(QStringLiteral("partial.vai"));
    writeBytes(path, records({"Uno", "Due"}) + QByteArray(100, '\x7f'));
    SessionFile file(path);
    QCOMPARE(file.count(), 2);
    QStringList seen;
    file.readAll([&](qint64, const TScheda &r) { seen << r.text(F::Concorrente); });
    QCOMPARE(seen, QStringList({"Uno", "Due"}));
    QCOMPARE(file.append(recordNamed(QStringLiteral("Tre"))), 3);
    file.close();
    const QByteArray bytes = fileBytes(path);
    QCOMPARE(bytes.size(), 3 * TScheda::kSize);
    QCOMPARE(bytes.mid(11730, 4), QByteArray("Tre\0", 4));
}

void TestSessionFile::overwriteLeavesNeighbours()
{
    const QString path = m_dir.filePath(QStringLiteral("three.vai"));
    const QByteArray before = records({"Uno", "Due", "Tre"});
    writeBytes(path, before);
    SessionFile file(path);
    file.overwrite(1, recordNamed(QStringLiteral("Secondo")));
    QCOMPARE(file.position(), 2);
    file.close();
    const QByteArray after = fileBytes(path);
    QCOMPARE(after.size(), before.size());
    QCOMPARE(after.left(TScheda::kSize), before.left(TScheda::kSize));
    QCOMPARE(after.mid(2 * TScheda::kSize), before.mid(2 * TScheda::kSize));
    SessionFile again(path);
    QCOMPARE(again.read(1).text(F::Concorrente), QStringLiteral("Secondo"));
    QCOMPARE(again.position(), 2);
}

void TestSessionFile::overwritePastEndFails()
{
    const QString path = m_dir.filePath(QStringLiteral("one.vai"));
    writeBytes(path, records({"Uno"}));
    SessionFile file(path);
    QVERIFY_THROWS_EXCEPTION(SessionError, file.overwrite(1, recordNamed("x")));
    QVERIFY_THROWS_EXCEPTION(SessionError, file.overwrite(5, recordNamed("x")));
    QVERIFY_THROWS_EXCEPTION(SessionError, file.read(1));
    file.close();
    QCOMPARE(fileBytes(path).size(), TScheda::kSize);
}

void TestSessionFile::missingFileCreatedEmpty()
{
    const QString path = m_dir.filePath(QStringLiteral("nuova.vai"));
    {
        SessionFile file(path);
        QCOMPARE(file.count(), 0);
        file.close();
    }
    QVERIFY(QFile::exists(path));
    QCOMPARE(QFileInfo(path).size(), 0);
    SessionFile file(path);
    QCOMPARE(file.append(recordNamed(QStringLiteral("Primo"))), 1);
    file.close();
    QCOMPARE(QFileInfo(path).size(), TScheda::kSize);
}

void TestSessionFile::existingUnopenableEntryNeverReplaced()
{
    // A folder in the file's place can't be opened even by root: the open must
    // fail, not replace it with an empty file.
    const QString path = m_dir.filePath(QStringLiteral("cartella.vai"));
    QVERIFY(QDir().mkpath(path));
    QVERIFY_THROWS_EXCEPTION(SessionError, SessionFile{path});
    QVERIFY(QFileInfo(path).isDir());

    // An existing file the device refuses to open stays byte for byte.
    const QString data = m_dir.filePath(QStringLiteral("dati.vai"));
    writeBytes(data, records({"Uno"}));
    FaultyAccess refuse;
    refuse.refuseOpen = true;
    {
        ScopedAccess scoped(&refuse);
        QVERIFY_THROWS_EXCEPTION(SessionError, SessionFile{data});
    }
    QCOMPARE(fileBytes(data), records({"Uno"}));
}

void TestSessionFile::failuresThrow_data()
{
    QTest::addColumn<QString>("fault");
    QTest::newRow("lock") << "lock";
    QTest::newRow("read") << "read";
    QTest::newRow("write") << "write";
    QTest::newRow("sync") << "sync";
}

void TestSessionFile::failuresThrow()
{
    QFETCH(QString, fault);
    const QString path = m_dir.filePath(QStringLiteral("guasto.vai"));
    writeBytes(path, records({"Uno", "Due"}));
    FaultyAccess access;
    access.refuseLock = fault == "lock";
    access.readLimit = fault == "read" ? 100 : -1;
    access.writeLimit = fault == "write" ? 100 : -1;
    access.refuseSync = fault == "sync";
    ScopedAccess scoped(&access);
    auto action = [&] {
        SessionFile file(path);
        if (fault == "read")
            file.read(0);
        else
            file.append(recordNamed("Tre"));
        file.close();
    };
    QVERIFY_THROWS_EXCEPTION(SessionError, action());
}

void TestSessionFile::failedSyncCutsTheAppendBack()
{
    // Two records and a partial one written by another program.
    const QString path = m_dir.filePath(QStringLiteral("nonsalvato.vai"));
    const QByteArray before = records({"Uno", "Due"}) + QByteArray("parzial");
    writeBytes(path, before);
    FaultyAccess access;
    access.refuseSync = true;
    ScopedAccess scoped(&access);
    {
        SessionFile file(path);
        QCOMPARE(file.append(recordNamed("Tre")), 3);
        QCOMPARE(file.append(recordNamed("Quattro")), 4);
        QVERIFY_THROWS_EXCEPTION(SessionError, file.close());
    }
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), before);
}

void TestSessionFile::readAllStopsWhereItFails()
{
    const QString path = m_dir.filePath(QStringLiteral("lungo.vai"));
    QStringList names;
    for (int i = 0; i < 600; ++i)
        names << QString::number(i);
    writeBytes(path, records(names));
    FaultyAccess access;
    access.readLimit = 300 * TScheda::kSize; // inside the second block
    ScopedAccess scoped(&access);
    qint64 seen = 0;
    SessionFile file(path);
    QVERIFY_THROWS_EXCEPTION(SessionError, file.readAll([&](qint64, const TScheda &) { ++seen; }));
    QCOMPARE(seen, 256); // the whole first block, nothing invented after it
}

void TestSessionFile::lockHeldByAnotherOpening()
{
    const QString path = m_dir.filePath(QStringLiteral("bloccato.vai"));
    writeBytes(path, QByteArray());
    SessionFile holder(path);
    const int saved = SessionFile::lockTimeoutMs();
    SessionFile::setLockTimeoutMs(200);
    QVERIFY_THROWS_EXCEPTION(SessionError, SessionFile{path});
    SessionFile::setLockTimeoutMs(saved);
    holder.close();
    SessionFile after(path);
    QCOMPARE(after.count(), 0);
}

namespace
{

const QString kTool = QStringLiteral(SINTAREL_TOOLS_DIR "/tool_archive_appender");

// Every record whole: the notes repeat the name and the details are one letter,
// the name's first, throughout.
void checkWhole(const TScheda &r)
{
    const QString name = r.text(F::Concorrente);
    QVERIFY(!name.isEmpty());
    QCOMPARE(r.text(F::Note), name);
    QCOMPARE(r.text(F::Gare), QString(5000, name.at(0)));
}

} // namespace

void TestSessionFile::twoProcessesAppend()
{
    const QString path = m_dir.filePath(QStringLiteral("condiviso.vai"));
    QProcess a, b;
    a.start(kTool, {path, QStringLiteral("A"), QStringLiteral("1000")});
    b.start(kTool, {path, QStringLiteral("B"), QStringLiteral("1000")});
    QVERIFY(a.waitForFinished(180000));
    QVERIFY(b.waitForFinished(180000));
    QCOMPARE(a.exitCode(), 0);
    QCOMPARE(b.exitCode(), 0);
    QCOMPARE(QFileInfo(path).size(), 2000 * TScheda::kSize);
    int countA = 0, countB = 0;
    SessionFile::forEach(path, [&](qint64, const TScheda &r) {
        checkWhole(r);
        countA += r.text(F::Concorrente).startsWith(u'A');
        countB += r.text(F::Concorrente).startsWith(u'B');
    });
    QCOMPARE(countA, 1000);
    QCOMPARE(countB, 1000);
}

void TestSessionFile::overwriteRacingAppend()
{
    const QString path = m_dir.filePath(QStringLiteral("corsa.vai"));
    {
        SessionFile file(path);
        TScheda first = TScheda::blank();
        first.setText(F::Concorrente, QStringLiteral("O"));
        first.setText(F::Note, QStringLiteral("O"));
        first.setText(F::Gare, QString(5000, u'O'));
        file.append(first);
        file.close();
    }
    QProcess writer, appender;
    writer.start(kTool, {path, QStringLiteral("W"), QStringLiteral("500"), QStringLiteral("overwrite")});
    appender.start(kTool, {path, QStringLiteral("P"), QStringLiteral("500")});
    QVERIFY(writer.waitForFinished(180000));
    QVERIFY(appender.waitForFinished(180000));
    QCOMPARE(writer.exitCode(), 0);
    QCOMPARE(appender.exitCode(), 0);
    QCOMPARE(QFileInfo(path).size(), 501 * TScheda::kSize);
    SessionFile::forEach(path, [&](qint64 index, const TScheda &r) {
        checkWhole(r);
        if (index == 0)
            QCOMPARE(r.text(F::Concorrente), QStringLiteral("W499"));
    });
}

void TestSessionFile::killedWriterLosesAtMostTheLastRecord()
{
    const QString path = m_dir.filePath(QStringLiteral("interrotto.vai"));
    QProcess p;
    p.start(kTool, {path, QStringLiteral("K"), QStringLiteral("0"), QStringLiteral("forever")});
    QVERIFY(p.waitForReadyRead(30000));
    QTest::qWait(300);
    p.kill(); // SIGKILL, in the middle of whatever it was doing
    QVERIFY(p.waitForFinished(30000));
    const qint64 size = QFileInfo(path).size();
    const qint64 whole = size / TScheda::kSize;
    QVERIFY(whole >= 1);
    qint64 expected = 0;
    SessionFile::forEach(path, [&](qint64 index, const TScheda &r) {
        // Only the very last record may be the one being written.
        if (index + 1 < whole) {
            checkWhole(r);
            QCOMPARE(r.text(F::Concorrente), QStringLiteral("K%1").arg(expected));
        }
        ++expected;
    });
    QCOMPARE(expected, whole);
}

SINTAREL_TEST_MAIN(TestSessionFile)
#include "tst_sessionfile.moc"
