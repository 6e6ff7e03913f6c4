// Any text typed into the score field: normalising never crashes and always gives
// a number with the decimal comma and two decimals, which normalises to itself;
// only values too large for fixed notation keep their exponent.
#include "editor/score.h"

#include <QRegularExpression>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString typed =
        QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QString out = score::normalised(typed);
    static const QRegularExpression fixed(QStringLiteral("^-?\\d+,\\d\\d$"));
    static const QRegularExpression scientific(QStringLiteral("^-?\\d(,\\d+)?E[+-]?\\d+(,\\d+)?$"));
    if (fixed.match(out).hasMatch()) {
        if (score::normalised(out) != out)
            __builtin_trap();
    } else if (!scientific.match(out).hasMatch()) {
        __builtin_trap();
    }
    return 0;
}
