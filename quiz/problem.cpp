#include "problem.h"

#include "services.h"

#include <cmath>

namespace {
int drawMagnitude(Random &random)
{
    // -20..-1, and 0 only for a draw of exactly 0.
    return int(std::floor(random.draw() * -20.0));
}

int drawBelow(Random &random, int count)
{
    return int(std::floor(random.draw() * count));
}
}

Problem drawProblem(Random &random)
{
    random.reseed();
    const int a = drawMagnitude(random);
    const int b = drawMagnitude(random);
    random.reseed();
    const int s = drawBelow(random, 3);
    const int t = drawBelow(random, 2);

    Problem p;
    p.first = s == 2 ? -a : a;
    p.second = t == 1 ? -b : b;
    p.sum = qint16(p.second + p.first);
    p.colour = composeColour(-20 * a, -20 * b, -50 * a);
    return p;
}
