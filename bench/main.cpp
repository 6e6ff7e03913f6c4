// Times the heavy operations of Sintarel on generated sessions of 1,000, 10,000
// and 100,000 records, each against a streaming read of the same file, and the
// program's start-up against an empty Qt window's. Memory figures come from
// fresh child processes (the bench run again with an internal flag).
//
//   bench                 full run (sizes 1000 10000 100000)
//   bench --records N     one size only (quick check)
//   bench --keep FOLDER   generate the sessions into FOLDER and keep them
//   bench --probe-app / --probe-empty   internal: the start-up probes
//   bench --peak OPERATION FILE         internal: one operation's time and peak memory
//   bench --merit-window FOLDER FILE [--find-print]   internal: the real merit window, timed
#include "measure.h"
#include "operations.h"
#include "sessiongen.h"

#include "shell/AppContext.h"
#include "shell/SintarelApplication.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace
{

QTextStream out(stdout);

int probeApp(int argc, char **argv)
{
    SintarelApplication application(argc, argv);
    AppContext app(AppServices::system());
    app.start();
    QTimer::singleShot(0, &application, &QCoreApplication::quit);
    return application.exec();
}

int probeEmpty(int argc, char **argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.resize(388, 405);
    window.show();
    QTimer::singleShot(0, &application, &QCoreApplication::quit);
    return application.exec();
}

double startupMs(const QString &probe)
{
    return measure::medianMs(7, [&] {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        p.setProcessEnvironment(env);
        p.start(QCoreApplication::applicationFilePath(), {probe});
        p.waitForFinished(60000);
    });
}

} // namespace

int main(int argc, char **argv)
{
    if (argc > 1 && qstrcmp(argv[1], "--probe-app") == 0)
        return probeApp(argc, argv);
    if (argc > 1 && qstrcmp(argv[1], "--probe-empty") == 0)
        return probeEmpty(argc, argv);

    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc > 3 && qstrcmp(argv[1], "--merit-window") == 0) {
        SintarelApplication application(argc, argv);
        return bench::meritWindow(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]),
                                  argc > 4 && qstrcmp(argv[4], "--find-print") == 0);
    }
    QApplication application(argc, argv);
    if (argc > 3 && qstrcmp(argv[1], "--peak") == 0)
        return bench::peakOf(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    SintarelApplication::installItalian(application);
    QList<qint64> sizes = {1000, 10000, 100000};
    const QStringList args = application.arguments();
    const int at = args.indexOf(QStringLiteral("--records"));
    if (at >= 0 && at + 1 < args.size())
        sizes = {args[at + 1].toLongLong()};

    QTemporaryDir dir;
    const int keep = args.indexOf(QStringLiteral("--keep"));
    const QString base = keep >= 0 && keep + 1 < args.size() ? args[keep + 1] : dir.path();
    QList<measure::Row> rows;
    for (qint64 n : sizes) {
        const QString folder = base + QLatin1Char('/');
        const QString path = folder + QStringLiteral("Bench.vai");
        generateSession(path, n);
        const int runs = n >= 100000 ? 3 : 5;
        for (measure::Row &row : bench::measureSession(folder, path, n, runs)) {
            out << row.line() << Qt::endl;
            rows.append(row);
        }
    }

    measure::Row startup;
    startup.name = QStringLiteral("start-up to login window");
    startup.referenceMs = startupMs(QStringLiteral("--probe-empty"));
    startup.ms = startupMs(QStringLiteral("--probe-app"));
    startup.target = 1.5;
    out << startup.line() << Qt::endl;
    rows.append(startup);

    out << measure::summary(rows) << Qt::endl;
    return 0;
}
