#include "editor/Torneo.h"
#include "support/testapp.h"
#include "tools/CodFisc.h"
#include "tools/PartitaIVA.h"
#include "tools/ToolActions.h"

#include <QLineEdit>
#include <QPushButton>

using Kind = Messages::Kind;
using Shown = FakeMessages::Shown;

namespace
{
const QString kCodLength =
    QStringLiteral("Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici.");
const QString kCodValid = QStringLiteral("Il codice fiscale digitato è VALIDO.");
const QString kCodWrong = QStringLiteral("Attenzione: il codice fiscale digitato è ERRATO.");
const QString kIvaLength =
    QStringLiteral("Attenzione: la partita IVA deve essere composta da 11 caratteri numerici.");
const QString kIvaWrong =
    QStringLiteral("Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\n"
                   "Non è quindi possibile fornire informazioni relative all'Ufficio IVA "
                   "che lo ha rilasciato.");
QString ivaValid(const QString &office)
{
    return QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.\r\n\r\n"
                          "E' stato rilasciato dall'Ufficio IVA del Comune di") +
           office + u'.';
}
} // namespace

Q_DECLARE_METATYPE(QList<FakeMessages::Shown>)

// The fiscal code and VAT number check windows, driven as a user would, and the
// editor's choice between them.
class TestTaxCheck : public QObject
{
    Q_OBJECT
private slots:
    void codFiscCheck_data();
    void codFiscCheck();
    void codFiscTyping();
    void codFiscEnter();
    void codFiscClose();
    void partitaIvaCheck_data();
    void partitaIvaCheck();
    void partitaIvaKeyFilter();
    void editorChoosesWindow_data();
    void editorChoosesWindow();
};

void TestTaxCheck::codFiscCheck_data()
{
    QTest::addColumn<QString>("placed"); // as the editor hands it over
    QTest::addColumn<QString>("typed");  // then typed key by key
    QTest::addColumn<QList<Shown>>("shown");
    QTest::addColumn<bool>("closes");
    QTest::newRow("valid") << ""
                           << "RSSMRA85T10A562S" << QList<Shown>{{Kind::Information, kCodValid}} << true;
    QTest::newRow("typed in lower case")
        << ""
        << "rssmra85t10a562s" << QList<Shown>{{Kind::Information, kCodValid}} << true;
    QTest::newRow("fifteen A + I") << ""
                                   << "AAAAAAAAAAAAAAAI" << QList<Shown>{{Kind::Information, kCodValid}}
                                   << true;
    QTest::newRow("fifteen zeros + I")
        << ""
        << "000000000000000I" << QList<Shown>{{Kind::Information, kCodValid}} << true;
    QTest::newRow("fifteen A + B") << ""
                                   << "AAAAAAAAAAAAAAAB" << QList<Shown>{{Kind::Warning, kCodWrong}} << true;
    QTest::newRow("placed in lower case") << "rssmra85t10a562s"
                                          << "" << QList<Shown>{{Kind::Information, kCodValid}} << true;
    QTest::newRow("a blank inside") << "RSSMRA 5T10A562S"
                                    << "" << QList<Shown>{{Kind::Warning, kCodWrong}} << true;
    QTest::newRow("accented letter") << QString::fromUtf16(u"RSSMRÀ85T10A562S") << ""
                                     << QList<Shown>{{Kind::Warning, kCodWrong}} << true;
    QTest::newRow("empty") << ""
                           << "" << QList<Shown>{{Kind::Warning, kCodLength}} << false;
    QTest::newRow("15 characters") << ""
                                   << "AAAAAAAAAAAAAAA" << QList<Shown>{{Kind::Warning, kCodLength}} << false;
    // Typing stops at 16: the 17th key is lost and the code checks as 16.
    QTest::newRow("17 typed") << ""
                              << "AAAAAAAAAAAAAAAIX" << QList<Shown>{{Kind::Information, kCodValid}} << true;
    QTest::newRow("17 placed, not cut") << "AAAAAAAAAAAAAAAIX"
                                        << "" << QList<Shown>{{Kind::Warning, kCodLength}} << false;
    QTest::newRow("placed with a blank at the end is not trimmed")
        << "AAAAAAAAAAAAAAAI "
        << "" << QList<Shown>{{Kind::Warning, kCodLength}} << false;
}

void TestTaxCheck::codFiscCheck()
{
    QFETCH(QString, placed);
    QFETCH(QString, typed);
    QFETCH(QList<Shown>, shown);
    QFETCH(bool, closes);
    TestApp t;
    TfrmCodFisc frm(t.app());
    frm.placeText(placed);
    frm.show();
    QCOMPARE(frm.focusWidget(), frm.txtCodFisc);
    QCOMPARE(frm.txtCodFisc->text(), placed);
    typeText(frm.txtCodFisc, typed);
    QTest::mouseClick(frm.btnControlla, Qt::LeftButton);
    QCOMPARE(t.messages().take(), shown);
    QCOMPARE(frm.isVisible(), !closes);
    if (!closes)
        QCOMPARE(frm.focusWidget(), frm.txtCodFisc);
}

void TestTaxCheck::codFiscTyping()
{
    TestApp t;
    TfrmCodFisc frm(t.app());
    frm.show();
    // Capitals at once, blanks at either end gone at once, accented letters kept.
    typeText(frm.txtCodFisc, QStringLiteral("  rs"));
    QCOMPARE(frm.txtCodFisc->text(), QStringLiteral("RS"));
    typeText(frm.txtCodFisc, QStringLiteral(" s"));
    QCOMPARE(frm.txtCodFisc->text(), QStringLiteral("RSS"));
    typeText(frm.txtCodFisc, QStringLiteral("è"));
    QCOMPARE(frm.txtCodFisc->text(), QStringLiteral("RSSè"));
    // An edit in the middle keeps the caret where it was.
    QTest::keyClick(frm.txtCodFisc, Qt::Key_Backspace);
    QTest::keyClick(frm.txtCodFisc, Qt::Key_Left);
    typeText(frm.txtCodFisc, QStringLiteral("m"));
    QCOMPARE(frm.txtCodFisc->text(), QStringLiteral("RSMS"));
    QCOMPARE(frm.txtCodFisc->cursorPosition(), 3);

    // An over-long handed-over text may be shortened but not lengthened.
    frm.placeText(QStringLiteral("ABCDEFGHIJKLMNOPQR"));
    frm.txtCodFisc->end(false);
    typeText(frm.txtCodFisc, QStringLiteral("S"));
    QCOMPARE(frm.txtCodFisc->text(), QStringLiteral("ABCDEFGHIJKLMNOPQR"));
    QTest::keyClick(frm.txtCodFisc, Qt::Key_Backspace);
    typeText(frm.txtCodFisc, QStringLiteral("s"));
    QCOMPARE(frm.txtCodFisc->text(), QStringLiteral("ABCDEFGHIJKLMNOPQ"));
    QTest::keyClick(frm.txtCodFisc, Qt::Key_Backspace);
    QTest::keyClick(frm.txtCodFisc, Qt::Key_Backspace);
    typeText(frm.txtCodFisc, QStringLiteral("xy"));
    QCOMPARE(frm.txtCodFisc->text(), QStringLiteral("ABCDEFGHIJKLMNOX"));
}

void TestTaxCheck::codFiscEnter()
{
    TestApp t;
    TfrmCodFisc frm(t.app());
    frm.show();
    typeText(frm.txtCodFisc, QStringLiteral("AAAAAAAAAAAAAAAI"));
    // Enter leads to the check button without checking.
    QTest::keyClick(frm.txtCodFisc, Qt::Key_Return);
    QCOMPARE(frm.focusWidget(), frm.btnControlla);
    QCOMPARE(t.messages().take(), QList<Shown>());
    QVERIFY(frm.isVisible());
    // Enter again, now on the button, checks.
    QTest::keyClick(frm.btnControlla, Qt::Key_Return);
    QCOMPARE(t.messages().take(), QList<Shown>({{Kind::Information, kCodValid}}));
    QVERIFY(!frm.isVisible());
}

void TestTaxCheck::codFiscClose()
{
    TestApp t;
    TfrmCodFisc frm(t.app());
    frm.show();
    typeText(frm.txtCodFisc, QStringLiteral("AAAAAAAAAAAAAAAI"));
    // Chiudi closes without a check.
    QTest::mouseClick(frm.btnChiudi, Qt::LeftButton);
    QCOMPARE(t.messages().take(), QList<Shown>());
    QVERIFY(!frm.isVisible());
}

void TestTaxCheck::partitaIvaCheck_data()
{
    QTest::addColumn<QString>("placed");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QList<Shown>>("shown");
    QTest::addColumn<bool>("closes");
    QTest::newRow("Torino") << ""
                            << "00000000018" << QList<Shown>{{Kind::Information, ivaValid(" Torino")}}
                            << true;
    QTest::newRow("Bologna 2 from 120")
        << "00000001206"
        << "" << QList<Shown>{{Kind::Information, ivaValid(" Bologna 2")}} << true;
    QTest::newRow("Bologna 2 from 101")
        << ""
        << "00000001016" << QList<Shown>{{Kind::Information, ivaValid(" Bologna 2")}} << true;
    QTest::newRow("Forlì") << ""
                           << "00000000406"
                           << QList<Shown>{{Kind::Information, ivaValid(QStringLiteral(" Forlì"))}} << true;
    // Office 000 has no entry: the sentence ends "di."
    QTest::newRow("eleven zeros") << ""
                                  << "00000000000" << QList<Shown>{{Kind::Information, ivaValid("")}} << true;
    QTest::newRow("office 103") << ""
                                << "00000001032" << QList<Shown>{{Kind::Information, ivaValid("")}} << true;
    QTest::newRow("Torino, wrong digit") << ""
                                         << "00000000017" << QList<Shown>{{Kind::Warning, kIvaWrong}} << true;
    QTest::newRow("Bologna 2, wrong digit")
        << ""
        << "00000001205" << QList<Shown>{{Kind::Warning, kIvaWrong}} << true;
    QTest::newRow("a letter inside eleven") << "0000A000018"
                                            << "" << QList<Shown>{{Kind::Warning, kIvaWrong}} << true;
    QTest::newRow("empty") << ""
                           << "" << QList<Shown>{{Kind::Warning, kIvaLength}} << false;
    QTest::newRow("10 digits") << ""
                               << "0000000001" << QList<Shown>{{Kind::Warning, kIvaLength}} << false;
    QTest::newRow("12 typed, the 12th lost")
        << ""
        << "000000000180" << QList<Shown>{{Kind::Information, ivaValid(" Torino")}} << true;
    QTest::newRow("12 placed, not cut") << "000000000180"
                                        << "" << QList<Shown>{{Kind::Warning, kIvaLength}} << false;
}

void TestTaxCheck::partitaIvaCheck()
{
    QFETCH(QString, placed);
    QFETCH(QString, typed);
    QFETCH(QList<Shown>, shown);
    QFETCH(bool, closes);
    TestApp t;
    TfrmPartitaIva frm(t.app());
    frm.placeText(placed);
    frm.show();
    QCOMPARE(frm.focusWidget(), frm.txtPartitaIva);
    QCOMPARE(frm.txtPartitaIva->text(), placed);
    typeText(frm.txtPartitaIva, typed);
    QTest::mouseClick(frm.btnControlla, Qt::LeftButton);
    QCOMPARE(t.messages().take(), shown);
    QCOMPARE(frm.isVisible(), !closes);
    if (!closes)
        QCOMPARE(frm.focusWidget(), frm.txtPartitaIva);
}

void TestTaxCheck::partitaIvaKeyFilter()
{
    TestApp t;
    TfrmPartitaIva frm(t.app());
    frm.show();
    QLineEdit *field = frm.txtPartitaIva;
    typeText(field, QStringLiteral("1a2 B.3-,è4"));
    QCOMPARE(field->text(), QStringLiteral("1234"));
    // Home and End do not move the caret; the arrows, Backspace and Delete work.
    QTest::keyClick(field, Qt::Key_Home);
    typeText(field, QStringLiteral("5"));
    QCOMPARE(field->text(), QStringLiteral("12345"));
    QTest::keyClick(field, Qt::Key_Left);
    QTest::keyClick(field, Qt::Key_Left);
    QTest::keyClick(field, Qt::Key_End);
    typeText(field, QStringLiteral("6"));
    QCOMPARE(field->text(), QStringLiteral("123645"));
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClick(field, Qt::Key_Delete);
    QCOMPARE(field->text(), QStringLiteral("1235"));
    QTest::keyClick(field, Qt::Key_Right);
    typeText(field, QStringLiteral("7"));
    QCOMPARE(field->text(), QStringLiteral("12357"));
    // Shortcuts and the numeric keypad.
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Backspace);
    QCOMPARE(field->text(), QStringLiteral("1235"));
    QTest::keyClick(field, Qt::Key_8, Qt::KeypadModifier);
    QCOMPARE(field->text(), QStringLiteral("12358"));
    // Tab is a discarded key too; Enter moves on to the check button.
    QTest::keyClick(field, Qt::Key_Tab);
    QCOMPARE(frm.focusWidget(), field);
    QTest::keyClick(field, Qt::Key_Enter);
    QCOMPARE(frm.focusWidget(), frm.btnControlla);
    QCOMPARE(t.messages().take(), QList<Shown>());
}

void TestTaxCheck::editorChoosesWindow_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("handed");
    QTest::newRow("eleven digits") << "00000000018"
                                   << "frmPartitaIva"
                                   << "00000000018";
    QTest::newRow("digits with blanks around") << " 123 "
                                               << "frmPartitaIva"
                                               << "123";
    QTest::newRow("sixteen digits") << "0000000000000018"
                                    << "frmPartitaIva"
                                    << "0000000000000018";
    QTest::newRow("fiscal code") << "RSSMRA85T10A562S"
                                 << "frmCodFisc"
                                 << "RSSMRA85T10A562S";
    QTest::newRow("digits and a blank") << "123 456"
                                        << "frmCodFisc"
                                        << "123 456";
    QTest::newRow("empty") << ""
                           << "frmCodFisc"
                           << "";
    QTest::newRow("blanks only") << "   "
                                 << "frmCodFisc"
                                 << "";
}

void TestTaxCheck::editorChoosesWindow()
{
    QFETCH(QString, field);
    QFETCH(QString, window);
    QFETCH(QString, handed);
    TestApp t;
    TfrmTorneo *editor = t->frmTorneo();
    editor->txtResponsabile->setText(field);
    QString opened, text;
    QWidget *owner = nullptr;
    whenModal([&](QWidget *w) {
        opened = w->objectName();
        owner = w->parentWidget();
        if (auto *edit = w->findChild<QLineEdit *>(window == u"frmCodFisc" ? QStringLiteral("txtCodFisc")
                                                                           : QStringLiteral("txtPartitaIva")))
            text = edit->text();
        if (auto *close = w->findChild<QPushButton *>(QStringLiteral("btnChiudi")))
            QTest::mouseClick(close, Qt::LeftButton);
    });
    tools::openTaxCodeCheck(t.app(), editor);
    QCOMPARE(opened, window);
    QCOMPARE(owner, static_cast<QWidget *>(editor));
    QCOMPARE(text, handed);
    // The editor's field is left as it was.
    QCOMPARE(editor->txtResponsabile->text(), field);
    QCOMPARE(t.messages().take(), QList<Shown>());
    // The window is discarded when it closes.
    QVERIFY(!editor->findChild<QWidget *>(window));
}

SINTAREL_TEST_MAIN(TestTaxCheck)
#include "tst_taxcheck.moc"
