// Appends N records to a session file, one opening each, as a second copy of
// the program would: used to check that two processes never interleave.
#include "archive/sessionfile.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4)
        return 2;
    const int n = args[3].toInt();
    for (int i = 0; i < n; ++i) {
        TScheda r = TScheda::blank();
        const QString name = args[2] + QString::number(i);
        r.setText(TScheda::Field::Concorrente, name);
        r.setText(TScheda::Field::Note, name);
        r.setText(TScheda::Field::Gare, QString(4000, u'g'));
        r.setEligible(i % 2);
        try {
            SessionFile file(args[1]);
            file.append(r);
            file.close();
        } catch (const SessionError &) {
            return 1;
        }
    }
    return 0;
}
