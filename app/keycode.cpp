#include "keycode.h"

#include <array>

int windows1252(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    // The codes 0x80..0x9F that Windows-1252 gives to typographic characters.
    static constexpr std::array<char16_t, 32> high{
        0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
        0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};
    for (std::size_t i = 0; i < high.size(); ++i) {
        if (high[i] != 0 && high[i] == c)
            return int(0x80 + i);
    }
    return '?';
}

std::optional<int> keyPressCode(int key, Qt::KeyboardModifiers modifiers, const QString &text)
{
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return std::nullopt;
    default:
        break;
    }
    if ((modifiers & Qt::ControlModifier) && !(modifiers & Qt::AltModifier) && key >= Qt::Key_A && key <= Qt::Key_Z)
        return key - Qt::Key_A + 1;
    if (text.isEmpty())
        return std::nullopt;
    const char16_t c = text.front().unicode();
    if (c == 0x7F)
        return std::nullopt;
    return windows1252(c);
}
