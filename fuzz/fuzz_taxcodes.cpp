// Any text as a fiscal code or VAT number: the checks answer without reading
// outside their tables, and a code they accept has the documented shape.
#include "tools/fiscalcode.h"
#include "tools/vatnumber.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    if (fiscalcode::isValid(text)) {
        if (text.size() != fiscalcode::kLength)
            __builtin_trap();
        for (QChar c : text)
            if (c < u'0' || c > u'Z')
                __builtin_trap();
    }
    fiscalcode::expectedCheckCharacter(text);
    if (vatnumber::isValid(text)) {
        if (text.size() != vatnumber::kLength)
            __builtin_trap();
        const int d = vatnumber::checkDigit(text);
        if (d < 0 || d > 9 || text.at(10) != QChar(u'0' + d))
            __builtin_trap();
        vatnumber::officeName(vatnumber::officeCode(text));
    }
    return 0;
}
