// Every screen that touches a session file, driven with every fault the file
// layer can meet: the screen says what it must (or stays silent), keeps its state,
// and the file keeps its bytes unless the action completed.
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
#include "support/faultyaccess.h"
#include "support/testapp.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>

using F = TScheda::Field;
using Kind = Messages::Kind;
using Shown = FakeMessages::Shown;

namespace
{

const QString kAccess = QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                                       "Accertarsi di possedere i privilegi di scrittura nella cartella di "
                                       "installazione del programma.");

enum class Fault { None, Open, Lock, Read, Write, DiskFull };

void configure(FaultyAccess &a, Fault f)
{
    a.refuseOpen = f == Fault::Open;
    a.refuseLock = f == Fault::Lock;
    a.readLimit = f == Fault::Read ? 3000 : -1;
    a.writeLimit = (f == Fault::Write || f == Fault::DiskFull) ? 3000 : -1;
    a.diskFull = f == Fault::DiskFull;
}

QByteArray threeRecords()
{
    QByteArray out;
    int i = 0;
    for (const char *name : {"ROSSI MARIO", "BIANCHI ANNA", "VERDI LUCA"}) {
        TScheda r = TScheda::blank();
        r.setText(F::Concorrente, QString::fromLatin1(name));
        r.setText(F::Email, QStringLiteral("12/06/2024"));
        r.setText(F::Punteggio, QStringLiteral("2%1,00").arg(i++));
        r.setEligible(true);
        out.append(r.bytes(), TScheda::kSize);
    }
    return out;
}

} // namespace

Q_DECLARE_METATYPE(Fault)

class TestFaults : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void editorPaging_data();
    void editorPaging();
    void editorSave_data();
    void editorSave();
    void readingScreens_data();
    void readingScreens();

private:
    void faults(bool withNone);
};

void TestFaults::init()
{
    SessionFile::setLockTimeoutMs(50);
}

void TestFaults::faults(bool withNone)
{
    QTest::addColumn<Fault>("fault");
    if (withNone)
        QTest::newRow("none") << Fault::None;
    QTest::newRow("open refused") << Fault::Open;
    QTest::newRow("lock not obtained") << Fault::Lock;
    QTest::newRow("read fails") << Fault::Read;
    QTest::newRow("write fails") << Fault::Write;
    QTest::newRow("disk full") << Fault::DiskFull;
}

void TestFaults::editorPaging_data()
{
    faults(true);
}

void TestFaults::editorPaging()
{
    QFETCH(Fault, fault);
    TestApp t;
    t.writeFile(QStringLiteral("S.vai"), threeRecords());
    TfrmTorneo *e = t->frmTorneo();
    e->lblFile->setText(t.path(QStringLiteral("S.vai")));
    e->showWindow();
    FaultyAccess access;
    configure(access, fault);
    ScopedAccess scoped(&access);
    e->cmdUltimo->click();
    const bool fails = fault == Fault::Open || fault == Fault::Lock || fault == Fault::Read;
    if (fails) {
        QCOMPARE(t.messages().take(), QList<Shown>({{Kind::Error, kAccess}}));
        QCOMPARE(e->lblPosizione->text(), QString()); // still the blank record
        QCOMPARE(e->txtConcorrente->text(), QString());
    } else {
        QCOMPARE(t.messages().take(), QList<Shown>());
        QCOMPARE(e->lblPosizione->text(), QStringLiteral("3"));
    }
    QCOMPARE(t.readFile(QStringLiteral("S.vai")), threeRecords());
}

void TestFaults::editorSave_data()
{
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<bool>("overwrite");
    for (bool overwrite : {false, true}) {
        const char *what = overwrite ? "overwrite" : "append";
        QTest::addRow("%s, none", what) << Fault::None << overwrite;
        QTest::addRow("%s, open refused", what) << Fault::Open << overwrite;
        QTest::addRow("%s, lock not obtained", what) << Fault::Lock << overwrite;
        QTest::addRow("%s, read fails", what) << Fault::Read << overwrite;
        QTest::addRow("%s, write fails", what) << Fault::Write << overwrite;
        QTest::addRow("%s, disk full", what) << Fault::DiskFull << overwrite;
    }
}

void TestFaults::editorSave()
{
    QFETCH(Fault, fault);
    QFETCH(bool, overwrite);
    TestApp t;
    t.writeFile(QStringLiteral("S.vai"), threeRecords());
    TfrmTorneo *e = t->frmTorneo();
    e->lblFile->setText(t.path(QStringLiteral("S.vai")));
    e->showWindow();
    if (overwrite) {
        e->cmdPrimo->click();
        QCOMPARE(e->lblPosizione->text(), QStringLiteral("1"));
    }
    e->txtConcorrente->setText(QStringLiteral("NUOVO NOME"));
    e->txtEmail->setText(QStringLiteral("01/07/2024"));
    e->txtPunteggio->setText(QStringLiteral("30,00"));
    t.messages().take();
    FaultyAccess access;
    configure(access, fault);
    ScopedAccess scoped(&access);
    e->cmdSalva->click();
    const QList<Shown> shown = t.messages().take();
    QCOMPARE(shown.size(), 1);
    // Reading is needed only to put a record back when its overwrite fails; a full
    // disk still rewrites in place.
    const bool fails = fault == Fault::Open || fault == Fault::Lock || fault == Fault::Write ||
                       (fault == Fault::Read && overwrite) || (fault == Fault::DiskFull && !overwrite);
    const QByteArray after = t.readFile(QStringLiteral("S.vai"));
    if (fails) {
        QCOMPARE(shown.first(), (Shown{Kind::Plain, kAccess}));
        QCOMPARE(after, threeRecords()); // not a byte changed, no torn record appended
        QCOMPARE(e->lblPosizione->text(), overwrite ? QStringLiteral("1") : QString());
        QCOMPARE(e->txtConcorrente->text(), QStringLiteral("NUOVO NOME")); // nothing typed is lost
    } else {
        QCOMPARE(shown.first().kind, Kind::Information);
        QCOMPARE(after.size(), overwrite ? 3 * TScheda::kSize : 4 * TScheda::kSize);
        const qint64 index = overwrite ? 0 : 3;
        TScheda r;
        std::memcpy(r.bytes(), after.constData() + index * TScheda::kSize, TScheda::kSize);
        QCOMPARE(r.text(F::Concorrente), QStringLiteral("NUOVO NOME"));
    }
}

void TestFaults::readingScreens_data()
{
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<QString>("screen");
    for (const char *screen : {"search", "eligible", "merit", "alphabetical", "export"}) {
        QTest::addRow("%s, open refused", screen) << Fault::Open << QString::fromLatin1(screen);
        QTest::addRow("%s, lock not obtained", screen) << Fault::Lock << QString::fromLatin1(screen);
        QTest::addRow("%s, read fails", screen) << Fault::Read << QString::fromLatin1(screen);
        QTest::addRow("%s, write fails", screen) << Fault::Write << QString::fromLatin1(screen);
    }
}

void TestFaults::readingScreens()
{
    QFETCH(Fault, fault);
    QFETCH(QString, screen);
    TestApp t;
    t.writeFile(QStringLiteral("S.vai"), threeRecords());
    t->frmTorneo()->lblFile->setText(t.path(QStringLiteral("S.vai")));
    FaultyAccess access;
    configure(access, fault);
    ScopedAccess scoped(&access);
    // Reading screens never write: a write fault changes nothing for them.
    const bool fails = fault != Fault::Write;
    qsizetype listed = -1;
    if (screen == "search") {
        whenModal([&](QWidget *w) {
            auto *s = qobject_cast<TfrmTrovaPagina *>(w);
            s->btnCerca->click();
            QCOMPARE(s->panAvvio->isVisible(), fails); // the filters stay on a failure
            listed = s->panContainer->isVisible() ? s->lstRecords->count() : 0;
            s->close();
        });
        lists::openSearch(t.app(), t->frmTorneo());
        QCOMPARE(t.messages().take(), fails ? QList<Shown>({{Kind::Plain, kAccess}}) : QList<Shown>());
    } else if (screen == "eligible") {
        whenModal([&](QWidget *w) {
            listed = qobject_cast<TfrmSegnalati *>(w)->lstRecords->count();
            w->close();
        });
        lists::openEligible(t.app(), t->frmTorneo());
        QCOMPARE(t.messages().take(), QList<Shown>()); // silent
    } else if (screen == "merit" || screen == "alphabetical") {
        TfrmApriClassifica *sel = t->frmApriClassifica();
        {
            ScopedAccess normal(nullptr);
            sel->showWindow();
        }
        FileAccess::install(&access);
        sel->lstFiles->setCurrentRow(0);
        whenModal([&](QWidget *w) {
            listed = qobject_cast<RankingWindow *>(w)->lstRecords->count();
            w->close();
        });
        (screen == "merit" ? sel->btnExcel : sel->btnApri)->click();
        QCOMPARE(t.messages().take(), QList<Shown>()); // silent
    } else {
        whenModal([&](QWidget *w) {
            auto *x = qobject_cast<TfrmExpTorneo *>(w);
            int filled = 0;
            for (int row = 0; row < x->grdRecords->model()->rowCount(); ++row)
                filled += !x->grdRecords->model()->index(row, 1).data().toString().isEmpty();
            listed = filled;
            x->close();
        });
        t->frmTorneo()->cmdExcel->click();
        QCOMPARE(t.messages().take(), QList<Shown>()); // silent
    }
    if (fails)
        QVERIFY2(listed < 3, qPrintable(QString::number(listed)));
    else
        QCOMPARE(listed, 3);
    QCOMPARE(t.readFile(QStringLiteral("S.vai")), threeRecords());
}

SINTAREL_TEST_MAIN(TestFaults)
#include "tst_faults.moc"
