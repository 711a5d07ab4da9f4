#pragma once

#include "game_state.h"

#include "numbers.h"

#include <QString>

namespace KeyCode {
constexpr int backspace = 8;
constexpr int enter = 13;
constexpr int minus = 45;
}

enum class KeyAction { Pass, Grade, Cancel };

// What the answer box does with a typed character (Windows-1252 code).
KeyAction filterKey(int code);

inline const QString rightVerdict = QStringLiteral("Esatto, è incredibile!!!");

struct Grading
{
    bool right = false;
    QString verdict;
};

// Grades the answer box's text and counts it. Counters stop at 32767.
Grading grade(GameState &state, QStringView answer);

inline qint16 totalAnswers(const GameState &state)
{
    return saturatingAdd(state.rightAnswers, state.wrongAnswers);
}
