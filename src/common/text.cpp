#include "common/text.h"

#include <algorithm>

namespace text
{

QString trimmed(const QString &s)
{
    qsizetype start = 0;
    qsizetype end = s.size();
    while (start < end && s.at(start).unicode() <= 32)
        ++start;
    while (end > start && s.at(end - 1).unicode() <= 32)
        --end;
    if (start == 0 && end == s.size())
        return s;
    return s.mid(start, end - start);
}

void blankControls(QString &s, bool keepLineBreaks)
{
    const auto isControl = [keepLineBreaks](QChar c) {
        const char16_t u = c.unicode();
        return (u < 32 && !(keepLineBreaks && u == u'\n')) || u == 127;
    };
    const qsizetype first = std::find_if(s.cbegin(), s.cend(), isControl) - s.cbegin();
    if (first == s.size())
        return;
    QChar *d = s.data(); // detaches: take the index before
    for (qsizetype i = first; i < s.size(); ++i)
        if (isControl(d[i]))
            d[i] = u' ';
}

QByteArrayView trimmed(QByteArrayView bytes)
{
    qsizetype start = 0;
    qsizetype end = bytes.size();
    while (start < end && static_cast<unsigned char>(bytes[start]) <= 32)
        ++start;
    while (end > start && static_cast<unsigned char>(bytes[end - 1]) <= 32)
        --end;
    return bytes.sliced(start, end - start);
}

QString upperAZ(const QString &s)
{
    QString r = s;
    for (QChar &c : r) {
        const char16_t u = c.unicode();
        if (u >= u'a' && u <= u'z')
            c = QChar(char16_t(u - 32));
    }
    return r;
}

QString lowerAZ(const QString &s)
{
    QString r = s;
    for (QChar &c : r) {
        const char16_t u = c.unicode();
        if (u >= u'A' && u <= u'Z')
            c = QChar(char16_t(u + 32));
    }
    return r;
}

static inline char16_t foldUpper(char16_t u)
{
    return (u >= u'a' && u <= u'z') ? char16_t(u - 32) : u;
}

int compareSorted(const QString &a, const QString &b)
{
    const qsizetype n = std::min(a.size(), b.size());
    const QChar *pa = a.constData();
    const QChar *pb = b.constData();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t ca = foldUpper(pa[i].unicode());
        const char16_t cb = foldUpper(pb[i].unicode());
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

void sortLines(QStringList &lines)
{
    std::stable_sort(lines.begin(), lines.end(), sortedLess);
}

QString spokenValue(const QString &caption, const QString &value)
{
    if (caption.isEmpty())
        return value;
    if (trimmed(value).isEmpty())
        return caption;
    return caption + u' ' + value;
}

} // namespace text
