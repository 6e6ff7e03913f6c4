#include "support/testapp.h"

#include <QProcess>
#include <QRegularExpression>

// The benchmark program is not timed here: this only checks that a small run
// generates its session, measures and ends with the summary a script reads.
class TestBench : public QObject
{
    Q_OBJECT
private slots:
    void smallRunPrintsSummary();
};

void TestBench::smallRunPrintsSummary()
{
    QProcess p;
    p.start(QStringLiteral(BENCH_PATH), {QStringLiteral("--records"), QStringLiteral("100")});
    QVERIFY(p.waitForFinished(120000));
    QCOMPARE(p.exitCode(), 0);
    const QString output = QString::fromUtf8(p.readAllStandardOutput());
    QVERIFY2(output.contains(QStringLiteral("streaming read (reference)")), qPrintable(output));
    const QStringList lines = output.trimmed().split(u'\n');
    const QRegularExpression summary(QStringLiteral("^bench: (\\d+) measured, (\\d+) over target$"));
    const auto match = summary.match(lines.last());
    QVERIFY2(match.hasMatch(), qPrintable(lines.last()));
    // One line per measurement before the summary.
    QCOMPARE(match.captured(1).toInt(), lines.size() - 1);
}

SINTAREL_TEST_MAIN(TestBench)
#include "tst_bench.moc"
