#pragma once

#include "colour.h"

#include <QtGlobal>

class Random;

struct Problem
{
    int first = 0;
    int second = 0;
    qint16 sum = 0;
    Colour colour = 0;
};

// Two operands in -20..20; the colour follows only the sizes drawn, the
// first operand is positive one time in three, the second one time in two.
Problem drawProblem(Random &random);
