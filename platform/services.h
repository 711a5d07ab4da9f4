#pragma once

#include "datetime.h"

#include <QString>
#include <functional>
#include <optional>

// The toolkit's services that the game logic needs, as small interfaces so
// that the logic can run and be tested without a window.

enum class Button { Ok = 1, Yes = 6, No = 7 };

// Style values of a message box, added together as the game's callers do.
namespace BoxStyle {
constexpr int okOnly = 0;
constexpr int yesNo = 4;
constexpr int question = 32;
constexpr int information = 64;
constexpr int secondDefault = 256;
}

// A box opens and the call returns at once: the answer comes later, to the
// function given, so that no handler waits inside the event loop (a web
// page has no nested one).
class Boxes
{
public:
    using Pressed = std::function<void(Button)>;
    using Typed = std::function<void(const QString &)>;
    virtual ~Boxes() = default;
    virtual void message(const QString &text, int style, const QString &title, Pressed then = {}) = 0;
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
