#include "editor/Torneo.h"
#include "support/testapp.h"
#include "tools/Calendario.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

class TestCalendario : public QObject
{
    Q_OBJECT
private slots:
    void window();
    void importNeedsTheEditorTag_data();
    void importNeedsTheEditorTag();
};

void TestCalendario::window()
{
    TestApp t;
    TfrmCalendario picker(t.app(), t->frmTorneo());
    QCOMPARE(picker.windowTitle(), QStringLiteral(" Importazione data"));
    QCOMPARE(picker.size(), QSize(253, 294));
    QVERIFY(!(picker.windowFlags() &
              (Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(picker.lblCampo001->text(), QStringLiteral("Importare una data:"));
    QCOMPARE(picker.btnImportaData->text(), QStringLiteral("Importa"));
    QCOMPARE(picker.btnAnnulla->text(), QStringLiteral("Annulla"));
    QVERIFY(picker.btnAnnulla->x() < picker.btnImportaData->x());
    QCOMPARE(picker.calAppuntamenti->selectedDate(), QDate(2026, 12, 9));
    // Focus order: the calendar (and its own parts), Importa, Annulla.
    QWidget *next = picker.calAppuntamenti->nextInFocusChain();
    while (picker.calAppuntamenti->isAncestorOf(next))
        next = next->nextInFocusChain();
    QCOMPARE(next, picker.btnImportaData);
    QCOMPARE(picker.btnImportaData->nextInFocusChain(), picker.btnAnnulla);
    QVERIFY(!picker.lblMemory->isVisibleTo(&picker));
}

void TestCalendario::importNeedsTheEditorTag_data()
{
    QTest::addColumn<QString>("tag");
    QTest::addColumn<bool>("imports");
    QTest::newRow("editor's date") << "torneo_email" << true;
    QTest::newRow("untrimmed") << "torneo_email " << false;
    QTest::newRow("other case") << "Torneo_email" << false;
    QTest::newRow("search's tag") << "torneo" << false;
    QTest::newRow("empty") << "" << false;
}

void TestCalendario::importNeedsTheEditorTag()
{
    QFETCH(QString, tag);
    QFETCH(bool, imports);
    TestApp t;
    QLineEdit *date = t->frmTorneo()->txtEmail;
    date->setText(QStringLiteral("31/12/1999"));
    TfrmCalendario picker(t.app(), t->frmTorneo());
    picker.lblMemory->setText(tag);
    picker.calAppuntamenti->setSelectedDate(QDate(2024, 3, 1));
    picker.show();
    QTest::mouseClick(picker.btnImportaData, Qt::LeftButton);
    QCOMPARE(date->text(), imports ? QStringLiteral("01/03/2024") : QStringLiteral("31/12/1999"));
    QCOMPARE(picker.isVisible(), !imports); // with another tag the window stays open
    QCOMPARE(t.messages().take(), QList<FakeMessages::Shown>());
}

SINTAREL_TEST_MAIN(TestCalendario)
#include "tst_calendario.moc"
