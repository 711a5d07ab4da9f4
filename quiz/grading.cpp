#include "grading.h"

#include "numbers.h"

KeyAction filterKey(int code)
{
    if (code == KeyCode::minus || (code >= '0' && code <= '9') || code == KeyCode::backspace)
        return KeyAction::Pass;
    if (code == KeyCode::enter)
        return KeyAction::Grade;
    return KeyAction::Cancel;
}

Grading grade(GameState &state, QStringView answer)
{
    // A pasted text can read beyond 16 bits ("9E99"): no sum on screen can
    // equal it, so it is simply wrong.
    const std::optional<qint16> value = toInt16(readNumber(answer));
    if (value && *value == state.expectedSum) {
        state.rightAnswers = saturatingAdd(state.rightAnswers, 1);
        return {true, rightVerdict};
    }
    state.wrongAnswers = saturatingAdd(state.wrongAnswers, 1);
    return {false, QStringLiteral("Sbagliato!! ") + formatNumber(state.expectedSum)};
}
