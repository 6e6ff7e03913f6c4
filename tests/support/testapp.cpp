#include "testapp.h"

#include "printouts/printservice.h"

#include <QApplication>
#include <QFile>
#include <QTimer>

QString sourceDir()
{
    return QStringLiteral(SINTAREL_SOURCE_DIR);
}

TestApp::TestApp(bool withPasswordStore)
{
    AppServices s;
    s.programFolder = m_dir.path();
    auto messages = std::make_unique<FakeMessages>();
    auto shell = std::make_unique<FakeDesktopShell>();
    auto clock = std::make_unique<FixedClock>();
    auto print = std::make_unique<FakePrintService>();
    m_messages = messages.get();
    m_shell = shell.get();
    m_clock = clock.get();
    m_print = print.get();
    s.messages = std::move(messages);
    s.shell = std::move(shell);
    s.clock = std::move(clock);
    s.print = std::move(print);
    m_app = std::make_unique<AppContext>(std::move(s));
    SintarelApplication::setErrorReport(
        [this](const QString &text) { m_messages->show(Messages::Kind::GeneralError, text, nullptr); });
    if (withPasswordStore)
        installPasswordStore();
}

TestApp::~TestApp()
{
    SintarelApplication::setErrorReport({});
    const QStringList problems = m_messages->problems();
    if (!problems.isEmpty())
        qWarning("TestApp: %s", qPrintable(problems.join(QStringLiteral("; "))));
}

QString TestApp::folder() const
{
    return m_app->programFolder();
}

void TestApp::installPasswordStore()
{
    QFile::remove(path(QStringLiteral("unins000.dll")));
    QFile::copy(sourceDir() + QStringLiteral("/assets/unins000.dll"), path(QStringLiteral("unins000.dll")));
    QFile::setPermissions(path(QStringLiteral("unins000.dll")), QFile::ReadOwner | QFile::WriteOwner);
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

void TestApp::writeFile(const QString &name, const QByteArray &bytes)
{
    writeBytes(path(name), bytes);
}

QByteArray TestApp::readFile(const QString &name) const
{
    return fileBytes(path(name));
}

QWidget *TestApp::visibleWindow() const
{
    QWidget *found = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (!w->isVisible() || w->windowType() == Qt::Popup || w->windowType() == Qt::ToolTip)
            continue;
        if (found)
            return nullptr;
        found = w;
    }
    return found;
}

void whenModal(std::function<void(QWidget *)> fn)
{
    auto *timer = new QTimer(qApp);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, fn]() {
        if (QWidget *w = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            fn(w);
        }
    });
    timer->start();
}

void typeText(QWidget *widget, const QString &text)
{
    for (QChar c : text) {
        if (c.unicode() < 128 && c.isPrint())
            QTest::keyClick(widget, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}
