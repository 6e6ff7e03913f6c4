// Any sequence of key presses, and any text read as a display: the calculator
// either shows a number or reports the failure, and never shows NaN or infinity.
#include "common/errors.h"
#include "tools/calculator.h"

#include <cmath>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString asText =
        QString::fromLatin1(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    long double value = 0;
    calc::read(asText, &value);

    calc::State state;
    calc::Calculator calculator(state);
    const int keys = static_cast<int>(calc::Key::Pi) + 1;
    for (size_t i = 0; i < size; ++i) {
        try {
            calculator.press(static_cast<calc::Key>(data[i] % keys));
        } catch (const SintarelError &) {
        }
        const QString &shown = calculator.display();
        if (shown.contains(QLatin1String("nan"), Qt::CaseInsensitive) ||
            shown.contains(QLatin1String("inf"), Qt::CaseInsensitive))
            __builtin_trap();
        if (!std::isfinite(state.first) || !std::isfinite(state.second) || !std::isfinite(state.last))
            __builtin_trap();
    }
    return 0;
}
