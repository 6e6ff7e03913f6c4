#include "help/helptopics.h"
#include "support/testapp.h"

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#ifndef SINTAREL_MANUAL_PDF
#define SINTAREL_MANUAL_PDF ""
#endif

namespace
{

// Runs a poppler tool on the manual and returns what it printed.
QString run(const QString &tool, const QStringList &arguments)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        qFatal("%s is missing (package poppler-utils)", qPrintable(tool));
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        qFatal("%s failed: %s", qPrintable(tool), process.readAllStandardError().constData());
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Line breaks and justified spacing don't matter when comparing the text.
QString words(QString s)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    return s.replace(blanks, QStringLiteral(" ")).trimmed();
}

} // namespace

// The manual Guida.pdf written at build time: a real PDF that holds every help
// topic, its page numbers and pictures of the windows.
class TestManual : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void opensAsPdf();
    void holdsEveryTopic();
    void hasPicturesOfTheWindows();

private:
    QString m_path = QStringLiteral(SINTAREL_MANUAL_PDF);
    QString m_text;
};

void TestManual::initTestCase()
{
    QVERIFY2(!m_path.isEmpty(), "the build does not say where the manual is");
    QVERIFY2(QFileInfo(m_path).size() > 10000, qPrintable(m_path));
    m_text = words(run(QStringLiteral("pdftotext"),
                       {QStringLiteral("-enc"), QStringLiteral("UTF-8"), m_path, QStringLiteral("-")}));
}

void TestManual::opensAsPdf()
{
    const QString info = run(QStringLiteral("pdfinfo"), {m_path});
    const QRegularExpressionMatch pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    QVERIFY2(pages.hasMatch(), qPrintable(info));
    const int count = pages.captured(1).toInt();
    // Title page, contents and at least a page for each of the four chapters.
    QVERIFY2(count >= 6, qPrintable(info));
    QVERIFY(info.contains(QStringLiteral("Guida all'utilizzo del software")));
    QVERIFY(info.contains(QStringLiteral("A4")) || info.contains(QStringLiteral("595.")));

    QVERIFY(m_text.contains(QStringLiteral("Pagina 2 di %1").arg(count)));
    QVERIFY(m_text.contains(QStringLiteral("Pagina %1 di %1").arg(count)));
    QVERIFY(!m_text.contains(QStringLiteral("Pagina 1 di"))); // the title page has none
}

void TestManual::holdsEveryTopic()
{
    QVERIFY(m_text.contains(QStringLiteral("Indice")));
    for (const helptopics::Topic &topic : helptopics::topics())
        QVERIFY2(m_text.contains(words(topic.title)), qPrintable(topic.title));
    for (int n = 1; n <= helptopics::kParagraphCount; ++n)
        QVERIFY2(m_text.contains(words(helptopics::paragraph(n))), qPrintable(QString::number(n)));
    QVERIFY(m_text.contains(QStringLiteral("\"pomodorigialli\"")));
}

void TestManual::hasPicturesOfTheWindows()
{
    const QStringList lines = run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), m_path})
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    // Two heading lines, then one per picture; the help, information and splash
    // windows and the login and start screens are always there.
    QVERIFY2(lines.size() - 2 >= 5, qPrintable(lines.join(QLatin1Char('\n'))));
    QVERIFY(m_text.contains(QStringLiteral("Figura 1.")));
}

SINTAREL_TEST_MAIN(TestManual)
#include "tst_manual.moc"
