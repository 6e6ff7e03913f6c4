#include "archive/record.h"
#include "common/ImageButton.h"
#include "editor/Torneo.h"
#include "support/testapp.h"
#include "tools/Calcolatrice_Scientifica.h"
#include "tools/ToolActions.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using Kind = Messages::Kind;
using Shown = FakeMessages::Shown;

Q_DECLARE_METATYPE(QList<FakeMessages::Shown>)

namespace
{
const QString kValoriNonValidi = QStringLiteral("Attenzione! Valori non validi.");
const QString kTroppeCifre = QStringLiteral("Attenzione: numero con troppe cifre.");

// A key by what a person reads on it, which is also its accessible name.
ImageButton *key(QWidget *window, const QString &name)
{
    for (ImageButton *b : window->findChildren<ImageButton *>()) {
        if (b->accessibleName() == name)
            return b;
    }
    return nullptr;
}

// Clicks the keys of a blank-separated sequence with the mouse.
bool click(QWidget *window, const QString &sequence)
{
    for (const QString &name : sequence.split(u' ', Qt::SkipEmptyParts)) {
        ImageButton *b = key(window, name);
        if (!b) {
            qWarning("no key reads \"%s\"", qPrintable(name));
            return false;
        }
        QTest::mouseClick(b, Qt::LeftButton);
    }
    return true;
}

QString shown(TfrmCalcolatrice_Scientifica &frm)
{
    return frm.Edit1->text();
}
} // namespace

// The calculator window driven with mouse clicks on its keys.
class TestCalcolatrice : public QObject
{
    Q_OBJECT
private slots:
    void keySequences_data();
    void keySequences();
    void keypadLayout();
    void import_data();
    void import();
    void stateAcrossOpenings();
    void importIntoEditor();
    void importedScoreIsSaved();
};

void TestCalcolatrice::keySequences_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QList<Shown>>("messages");
    const QList<Shown> none;
    QTest::newRow("opens on 0") << ""
                                << "0" << none;
    QTest::newRow("12 + 7 =") << "1 2 + 7 ="
                              << "19" << none;
    QTest::newRow("2 xʸ 10 =") << "2 xʸ 1 0 ="
                               << "1024" << none;
    QTest::newRow("1 ÷ 3 =") << "1 ÷ 3 ="
                             << "0,333333333333333" << none;
    QTest::newRow("2 + 3 + 4 =") << "2 + 3 + 4 ="
                                 << "7" << none;
    QTest::newRow("5 + =") << "5 + ="
                           << "10" << none;
    QTest::newRow("2 + 3 =") << "2 + 3 ="
                             << "5" << none;
    QTest::newRow("2 + 3 = =") << "2 + 3 = ="
                               << "7" << none;
    // The first operand stays: 9 − 4, then 9 − 5.
    QTest::newRow("9 − 4 = =") << "9 − 4 = ="
                               << "4" << none;
    QTest::newRow("6 × 7 =") << "6 × 7 ="
                             << "42" << none;
    QTest::newRow("27,5 + 30 =") << "2 7 , 5 + 3 0 ="
                                 << "57,5" << none;
    QTest::newRow("5 + 3 ± =") << "5 + 3 ± ="
                               << "-6" << none;
    QTest::newRow("9 √ 1") << "9 √ 1"
                           << "31" << none;
    QTest::newRow("12 x²") << "1 2 x²"
                           << "144" << none;
    QTest::newRow("4 1/x") << "4 1/x"
                           << "0,25" << none;
    QTest::newRow("1 eˣ") << "1 eˣ"
                          << "2,71828182845905" << none;
    QTest::newRow("1 eˣ ln") << "1 eˣ ln"
                             << "1" << none;
    QTest::newRow("1000 log") << "1 0 0 0 log"
                              << "3" << none;
    QTest::newRow("30 sin") << "3 0 sin"
                            << "0,5" << none;
    QTest::newRow("90 cos") << "9 0 cos"
                            << "6,12323399573677E-17" << none;
    QTest::newRow("45 tan") << "4 5 tan"
                            << "1" << none;
    QTest::newRow("0,5 sin⁻¹") << "0 , 5 sin⁻¹"
                               << "0,523598775598299" << none;
    QTest::newRow("1 cos⁻¹") << "1 cos⁻¹"
                             << "0" << none;
    QTest::newRow("1 tan⁻¹") << "1 tan⁻¹"
                             << "0,785398163397448" << none;
    QTest::newRow("2 tan⁻¹") << "2 tan⁻¹"
                             << "2" << QList<Shown>{{Kind::Plain, kValoriNonValidi}};
    QTest::newRow("2 sin⁻¹") << "2 sin⁻¹"
                             << "2" << QList<Shown>{{Kind::Plain, kValoriNonValidi}};
    QTest::newRow("2 ± cos⁻¹") << "2 ± cos⁻¹"
                               << "-2"
                               << QList<Shown>{
                                      {Kind::Plain, QStringLiteral("Attenzione! Valori non validi")}};
    QTest::newRow("5 ÷ 0 = after 12 + 7 =") << "1 2 + 7 = 5 ÷ 0 ="
                                            << "19" << QList<Shown>{{Kind::Plain, kValoriNonValidi}};
    QTest::newRow("5 ÷ 0 = first thing") << "5 ÷ 0 ="
                                         << "0" << QList<Shown>{{Kind::Plain, kValoriNonValidi}};
    QTest::newRow("0 1/x") << "0 1/x"
                           << "0"
                           << QList<Shown>{{Kind::Plain, QStringLiteral("Attenzione! Valore non valido.")}};
    QTest::newRow("π") << "π"
                       << "3,14159265358979" << none;
    QTest::newRow("π after a result") << "2 + 3 = π"
                                      << "3,14159265358979" << none;
    QTest::newRow("1,5 ÷ 1000000 =") << "1 , 5 ÷ 1 0 0 0 0 0 0 ="
                                     << "1,5E-6" << none;
    QTest::newRow("10 xʸ 16 =") << "1 0 xʸ 1 6 ="
                                << "1E16" << none;
    QTest::newRow("backspace on -5") << "5 ± ⌫"
                                     << "0" << none;
    QTest::newRow("backspace on 7") << "7 ⌫"
                                    << "0" << none;
    QTest::newRow("backspace on 0,5") << "0 , 5 ⌫"
                                      << "0," << none;
    QTest::newRow("backspace on 12") << "1 2 ⌫"
                                     << "1" << none;
    QTest::newRow("backspace on 0") << "⌫"
                                    << "0" << none;
    QTest::newRow("zeros do not pile up") << "0 0 0"
                                          << "0" << none;
    QTest::newRow("100") << "1 0 0"
                         << "100" << none;
    QTest::newRow("comma after a result") << "2 + 3 = , 5"
                                          << "5" << none;
    QTest::newRow("C clears the display only") << "5 + 3 C 4 ="
                                               << "9" << none;
    QTest::newRow("operation left pending after C") << "1 2 C"
                                                    << "0" << none;
    QTest::newRow("two commas stop the next key")
        << "1 , , 5 +"
        << "1,,5"
        << QList<Shown>{
               {Kind::GeneralError,
                QStringLiteral("Impossibile eseguire il calcolo: \"1,,5\" non è un numero valido.")}};
    QTest::newRow("root of a negative")
        << "4 ± √"
        << "-4"
        << QList<Shown>{{Kind::GeneralError, QStringLiteral("Impossibile eseguire il calcolo: non esiste la "
                                                            "radice quadrata di un numero negativo.")}};
    QTest::newRow("log 0") << "0 log"
                           << "0"
                           << QList<Shown>{
                                  {Kind::GeneralError,
                                   QStringLiteral("Impossibile eseguire il calcolo: il logaritmo esiste "
                                                  "solo per i numeri maggiori di zero.")}};
    QTest::newRow("overflow")
        << "1 0 xʸ 4 0 0 ="
        << "400"
        << QList<Shown>{{Kind::GeneralError,
                         QStringLiteral("Impossibile eseguire il calcolo: il numero è troppo grande.")}};
}

void TestCalcolatrice::keySequences()
{
    QFETCH(QString, keys);
    QFETCH(QString, display);
    QFETCH(QList<Shown>, messages);
    TestApp t;
    QLineEdit score;
    TfrmCalcolatrice_Scientifica frm(t.app(), &score);
    frm.show();
    QVERIFY(click(&frm, keys));
    QCOMPARE(shown(frm), display);
    QCOMPARE(t.messages().take(), messages);
    QVERIFY(frm.isVisible());
}

void TestCalcolatrice::keypadLayout()
{
    TestApp t;
    QLineEdit score;
    TfrmCalcolatrice_Scientifica frm(t.app(), &score);
    frm.show();
    // Nine rows of four cells; a key named twice spans two cells.
    const QStringList grid = {
        "ButtonExp", "ButtonLn",     "ButtonStep",      "ButtonLog",       //
        "ButtonSqr", "Button1DivX",  "ButtonSqrt",      "ButtonPi",        //
        "ButtonCos", "ButtonSin",    "ButtonArcCos",    "ButtonArcSin",    //
        "ButtonTan", "ButtonArcTan", "ButtonBackSpace", "ButtonBackSpace", //
        "ButtonC",   "ButtonSign",   "ButtonDiv",       "ButtonMul",       //
        "Button7",   "Button8",      "Button9",         "ButtonSub",       //
        "Button4",   "Button5",      "Button6",         "ButtonAdd",       //
        "Button1",   "Button2",      "Button3",         "ButtonResult",    //
        "Button0",   "Button0",      "ButtonPoint",     "ButtonResult",
    };
    const QList<ImageButton *> keys = frm.findChildren<ImageButton *>();
    QCOMPARE(keys.size(), 33);
    QRect pad;
    for (ImageButton *b : keys)
        pad = pad.united(b->geometry());
    for (int row = 0; row < 9; ++row) {
        for (int column = 0; column < 4; ++column) {
            const QPoint centre(pad.left() + (2 * column + 1) * pad.width() / 8,
                                pad.top() + (2 * row + 1) * pad.height() / 18);
            QWidget *at = frm.panContainer->childAt(centre);
            QVERIFY2(at,
                     qPrintable(QStringLiteral("nothing at row %1 column %2").arg(row + 1).arg(column + 1)));
            QCOMPARE(at->objectName(), grid[row * 4 + column]);
        }
    }
    // What a screen reader says is what the key shows.
    const QList<std::pair<QString, QString>> names = {
        {"Button0", "0"},          {"Button5", "5"},          {"Button9", "9"},
        {"ButtonPoint", ","},      {"ButtonAdd", "+"},        {"ButtonSub", "−"},
        {"ButtonMul", "×"},        {"ButtonDiv", "÷"},        {"ButtonResult", "="},
        {"ButtonC", "C"},          {"ButtonPi", "π"},         {"ButtonSign", "±"},
        {"ButtonSqrt", "√"},       {"ButtonSqr", "x²"},       {"Button1DivX", "1/x"},
        {"ButtonStep", "xʸ"},      {"ButtonExp", "eˣ"},       {"ButtonLn", "ln"},
        {"ButtonLog", "log"},      {"ButtonSin", "sin"},      {"ButtonCos", "cos"},
        {"ButtonTan", "tan"},      {"ButtonArcSin", "sin⁻¹"}, {"ButtonArcCos", "cos⁻¹"},
        {"ButtonArcTan", "tan⁻¹"}, {"ButtonBackSpace", "⌫"},
    };
    for (const auto &[object, name] : names) {
        auto *b = getChild<ImageButton>(&frm, object);
        QVERIFY(b);
        QCOMPARE(b->accessibleName(), name);
        QCOMPARE(b->words(), name);
    }
    QCOMPARE(frm.windowTitle(), QStringLiteral(" Calcolatrice"));
    QCOMPARE(frm.size(), QSize(275, 422));
    QCOMPARE(frm.btnChiudi->text(), QStringLiteral("Annulla"));
    QCOMPARE(frm.btnImporta->text(), QStringLiteral("Importa"));
}

void TestCalcolatrice::import_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("imported"); // empty: refused
    QTest::newRow("12,5") << "1 2 , 5"
                          << "12,5";
    QTest::newRow("12 characters") << "1 2 3 4 5 6 7 8 9 0 1 2"
                                   << "123456789012";
    QTest::newRow("12 with sign and comma") << "1 2 3 4 5 6 7 8 9 , 5 ±"
                                            << "-123456789,5";
    QTest::newRow("a trailing comma goes as it is") << "7 ,"
                                                    << "7,";
    QTest::newRow("13 characters") << "1 2 3 4 5 6 7 8 9 0 1 2 3"
                                   << "";
    QTest::newRow("π, 16 characters") << "π"
                                      << "";
    QTest::newRow("1 ÷ 3") << "1 ÷ 3 ="
                           << "";
}

void TestCalcolatrice::import()
{
    QFETCH(QString, keys);
    QFETCH(QString, imported);
    TestApp t;
    QWidget editor;
    auto *score = new QLineEdit(QStringLiteral("0,00"), &editor);
    auto *other = new QLineEdit(&editor);
    other->setFocus();
    TfrmCalcolatrice_Scientifica frm(t.app(), score, &editor);
    frm.show();
    QVERIFY(click(&frm, keys));
    QTest::mouseClick(frm.btnImporta, Qt::LeftButton);
    if (imported.isEmpty()) {
        QCOMPARE(t.messages().take(), QList<Shown>({{Kind::Warning, kTroppeCifre}}));
        QVERIFY(frm.isVisible());
        QCOMPARE(score->text(), QStringLiteral("0,00"));
    } else {
        QCOMPARE(t.messages().take(), QList<Shown>());
        QVERIFY(!frm.isVisible());
        QCOMPARE(score->text(), imported);
        QCOMPARE(editor.focusWidget(), score);
    }
}

// The state lives for the whole run: a pending addition is finished next time.
void TestCalcolatrice::stateAcrossOpenings()
{
    TestApp t;
    TfrmTorneo *editor = t->frmTorneo();
    editor->txtPunteggio->setText(QStringLiteral("0,00"));
    QString reopened, finished;
    whenModal([&](QWidget *w) {
        click(w, QStringLiteral("5 +"));
        QTest::mouseClick(getChild<QPushButton>(w, QStringLiteral("btnChiudi")), Qt::LeftButton);
    });
    tools::openCalculator(t.app(), editor);
    whenModal([&](QWidget *w) {
        reopened = getChild<QLabel>(w, QStringLiteral("Edit1"))->text();
        click(w, QStringLiteral("3 ="));
        finished = getChild<QLabel>(w, QStringLiteral("Edit1"))->text();
        QTest::mouseClick(getChild<QPushButton>(w, QStringLiteral("btnChiudi")), Qt::LeftButton);
    });
    tools::openCalculator(t.app(), editor);
    QCOMPARE(reopened, QStringLiteral("0"));
    QCOMPARE(finished, QStringLiteral("8"));
    // "Annulla" imports nothing.
    QCOMPARE(editor->txtPunteggio->text(), QStringLiteral("0,00"));
    QCOMPARE(t.messages().take(), QList<Shown>());

    // Another run starts from zero.
    TestApp other;
    QLineEdit score;
    TfrmCalcolatrice_Scientifica frm(other.app(), &score);
    frm.show();
    QVERIFY(click(&frm, QStringLiteral("3 =")));
    QCOMPARE(shown(frm), QStringLiteral("3"));
}

// From the editor: 27,5 + 30 imported into the score field, which gets the focus.
void TestCalcolatrice::importIntoEditor()
{
    TestApp t;
    TfrmTorneo *editor = t->frmTorneo();
    editor->txtPunteggio->setText(QStringLiteral("0,00"));
    QString opened;
    QWidget *owner = nullptr;
    whenModal([&](QWidget *w) {
        opened = w->objectName();
        owner = w->parentWidget();
        click(w, QStringLiteral("2 7 , 5 + 3 0 ="));
        QTest::mouseClick(getChild<QPushButton>(w, QStringLiteral("btnImporta")), Qt::LeftButton);
    });
    tools::openCalculator(t.app(), editor);
    QCOMPARE(opened, QStringLiteral("frmCalcolatrice_Scientifica"));
    QCOMPARE(owner, static_cast<QWidget *>(editor));
    QCOMPARE(t.messages().take(), QList<Shown>());
    QCOMPARE(editor->txtPunteggio->text(), QStringLiteral("57,5"));
    QCOMPARE(editor->focusWidget(), editor->txtPunteggio);
    QVERIFY(!editor->findChild<QWidget *>(QStringLiteral("frmCalcolatrice_Scientifica")));
}

// The road a user takes: the editor's calculator button, 27,5 + 30, Importa, Save;
// the editor's own rules turn the imported 57,5 into the stored 57,50.
void TestCalcolatrice::importedScoreIsSaved()
{
    TestApp t;
    t.writeFile(QStringLiteral("S.vai"), {});
    TfrmTorneo *editor = t->frmTorneo();
    editor->lblFile->setText(t.path(QStringLiteral("S.vai")));
    editor->lblNome->setText(QStringLiteral("S"));
    editor->showWindow();
    QVERIFY(QTest::qWaitForWindowActive(editor));
    editor->txtConcorrente->setText(QStringLiteral("Anna Bianchi"));
    whenModal([&](QWidget *w) {
        click(w, QStringLiteral("2 7 , 5 + 3 0 ="));
        QTest::mouseClick(getChild<QPushButton>(w, QStringLiteral("btnImporta")), Qt::LeftButton);
    });
    QTest::mouseClick(editor->btnCalcolatrice, Qt::LeftButton);
    QCOMPARE(editor->txtPunteggio->text(), QStringLiteral("57,5"));
    QCOMPARE(editor->focusWidget(), editor->txtPunteggio);
    // The editor is active again, even without a window manager to see to it.
    QVERIFY(QTest::qWaitForWindowActive(editor));
    QCOMPARE(QApplication::focusWidget(), editor->txtPunteggio);
    QTest::mouseClick(editor->cmdSalva, Qt::LeftButton);
    QCOMPARE(t.messages().take(),
             QList<Shown>(
                 {{Kind::Information, QStringLiteral("La scheda corrente è stata inserita in archivio.")}}));
    const QByteArray file = t.readFile(QStringLiteral("S.vai"));
    QCOMPARE(file.size(), TScheda::kSize);
    TScheda stored;
    memcpy(stored.bytes(), file.constData(), TScheda::kSize);
    QCOMPARE(stored.text(TScheda::Field::Punteggio), QStringLiteral("57,50"));
    QCOMPARE(editor->txtPunteggio->text(), QStringLiteral("57,50"));
}

SINTAREL_TEST_MAIN(TestCalcolatrice)
#include "tst_calcolatrice.moc"
