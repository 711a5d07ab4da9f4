#pragma once

#include "datetime.h"

#include <QFlags>
#include <QString>
#include <functional>
#include <optional>

// The toolkit's services that the game logic needs, as small interfaces so
// that the logic can run and be tested without a window.

enum class Button { Ok = 1, Yes = 6, No = 7 };

// A message box's buttons, icon and default button, in the values the game's
// callers combine (the new-game question is 292).
enum class BoxStyle {
    okOnly = 0,
    yesNo = 4,
    question = 32,
    information = 64,
    secondDefault = 256,
};
Q_DECLARE_FLAGS(BoxStyles, BoxStyle)
Q_DECLARE_OPERATORS_FOR_FLAGS(BoxStyles)

// A box opens and the call returns at once: the answer comes later, to the
// function given, so that no handler waits inside the event loop (a web
// page has no nested one).
class Boxes
{
public:
    using Pressed = std::function<void(Button)>;
    using Typed = std::function<void(const QString &)>;
    virtual ~Boxes() = default;
    virtual void message(const QString &text, BoxStyles style, const QString &title, Pressed then = {}) = 0;
    // Gives "" when the user cancels.
    virtual void input(const QString &prompt, const QString &title, const QString &defaultText, Typed then) = 0;
};

class System
{
public:
    virtual ~System() = default;
    virtual void beep() = 0;
    // Ends the program at once: no question, no further handler.
    virtual void quit() = 0;
};

class Clock
{
public:
    virtual ~Clock() = default;
    // The time of day, on day zero.
    virtual DateTime now() const = 0;
};

class TimeText
{
public:
    virtual ~TimeText() = default;
    // A bare time in the long time format with seconds; anything else as date and time.
    virtual QString text(DateTime value) const = 0;
    // Hours and minutes on the 12-hour clock with the AM/PM designator.
    virtual QString mediumTime(DateTime value) const = 0;
    virtual std::optional<DateTime> parse(const QString &text) const = 0;
};

class Random
{
public:
    virtual ~Random() = default;
    // Uniform in [0, 1).
    virtual double draw() = 0;
    // Restarts the generator from a seed taken from the system clock.
    virtual void reseed() = 0;
};

struct Services
{
    Boxes &boxes;
    System &system;
    Clock &clock;
    TimeText &timeText;
    Random &random;
};
