#include "archive/ApriArchivio.h"
#include "archive/CreaArchivio.h"
#include "archive/InstructionBanner.h"
#include "archive/catalogue.h"
#include "common/ImageButton.h"
#include "common/errors.h"
#include "editor/FieldHighlight.h"
#include "editor/Torneo.h"
#include "shell/Avvio.h"
#include "support/testapp.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

using Kind = Messages::Kind;
using Shown = FakeMessages::Shown;

namespace
{

const QString kEmptyName =
    QStringLiteral("Attenzione: per creare la nuova sessione è necessario indicarne il nome.");
const QString kUsed =
    QStringLiteral("Attenzione: il nome della sessione indicato è già stato utilizzato in "
                   "precedenza.\r\n\r\nInserire un nome diverso oppure, se si desidera aprire una "
                   "sessione già creata, premere il pulsante Apri sessione esistente.");
const QString kCreated =
    QStringLiteral("Il file di archivio relativo alla nuova sessione è stato creato con "
                   "successo.\r\n\r\nE' ora possibile visualizzarlo nell'elenco delle sessioni "
                   "esistenti.");
const QString kNoSessions = QStringLiteral("Attenzione: l'elenco non contiene nessuna sessione.");
const QString kConfirm =
    QStringLiteral("Si sta per eliminare la sessione selezionata. Si ricorda che il file "
                   "eliminato non potrà essere recuperato.\r\n\r\nSi conferma "
                   "l'eliminazione dell'archivio?");
const QString kDeleted = QStringLiteral("La sessione è stata eliminata con successo.");

// Everything in the folder but the password store, sorted, subfolders marked with "/".
QStringList folderContents(const TestApp &t)
{
    QStringList names;
    const QFileInfoList entries =
        QDir(t.folder())
            .entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &fi : entries) {
        if (fi.fileName() != QLatin1String("unins000.dll"))
            names << fi.fileName() + (fi.isDir() ? QStringLiteral("/") : QString());
    }
    return names;
}

QStringList entries(QListWidget *list)
{
    QStringList names;
    for (int i = 0; i < list->count(); ++i)
        names << list->item(i)->text();
    return names;
}

TfrmCreaArchivio *showCreate(TestApp &t)
{
    t->frmAvvio()->showWindow();
    QTest::mouseClick(t->frmAvvio()->btnCreazione, Qt::LeftButton);
    return t->frmCreaArchivio();
}

TfrmApriArchivio *showList(TestApp &t)
{
    t->frmAvvio()->showWindow();
    QTest::mouseClick(t->frmAvvio()->btnApertura, Qt::LeftButton);
    return t->frmApriArchivio();
}

void paste(QLineEdit *field, const QString &text)
{
    QApplication::clipboard()->setText(text);
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
}

} // namespace

class TestCatalogue : public QObject
{
    Q_OBJECT
private slots:
    void create_data();
    void create();
    void keyFilterAndLimit();
    void showingResetsTheName();
    void createFailureReachesGeneralReport();
    void createNeverReplaces();
    void listOrderAndCount();
    void openHandsOverToEditor();
    void remove_data();
    void remove();
    void removeWarnings();
    void literalTexts();
};

void TestCatalogue::create_data()
{
    QTest::addColumn<QString>("existing"); // a file already in the folder, or ""
    QTest::addColumn<QString>("how");      // "type" or "paste"
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("created"); // the new file, or "" when none

    const QString characters = catalogue::problemText(catalogue::NameProblem::Characters);
    const QString reserved = catalogue::problemText(catalogue::NameProblem::Reserved);
    const QString tooLong = catalogue::problemText(catalogue::NameProblem::TooLong);

    QTest::newRow("empty") << ""
                           << "type"
                           << "" << kEmptyName << "";
    QTest::newRow("only blanks") << ""
                                 << "type"
                                 << "    " << kEmptyName << "";
    QTest::newRow("blanks around") << ""
                                   << "type"
                                   << "  Esami giugno  " << kCreated << "Esami giugno.vai";
    QTest::newRow("vertical bar accepted") << ""
                                           << "type"
                                           << "a|b" << kCreated << "a|b.vai";
    QTest::newRow("typed refused characters vanish") << ""
                                                     << "type"
                                                     << "Sessione: 1/2?" << kCreated << "Sessione 12.vai";
    QTest::newRow("accented") << ""
                              << "type"
                              << "Sessione è" << kCreated << "Sessione è.vai";
    QTest::newRow("same name") << "Prova.vai"
                               << "type"
                               << " Prova " << kUsed << "";
    QTest::newRow("other letter case") << "Prova.vai"
                                       << "type"
                                       << "PROVA" << kUsed << "";
    QTest::newRow("extension in capitals") << "ESAME.VAI"
                                           << "type"
                                           << "esame" << kUsed << "";
    QTest::newRow("accented other case") << "ÈSAME.vai"
                                         << "type"
                                         << "èsame" << kUsed << "";
    QTest::newRow("pasted slash") << ""
                                  << "paste"
                                  << "a/b" << characters << "";
    QTest::newRow("pasted climbing out") << ""
                                         << "paste"
                                         << "../fuori" << characters << "";
    QTest::newRow("pasted colon") << ""
                                  << "paste"
                                  << "c:d" << characters << "";
    QTest::newRow("pasted backslash") << ""
                                      << "paste"
                                      << "a\\b" << characters << "";
    QTest::newRow("pasted question mark") << ""
                                          << "paste"
                                          << "perché?" << characters << "";
    QTest::newRow("pasted tab") << ""
                                << "paste"
                                << "a\tb" << characters << "";
    QTest::newRow("pasted reserved") << ""
                                     << "paste"
                                     << "CON" << reserved << "";
    QTest::newRow("pasted reserved, other case") << ""
                                                 << "paste"
                                                 << "com1" << reserved << "";
    QTest::newRow("pasted reserved with a dot") << ""
                                                << "paste"
                                                << "Nul.old" << reserved << "";
    QTest::newRow("not reserved") << ""
                                  << "paste"
                                  << "CONCORSO" << kCreated << "CONCORSO.vai";
    QTest::newRow("pasted too long") << ""
                                     << "paste" << QString(250, u'è') << tooLong << "";
}

void TestCatalogue::create()
{
    QFETCH(QString, existing);
    QFETCH(QString, how);
    QFETCH(QString, input);
    QFETCH(QString, message);
    QFETCH(QString, created);
    TestApp t;
    const QByteArray existingBytes("dati preziosi");
    if (!existing.isEmpty())
        t.writeFile(existing, existingBytes);
    const QStringList before = folderContents(t);
    TfrmCreaArchivio *w = showCreate(t);
    QVERIFY(QTest::qWaitForWindowActive(w));
    QTRY_COMPARE(QApplication::focusWidget(), w->txtFile);
    if (how == "type")
        typeText(w->txtFile, input);
    else
        paste(w->txtFile, input);
    QTest::mouseClick(w->btnApplica, Qt::LeftButton);
    QCOMPARE(t.messages().take(),
             QList<Shown>({{message == kCreated ? Kind::Information : Kind::Warning, message}}));
    QStringList after = before;
    if (!created.isEmpty()) {
        after << created;
        after.sort();
        QCOMPARE(QFileInfo(t.path(created)).size(), 0);
        QCOMPARE(t.visibleWindow(), t->frmAvvio()); // created, not opened
        QCOMPARE(w->lblFile->text(), t.path(created));
    } else {
        QCOMPARE(t.visibleWindow(), w);
        if (message != kUsed)
            QTRY_COMPARE(QApplication::focusWidget(), w->txtFile);
    }
    QCOMPARE(folderContents(t), after);
    QVERIFY(!QFile::exists(t.folder() + QStringLiteral("../fuori.vai")));
    if (!existing.isEmpty())
        QCOMPARE(t.readFile(existing), existingBytes);
}

void TestCatalogue::keyFilterAndLimit()
{
    TestApp t;
    TfrmCreaArchivio *w = showCreate(t);
    typeText(w->txtFile, QStringLiteral("\"*/:<>?\\°ÇÑçñ|x"));
    QCOMPARE(w->txtFile->text(), QStringLiteral("|x"));
    w->txtFile->clear();
    typeText(w->txtFile, QString(251, u'a'));
    QCOMPARE(w->txtFile->text(), QString(250, u'a'));
    // Enter means nothing here.
    QTest::keyClick(w->txtFile, Qt::Key_Return);
    QCOMPARE(t.messages().take(), QList<Shown>());
    QCOMPARE(t.visibleWindow(), w);
}

void TestCatalogue::showingResetsTheName()
{
    TestApp t;
    TfrmCreaArchivio *w = showCreate(t);
    QVERIFY(QTest::qWaitForWindowActive(w));
    typeText(w->txtFile, QStringLiteral("bozza"));
    QTRY_COMPARE(fieldhighlight::background(w->txtFile), fieldhighlight::kFocused);
    QTest::mouseClick(w->btnAnnulla, Qt::LeftButton);
    QCOMPARE(t.visibleWindow(), t->frmAvvio());
    QCOMPARE(folderContents(t), QStringList());
    w = showCreate(t);
    QCOMPARE(w->txtFile->text(), QString());
    QVERIFY(QTest::qWaitForWindowActive(w));
    QTRY_COMPARE(QApplication::focusWidget(), w->txtFile);
    w->btnApplica->setFocus();
    QTRY_COMPARE(fieldhighlight::background(w->txtFile), fieldhighlight::kUnfocused);
    // The title-bar close leads back to the start screen as well.
    w->close();
    QCOMPARE(t.visibleWindow(), t->frmAvvio());
}

void TestCatalogue::createFailureReachesGeneralReport()
{
    TestApp t;
    TfrmCreaArchivio *w = showCreate(t);
    typeText(w->txtFile, QStringLiteral("Prova"));
    // The program folder vanishes: the file cannot be created.
    const QString folder = t.folder();
    QVERIFY(QDir(folder).removeRecursively());
    QTest::mouseClick(w->btnApplica, Qt::LeftButton);
    const QList<Shown> shown = t.messages().take();
    QVERIFY(QDir().mkpath(folder));
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().kind, Kind::GeneralError);
    QVERIFY2(shown.first().text.contains(QStringLiteral("Prova.vai")), qPrintable(shown.first().text));
    QCOMPARE(t.visibleWindow(), w); // the window stays open
}

void TestCatalogue::createNeverReplaces()
{
    TestApp t;
    t.writeFile(QStringLiteral("X.vai"), QByteArray("abc"));
    QVERIFY_THROWS_EXCEPTION(SintarelError, catalogue::createSession(t.path(QStringLiteral("X.vai"))));
    QCOMPARE(t.readFile(QStringLiteral("X.vai")), QByteArray("abc"));
}

void TestCatalogue::listOrderAndCount()
{
    TestApp t;
    for (const char *name :
         {"b.vai", "A.vai", "C.vai", "prova.vai", "PROVA2.vai", "E.VAI", "note.txt", "vai"})
        t.writeFile(QString::fromLatin1(name), {});
    QVERIFY(QDir(t.folder()).mkpath(QStringLiteral("sotto")));
    t.writeFile(QStringLiteral("sotto/D.vai"), {});
    TfrmApriArchivio *w = showList(t);
    QCOMPARE(entries(w->lstFiles),
             QStringList({"A.vai", "b.vai", "C.vai", "E.VAI", "prova.vai", "PROVA2.vai"}));
    QCOMPARE(w->lblCreati->text(), QStringLiteral("Sono state create 6 sessioni."));
    QCOMPARE(w->lstFiles->selectionMode(), QAbstractItemView::SingleSelection);
    // A session created meanwhile is listed at the next showing.
    w->close();
    t.writeFile(QStringLiteral("B2.vai"), {});
    w = showList(t);
    QCOMPARE(entries(w->lstFiles).indexOf(QStringLiteral("B2.vai")), 2);
    QCOMPARE(w->lblCreati->text(), QStringLiteral("Sono state create 7 sessioni."));
}

void TestCatalogue::openHandsOverToEditor()
{
    TestApp t;
    t.writeFile(QStringLiteral("Esami giugno.vai"), {});
    t.writeFile(QStringLiteral("Altro.vai"), {});
    TfrmApriArchivio *w = showList(t);
    // Double-clicking does not open.
    QListWidgetItem *item = w->lstFiles->item(1);
    w->lstFiles->setCurrentItem(item);
    QTest::mouseDClick(w->lstFiles->viewport(), Qt::LeftButton, {},
                       w->lstFiles->visualItemRect(item).center());
    QCOMPARE(t.visibleWindow(), w);
    QTest::mouseClick(w->btnApri, Qt::LeftButton);
    TfrmTorneo *e = t->frmTorneo();
    QCOMPARE(t.visibleWindow(), e);
    QCOMPARE(e->lblFile->text(), t.path(QStringLiteral("Esami giugno.vai")));
    QCOMPARE(e->lblNome->text(), QStringLiteral("Esami giugno"));
    QCOMPARE(e->lblPosizione->text(), QString());
    QCOMPARE(t.messages().take(), QList<Shown>());

    // A leading blank belongs to the file name: the very file listed opens.
    e->hide();
    t.writeFile(QStringLiteral(" Altro.vai"), {});
    w = showList(t);
    QCOMPARE(w->lstFiles->item(0)->text(), QStringLiteral(" Altro.vai"));
    w->lstFiles->setCurrentRow(0);
    QTest::mouseClick(w->btnApri, Qt::LeftButton);
    QCOMPARE(e->lblFile->text(), t.path(QStringLiteral(" Altro.vai")));
}

void TestCatalogue::remove_data()
{
    QTest::addColumn<QStringList>("sessions");
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<bool>("vanishes"); // the file disappears while the question is open
    QTest::addColumn<QStringList>("left");
    QTest::addColumn<QString>("outcome"); // message after the question

    const QString failed =
        QStringLiteral("Attenzione: non è stato possibile eliminare la sessione selezionata.\r\n\r\n"
                       "Accertarsi che il file non sia in uso e di possedere i privilegi di "
                       "scrittura nella cartella di installazione del programma.");
    QTest::newRow("yes") << QStringList({"A.vai", "B.vai"}) << 1 << true << false << QStringList({"A.vai"})
                         << kDeleted;
    QTest::newRow("no") << QStringList({"A.vai", "B.vai"}) << 0 << false << false
                        << QStringList({"A.vai", "B.vai"}) << "";
    QTest::newRow("last session") << QStringList({"Unica.vai"}) << 0 << true << false << QStringList()
                                  << kDeleted;
    // The entry is the file's own name, leading blank included.
    QTest::newRow("leading blank") << QStringList({" Prova.vai", "Prova.vai"}) << 0 << true << false
                                   << QStringList({"Prova.vai"}) << kDeleted;
    QTest::newRow("deletion fails") << QStringList({"A.vai", "B.vai"}) << 0 << true << true
                                    << QStringList({"B.vai"}) << failed;
}

void TestCatalogue::remove()
{
    QFETCH(QStringList, sessions);
    QFETCH(int, row);
    QFETCH(bool, yes);
    QFETCH(bool, vanishes);
    QFETCH(QStringList, left);
    QFETCH(QString, outcome);
    TestApp t;
    for (const QString &s : sessions)
        t.writeFile(s, QByteArray(10, 'x'));
    TfrmApriArchivio *w = showList(t);
    w->lstFiles->setCurrentRow(row);
    const QString target = sessions.at(row);
    if (vanishes)
        t.messages().onShow = [&](const Shown &s) {
            if (s.kind == Kind::Confirmation)
                QFile::remove(t.path(target));
        };
    t.messages().answer(yes);
    QTest::mouseClick(w->btnElimina, Qt::LeftButton);
    t.messages().onShow = nullptr;
    QList<Shown> expected = {{Kind::Confirmation, kConfirm}};
    if (!outcome.isEmpty())
        expected.append({outcome == kDeleted ? Kind::Information : Kind::Warning, outcome});
    QCOMPARE(t.messages().take(), expected);
    QCOMPARE(folderContents(t), left);
    QCOMPARE(entries(w->lstFiles), left);
    QCOMPARE(w->lblCreati->text(), QStringLiteral("Sono state create %1 sessioni.").arg(left.size()));
    QCOMPARE(w->lblMemory->text(), QStringLiteral("avvio"));
    if (yes)
        QCOMPARE(w->lblFile->text(), QString());
    QCOMPARE(t.visibleWindow(), w);
    QVERIFY(t.messages().problems().isEmpty());
}

void TestCatalogue::removeWarnings()
{
    TestApp t;
    TfrmApriArchivio *w = showList(t);
    QCOMPARE(w->lblCreati->text(), QStringLiteral("Sono state create 0 sessioni."));
    QTest::mouseClick(w->btnElimina, Qt::LeftButton);
    QCOMPARE(t.messages().take(), QList<Shown>({{Kind::Warning, kNoSessions}}));
    w->close();
    t.writeFile(QStringLiteral("A.vai"), {});
    w = showList(t);
    QTest::mouseClick(w->btnElimina, Qt::LeftButton);
    QCOMPARE(t.messages().take(),
             QList<Shown>(
                 {{Kind::Warning, QStringLiteral("Attenzione: selezionare dall'elenco la sessione da "
                                                 "eliminare prima di premere il pulsante del cestino.")}}));
    QVERIFY(QFile::exists(t.path(QStringLiteral("A.vai"))));
}

void TestCatalogue::literalTexts()
{
    TestApp t;
    TfrmCreaArchivio *c = t->frmCreaArchivio();
    QCOMPARE(c->windowTitle(), QStringLiteral(" Sintarel - Creazione nuova sessione"));
    QCOMPARE(c->icoIstruzioni->title(), QStringLiteral("Creazione nuova sessione"));
    QCOMPARE(c->icoIstruzioni->lines(),
             QStringList(
                 {"Indicare il nome della nuova sessione nella casella sottostante e fare clic su Applica e "
                  "chiudi.",
                  "Il nome attribuito apparirà nell'elenco visualizzato tramite il pulsante Apri sessione "
                  "esistente.",
                  "Premere Annulla per uscire da questa schermata senza creare una nuova sessione."}));
    QCOMPARE(c->btnApplica->words(), QStringLiteral("Applica e chiudi"));
    QCOMPARE(c->btnAnnulla->words(), QStringLiteral("Annulla"));
    QCOMPARE(c->txtFile->maxLength(), 250);
    QCOMPARE(c->txtFile->font().bold(), true);
    QVERIFY(!c->lblFile->isVisibleTo(c));

    TfrmApriArchivio *a = t->frmApriArchivio();
    QCOMPARE(a->windowTitle(), QStringLiteral(" Sintarel - Apertura sessione"));
    QCOMPARE(a->icoIstruzioni->title(), QStringLiteral("Apertura sessione"));
    QCOMPARE(
        a->icoIstruzioni->lines(),
        QStringList({"Selezionare la sessione nell'elenco sottostante e premere il pulsante Apri archivio.",
                     "Fare clic sull'icona del cestino per eliminare la sessione selezionata.",
                     "Premere Annulla per uscire da questa schermata senza aprire una sessione."}));
    QCOMPARE(a->btnApri->words(), QStringLiteral("Apri archivio"));
    QCOMPARE(a->btnAnnulla->words(), QStringLiteral("Annulla"));
    QCOMPARE(a->lblCreati->text(), QStringLiteral("Sono state create 0 sessioni."));
    QCOMPARE(a->lblMemory->text(), QStringLiteral("avvio"));
    QVERIFY(a->btnElimina->y() < a->lstFiles->y());
    for (ImageButton *b :
         {c->btnApplica, c->btnAnnulla, c->imgGuida, a->btnApri, a->btnAnnulla, a->btnElimina, a->imgGuida})
        QCOMPARE(b->cursor().shape(), Qt::PointingHandCursor);
}

SINTAREL_TEST_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
