#include "editor/navigation.h"

#include "archive/sessionfile.h"
#include "common/text.h"

namespace navigation
{

qint64 positionNumber(const QString &position)
{
    const QString t = text::trimmed(position);
    if (t.isEmpty())
        return 0;
    bool ok = false;
    const qint64 n = t.toLongLong(&ok);
    if (!ok)
        throw SessionError(QStringLiteral("Numero di scheda non valido: %1").arg(t));
    return n;
}

Step step(Command command, const QString &position, qint64 count)
{
    using Kind = Step::Kind;
    const QString t = text::trimmed(position);
    switch (command) {
    case Command::First:
        return count == 0 ? Step{Kind::EmptyFile} : Step{Kind::Show, 1};
    case Command::Last:
        return count == 0 ? Step{Kind::EmptyFile} : Step{Kind::Show, count};
    case Command::Next: {
        const qint64 n = positionNumber(t);
        if (count == 0)
            return Step{Kind::EmptyFileClear};
        if (n >= count)
            return Step{Kind::Stay};
        return Step{Kind::Show, n + 1};
    }
    case Command::Previous:
        // Record 1 shown: nothing to do, even before looking at the file.
        if (t == QLatin1String("1"))
            return Step{Kind::Stay};
        if (count == 0)
            return Step{Kind::EmptyFile};
        if (t.isEmpty())
            return Step{Kind::Show, 1};
        return Step{Kind::Show, positionNumber(t) - 1};
    }
    return Step{Kind::Stay};
}

} // namespace navigation
