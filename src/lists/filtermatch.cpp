#include "lists/filtermatch.h"

#include "common/cp1252.h"
#include "common/text.h"

#include <cstring>

namespace
{

inline char lowerAZ(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}

} // namespace

SearchFilters::SearchFilters(const std::array<QString, 6> &texts)
{
    for (size_t i = 0; i < texts.size(); ++i) {
        const QString &t = texts[i];
        if (!text::trimmed(t).isEmpty())
            ++m_active;
        Needle &n = m_needles[i];
        if (t.isEmpty())
            continue;
        const QByteArray encoded = cp1252::encode(t);
        // A character outside the code page (or a NUL) can't occur in a stored text.
        if (cp1252::decode(encoded) != t || encoded.contains('\0'))
            continue;
        n.bytes = encoded;
        for (char &c : n.bytes)
            c = lowerAZ(c);
        n.canMatch = true;
    }
}

int SearchFilters::matchCount(const TScheda &record) const
{
    int m = 0;
    char lowered[5001];
    const char *base = record.bytes();
    for (size_t i = 0; i < kFields.size(); ++i) {
        const Needle &n = m_needles[i];
        if (!n.canMatch)
            continue;
        const TScheda::Field f = kFields[i];
        const char *field = base + TScheda::offset(f);
        const qsizetype size = TScheda::capacity(f);
        const void *nul = std::memchr(field, 0, static_cast<size_t>(size));
        const qsizetype len = nul ? static_cast<const char *>(nul) - field : size;
        if (len < n.bytes.size())
            continue;
        for (qsizetype k = 0; k < len; ++k)
            lowered[k] = lowerAZ(field[k]);
        if (memmem(lowered, static_cast<size_t>(len), n.bytes.constData(),
                   static_cast<size_t>(n.bytes.size())))
            ++m;
    }
    return m;
}
