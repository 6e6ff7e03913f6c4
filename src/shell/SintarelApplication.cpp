#include "shell/SintarelApplication.h"

#include "common/Fonts.h"
#include "common/errors.h"
#include "common/formats.h"
#include "common/programfolder.h"

#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace
{
std::function<void(const QString &)> g_report;

void report(const QString &text)
{
    if (g_report)
        g_report(text);
    else
        qWarning("%s", qPrintable(text));
}
} // namespace

SintarelApplication::SintarelApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Sintarel"));
    setQuitOnLastWindowClosed(false);
    setWindowIcon(QIcon(QStringLiteral(":/pictures/sintarel.svg")));
    setDesktopFileName(QStringLiteral("sintarel"));
    installItalian(*this);
}

void SintarelApplication::installItalian(QCoreApplication &app)
{
    formats::installProgramLocale();
    fonts::installSubstitutions();
    auto translator = std::make_unique<QTranslator>();
    const QString name = QStringLiteral("qtbase_it");
    // The system's copy first; a copy beside the executable serves a moved folder.
    if (translator->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        translator->load(name, programfolder::ofExecutable())) {
        translator->setParent(&app);
        app.installTranslator(translator.release());
    }
}

void SintarelApplication::setErrorReport(std::function<void(const QString &)> reportFn)
{
    g_report = std::move(reportFn);
}

bool SintarelApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const SintarelError &e) {
        report(e.text());
    } catch (const std::exception &e) {
        report(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        report(QStringLiteral("Errore imprevisto."));
    }
    return false;
}
