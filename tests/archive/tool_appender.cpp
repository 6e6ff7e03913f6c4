// A second copy of the program writing a session file, one opening per record:
//   tool_archive_appender <path> <prefix> <count>            append count records
//   tool_archive_appender <path> <prefix> <count> overwrite  overwrite record 1 count times
//   tool_archive_appender <path> <prefix> 0 forever          append until killed
// Every record it writes is self-checking: the name repeated in the notes and
// a full exam-details field of one letter.
#include "archive/sessionfile.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4)
        return 2;
    const QString mode = args.size() > 4 ? args[4] : QStringLiteral("append");
    const qint64 n = mode == QLatin1String("forever") ? -1 : args[3].toLongLong();
    for (qint64 i = 0; n < 0 || i < n; ++i) {
        TScheda r = TScheda::blank();
        const QString name = args[2] + QString::number(i);
        r.setText(TScheda::Field::Concorrente, name);
        r.setText(TScheda::Field::Note, name);
        r.setText(TScheda::Field::Gare, QString(5000, args[2].at(0)));
        r.setEligible(i % 2);
        try {
            SessionFile file(args[1]);
            if (mode == QLatin1String("overwrite"))
                file.overwrite(0, r);
            else
                file.append(r);
            file.close();
        } catch (const SessionError &) {
            return 1;
        }
        if (n < 0 && i == 0) {
            std::puts("started");
            std::fflush(stdout);
        }
    }
    return 0;
}
