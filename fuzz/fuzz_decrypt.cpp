// Any text as a stored password value: decoding either succeeds or throws the
// program's error; a successful decode scrambles back to the same digits.
#include "access/crypt.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString hex =
        QString::fromLatin1(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    try {
        const QString plain = Crypt::Decrypt(hex);
        if (plain.size() != hex.size() / 2)
            __builtin_trap();
        if (Crypt::Encrypt(plain).compare(hex.left(plain.size() * 2), Qt::CaseInsensitive) != 0)
            __builtin_trap();
    } catch (const SintarelError &) {
    }
    return 0;
}
