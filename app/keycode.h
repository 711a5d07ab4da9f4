#pragma once

#include <QString>
#include <Qt>
#include <optional>

// The Windows-1252 code of the character a key press produces, or nothing
// for keys that produce none (arrows, Home, End, Delete, Tab), which keep
// their usual editing and focus behaviour. Ctrl+letter gives 1 to 26.
std::optional<int> keyPressCode(int key, Qt::KeyboardModifiers modifiers, const QString &text);

// The Windows-1252 code of one character; '?' when it has none.
int windows1252(char16_t c);
