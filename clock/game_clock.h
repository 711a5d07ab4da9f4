#pragma once

#include "game_state.h"
#include "services.h"

class CountingBoxes;

// What the clock tick sees of the window.
class ClockFace
{
public:
    virtual ~ClockFace() = default;
    virtual QString timeLabel() const = 0;
    virtual void setTimeLabel(const QString &text) = 0;
    virtual bool minimized() const = 0;
    virtual QString caption() const = 0;
    virtual void showTimeInCaption() = 0;
    // Asks whether to start a new game, starts it on yes, then runs `answered`.
    virtual void offerNewGame(std::function<void()> answered) = 0;
};

// The end time as the prompt offers it again.
QString endTimeText(const EndTime &end, const TimeText &timeText);

// Asks for the end time; an empty answer or Cancel clears it, an invalid one
// is reported and kept as text so that the next prompt offers it again.
// `done` runs once the last box of it has been answered.
void askEndTime(GameState &state, Boxes &boxes, const TimeText &timeText, std::function<void()> done = {});

// One tick of the clock. The end is announced once, and never on top of
// another box: while one is open the announcement waits for a later tick.
void tick(GameState &state, ClockFace &face, const Services &services, const CountingBoxes &open);
