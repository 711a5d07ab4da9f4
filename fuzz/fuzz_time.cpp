// Reading an end time from any text, in an Italian and an American locale.
#include "qt_time_text.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QtTimeText italian(QLocale(QLocale::Italian, QLocale::Italy));
    static const QtTimeText american(QLocale(QLocale::English, QLocale::UnitedStates));
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const QtTimeText *timeText : {&italian, &american}) {
        const auto value = timeText->parse(text);
        if (!value)
            continue;
        // What the prompt offers again must read back as the same time.
        const auto again = timeText->parse(timeText->text(*value));
        if (!again || *again != *value)
            std::abort();
        if (value->minute() < 0 || value->minute() > 59)
            std::abort();
    }
    return 0;
}
