#include "archive/record.h"

#include "common/cp1252.h"
#include "common/text.h"

#include <cstring>

namespace
{
struct Layout {
    qsizetype offset;
    qsizetype size;
};
constexpr Layout kLayout[] = {
    {0, 121}, {121, 121}, {242, 51}, {293, 51}, {344, 5001}, {5345, 16}, {5361, 501}, {5862, 3},
};
} // namespace

qsizetype TScheda::offset(Field f)
{
    return kLayout[static_cast<int>(f)].offset;
}
qsizetype TScheda::capacity(Field f)
{
    return kLayout[static_cast<int>(f)].size;
}

QString TScheda::text(Field f) const
{
    const char *p = field(f);
    const qsizetype size = capacity(f);
    const void *nul = std::memchr(p, 0, static_cast<size_t>(size));
    const qsizetype len = nul ? static_cast<const char *>(nul) - p : size;
    return cp1252::decode(p, len);
}

void TScheda::setText(Field f, const QString &value)
{
    const QByteArray encoded = cp1252::encode(value);
    const qsizetype longest = capacity(f) - 1;
    const qsizetype n = std::min(encoded.size(), longest);
    char *p = field(f);
    std::memcpy(p, encoded.constData(), static_cast<size_t>(n));
    p[n] = 0;
}

void TScheda::setEligible(bool eligible)
{
    static const char yes[3] = {'\x53', '\xEC', '\x00'};
    static const char no[3] = {'\x4E', '\x6F', '\x00'};
    std::memcpy(Completato, eligible ? yes : no, 3);
}

QString TScheda::flagText() const
{
    return text::trimmed(text(Field::Completato));
}

TScheda TScheda::blank()
{
    TScheda r;
    std::memset(&r, 0, sizeof r);
    return r;
}

QList<TScheda::Field> differingFields(const TScheda &a, const TScheda &b)
{
    QList<TScheda::Field> fields;
    for (TScheda::Field f : kAllFields) {
        const qsizetype at = TScheda::offset(f);
        const auto size = static_cast<size_t>(TScheda::capacity(f));
        if (std::strncmp(a.bytes() + at, b.bytes() + at, size) != 0)
            fields.append(f);
    }
    return fields;
}
