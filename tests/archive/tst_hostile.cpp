// Session files the program did not write, opened in every screen that reads
// them: no crash, no hang, every whole record handled, the file left as it was.
#include "access/Password.h"
#include "archive/sessionfile.h"
#include "common/ImageButton.h"
#include "editor/Torneo.h"
#include "export/ExpTorneo.h"
#include "lists/CandidateListView.h"
#include "lists/ListActions.h"
#include "lists/Segnalati.h"
#include "lists/TrovaPagina.h"
#include "rankings/ApriClassifica.h"
#include "rankings/LineList.h"
#include "rankings/RankingWindow.h"
#include "support/testapp.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTableView>

namespace
{

QByteArray hostile(const QString &kind)
{
    const qint64 R = TScheda::kSize;
    if (kind == "empty")
        return {};
    if (kind == "truncated mid-record")
        return QByteArray(R + R / 2, 'A');
    if (kind == "two records and 100 bytes") {
        TScheda r = TScheda::blank();
        r.setText(TScheda::Field::Concorrente, QStringLiteral("ROSSI"));
        r.setText(TScheda::Field::Punteggio, QStringLiteral("10,00"));
        r.setEligible(true);
        return QByteArray(r.bytes(), R) + QByteArray(r.bytes(), R) + QByteArray(100, 'z');
    }
    if (kind == "random bytes") {
        QByteArray b(3 * R + 17, Qt::Uninitialized);
        QRandomGenerator gen(42);
        for (char &c : b)
            c = char(gen.bounded(256));
        return b;
    }
    if (kind == "fields without NUL")
        return QByteArray(3 * R, 'x');
    if (kind == "every byte 0xFF")
        return QByteArray(3 * R, '\xff');
    return {};
}

} // namespace

class TestHostile : public QObject
{
    Q_OBJECT
private slots:
    void everyScreen_data();
    void everyScreen();
    void largeSparseSession();
    void hugePasswordStore();
};

void TestHostile::everyScreen_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("screen");
    for (const char *kind : {"empty", "truncated mid-record", "two records and 100 bytes", "random bytes",
                             "fields without NUL", "every byte 0xFF"})
        for (const char *screen : {"editor", "search", "eligible", "merit", "alphabetical", "export"})
            QTest::addRow("%s, %s", kind, screen) << QString::fromLatin1(kind) << QString::fromLatin1(screen);
}

void TestHostile::everyScreen()
{
    QFETCH(QString, kind);
    QFETCH(QString, screen);
    TestApp t;
    const QByteArray bytes = hostile(kind);
    const qint64 whole = bytes.size() / TScheda::kSize;
    t.writeFile(QStringLiteral("H.vai"), bytes);
    TfrmTorneo *e = t->frmTorneo();
    e->lblFile->setText(t.path(QStringLiteral("H.vai")));
    qsizetype shown = -1;
    if (screen == "editor") {
        e->showWindow();
        e->cmdUltimo->click();
        e->cmdIndietro->click();
        e->cmdPrimo->click();
        t.messages().take();
        shown = e->lblPosizione->text().isEmpty() ? 0 : whole;
    } else if (screen == "search") {
        whenModal([&](QWidget *w) {
            auto *s = qobject_cast<TfrmTrovaPagina *>(w);
            s->btnCerca->click();
            shown = s->lstRecords->count();
            if (shown > 0) {
                s->lstRecords->selectRow(0);
                s->lstRecords->recallSelected(t.app(), true);
            }
            s->close();
        });
        lists::openSearch(t.app(), e);
    } else if (screen == "eligible") {
        whenModal([&](QWidget *w) {
            shown = qobject_cast<TfrmSegnalati *>(w)->lstRecords->count();
            w->close();
        });
        lists::openEligible(t.app(), e);
    } else if (screen == "merit" || screen == "alphabetical") {
        TfrmApriClassifica *sel = t->frmApriClassifica();
        sel->showWindow();
        sel->lstFiles->setCurrentRow(0);
        whenModal([&](QWidget *w) {
            shown = qobject_cast<RankingWindow *>(w)->lstRecords->count();
            w->close();
        });
        (screen == "merit" ? sel->btnExcel : sel->btnApri)->click();
    } else {
        whenModal([&](QWidget *w) {
            auto *x = qobject_cast<TfrmExpTorneo *>(w);
            shown = x->grdRecords->model()->rowCount();
            x->close();
        });
        e->cmdExcel->click();
    }
    QVERIFY(shown >= 0);
    // No screen invents records: at most the whole ones (the export keeps ten empty rows).
    QVERIFY2(shown <= std::max<qint64>(whole, screen == "export" ? 10 : 0),
             qPrintable(QString::number(shown)));
    if (screen == "search")
        QCOMPARE(shown, whole); // no filter lists every whole record
    QCOMPARE(t.readFile(QStringLiteral("H.vai")), bytes);
}

void TestHostile::largeSparseSession()
{
    // 100,000 records of zeros (a sparse file, so the test stays light).
    TestApp t;
    const QString path = t.path(QStringLiteral("Grande.vai"));
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QVERIFY(f.resize(100000 * TScheda::kSize));
    }
    qint64 visited = 0;
    SessionFile::forEach(
        path, [&](qint64, const TScheda &r) { visited += r.text(TScheda::Field::Concorrente).isEmpty(); });
    QCOMPARE(visited, 100000);
    t->frmTorneo()->lblFile->setText(path);
    qsizetype shown = -1;
    whenModal([&](QWidget *w) {
        shown = qobject_cast<TfrmSegnalati *>(w)->lstRecords->count();
        w->close();
    });
    lists::openEligible(t.app(), t->frmTorneo());
    QCOMPARE(shown, 100000); // an empty flag is not "No"
}

void TestHostile::hugePasswordStore()
{
    TestApp t;
    t.writeFile(QStringLiteral("unins000.dll"),
                "[Accesso]\nValore=" + QByteArray(4 * 1024 * 1024, 'A') + "\n");
    t->start();
    typeText(t->frmPassword()->txtPassword, QStringLiteral("pomodorigialli"));
    QTest::keyClick(t->frmPassword()->txtPassword, Qt::Key_Return);
    QCOMPARE(t.messages().take(),
             QList<FakeMessages::Shown>(
                 {{Messages::Kind::Plain, QStringLiteral("Attenzione: password errata.")}}));
    QVERIFY(t->frmPassword()->isVisible());
}

SINTAREL_TEST_MAIN(TestHostile)
#include "tst_hostile.moc"
