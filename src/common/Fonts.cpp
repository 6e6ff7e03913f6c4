#include "common/Fonts.h"

#include <QStringList>

namespace fonts
{

void installSubstitutions()
{
    QFont::insertSubstitutions(
        QStringLiteral("Courier New"),
        QStringList{QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")});
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
    QFont::insertSubstitution(QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans"));
}

static QFont make(const char *family, qreal pointSize, bool bold, QFont::StyleHint hint)
{
    QFont f(QString::fromLatin1(family));
    f.setStyleHint(hint);
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    return f;
}

QFont verdana(qreal pointSize, bool bold)
{
    return make("Verdana", pointSize, bold, QFont::SansSerif);
}
QFont tahoma(qreal pointSize, bool bold)
{
    return make("Tahoma", pointSize, bold, QFont::SansSerif);
}
QFont arial(qreal pointSize, bool bold)
{
    return make("Arial", pointSize, bold, QFont::SansSerif);
}
QFont courierNew(qreal pointSize, bool bold)
{
    return make("Courier New", pointSize, bold, QFont::Monospace);
}

} // namespace fonts
