#pragma once

#include "fakeprint.h"
#include "fakes.h"
#include "shell/AppContext.h"
#include "shell/SintarelApplication.h"

#include <QObject>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

// The bytes of a file (empty when it cannot be read), and a file written whole
// (a failure ends the test program).
QByteArray fileBytes(const QString &path);
void writeBytes(const QString &path, const QByteArray &bytes);

// The application object over a temporary program folder and fakes. The folder
// holds the installed password store unless told otherwise.
class TestApp
{
public:
    explicit TestApp(bool withPasswordStore = true);
    ~TestApp();

    AppContext &app() { return *m_app; }
    AppContext *operator->() { return m_app.get(); }
    QString folder() const; // with trailing separator
    QString path(const QString &name) const { return folder() + name; }

    FakeMessages &messages() { return *m_messages; }
    FakeDesktopShell &shell() { return *m_shell; }
    FixedClock &clock() { return *m_clock; }
    FakePrintService &print() { return *m_print; }

    // Copies the installed password store into the folder.
    void installPasswordStore();
    // Writes a file of the given bytes into the folder.
    void writeFile(const QString &name, const QByteArray &bytes);
    QByteArray readFile(const QString &name) const;

    // The single long-lived window visible now (nullptr when none or several).
    QWidget *visibleWindow() const;

private:
    QTemporaryDir m_dir;
    FakeMessages *m_messages;
    FakeDesktopShell *m_shell;
    FixedClock *m_clock;
    FakePrintService *m_print;
    std::unique_ptr<AppContext> m_app;
};

// The source tree, for files the tests read (the installed password store).
QString sourceDir();

// A child by object name; on failure prints the names it did find.
template <typename T> T *getChild(QObject *parent, const QString &name)
{
    T *child = parent->findChild<T *>(name);
    if (!child) {
        QStringList names;
        for (QObject *o : parent->findChildren<QObject *>())
            if (!o->objectName().isEmpty())
                names.append(o->objectName());
        qWarning("getChild: no %s named \"%s\" under \"%s\"; found: %s", T::staticMetaObject.className(),
                 qPrintable(name), qPrintable(parent->objectName()), qPrintable(names.join(u' ')));
    }
    return child;
}

// Runs fn as soon as a modal window is up (called before the call that opens it).
void whenModal(std::function<void(QWidget *)> fn);

// A test main that runs under the program's own application class.
#define SINTAREL_TEST_MAIN(TestObject)                                                                       \
    int main(int argc, char *argv[])                                                                         \
    {                                                                                                        \
        SintarelApplication app(argc, argv);                                                                 \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                             \
        TestObject tc;                                                                                       \
        QTEST_SET_MAIN_SOURCE_PATH                                                                           \
        return QTest::qExec(&tc, argc, argv);                                                                \
    }

// Types text key by key as a keyboard would, accented letters included.
void typeText(QWidget *widget, const QString &text);
