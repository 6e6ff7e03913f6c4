// Any bytes as a session file: every screen's reading path (count, read all,
// decode each field, the eligible flag, the search filters) must take them
// without a crash or an overrun.
#include "archive/record.h"
#include "archive/sessionfile.h"
#include "lists/filtermatch.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("fuzz.vai"));
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        f.write(reinterpret_cast<const char *>(data), static_cast<qint64>(size));
    }
    static const SearchFilters filters({QStringLiteral("a"), QStringLiteral(" "), QString(),
                                        QStringLiteral("20"), QStringLiteral("\u00e8"), QString()});
    try {
        SessionFile file(path);
        qint64 n = 0;
        file.readAll([&](qint64, const TScheda &r) {
            for (TScheda::Field f : kTextFields)
                n += r.text(f).size();
            n += r.flagText() == TScheda::eligibleYes();
            n += filters.accepts(r);
        });
        if (file.count() > 0)
            n += file.read(file.count() - 1).text(TScheda::Field::Gare).size();
        file.close();
        if (n < 0)
            __builtin_trap();
    } catch (const SessionError &) {
    }
    return 0;
}
