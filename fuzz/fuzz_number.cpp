// Reading a number from any text, and its conversion to 16 bits.
#include "numbers.h"

#include <QString>
#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const double value = readNumber(text);
    if (std::isnan(value))
        std::abort();
    if (const auto v = toInt16(value)) {
        // Rounding moves a value by at most one half.
        if (std::fabs(double(*v) - value) > 0.5)
            std::abort();
    }
    // What the keyboard can type into the box always fits in 16 bits.
    bool typeable = text.size() <= 4;
    for (QChar c : text)
        typeable = typeable && (c == u'-' || (c >= u'0' && c <= u'9'));
    if (typeable && !toInt16(value))
        std::abort();
    return 0;
}
