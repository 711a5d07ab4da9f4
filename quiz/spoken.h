#pragma once

#include "game_state.h"

#include <QString>

// What a screen reader says of the game: the window shows the sum and the
// verdict with large figures, brackets and colours; a listener needs words.

// "meno 6", "19"
QString spokenNumber(int value);
// "Quanto fa meno 6 più meno 19?"
QString spokenProblem(int first, int second);
// The verdict with the right sum when the answer was wrong, then the three counts.
QString spokenVerdict(bool right, const GameState &state);
