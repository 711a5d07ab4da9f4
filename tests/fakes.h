#pragma once

#include "services.h"

#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

struct BoxCall
{
    QString kind;   // "message" or "input"
    QString text;   // message text or prompt
    QString title;
    BoxStyles style;
    QString defaultText;
};

// Answers boxes from a script and remembers what was asked.
class FakeBoxes final : public Boxes
{
public:
    std::vector<BoxCall> calls;
    std::deque<Button> buttons;      // next answers to message boxes; Ok / No when empty
    std::deque<QString> inputs;      // next answers to input boxes; "" (cancel) when empty
    std::function<void()> whileOpen; // runs while a box is open, as the event loop would

    // Answered at once, as a pupil who answers before anything else happens.
    void message(const QString &text, BoxStyles style, const QString &title, Pressed then = {}) override
    {
        calls.push_back({QStringLiteral("message"), text, title, style, {}});
        runWhileOpen();
        Button b = style.testFlag(BoxStyle::yesNo) ? Button::No : Button::Ok;
        if (!buttons.empty()) {
            b = buttons.front();
            buttons.pop_front();
        }
        if (then)
            then(b);
    }

    void input(const QString &prompt, const QString &title, const QString &defaultText, Typed then) override
    {
        calls.push_back({QStringLiteral("input"), prompt, title, {}, defaultText});
        runWhileOpen();
        QString s;
        if (!inputs.empty()) {
            s = inputs.front();
            inputs.pop_front();
        }
        if (then)
            then(s);
    }

    QStringList titles() const
    {
        QStringList t;
        for (const BoxCall &c : calls)
            t << c.title;
        return t;
    }

private:
    void runWhileOpen()
    {
        if (whileOpen) {
            auto hook = std::move(whileOpen);
            whileOpen = nullptr;
            hook();
        }
    }
};

class FakeSystem final : public System
{
public:
    int beeps = 0;
    int quits = 0;
    void beep() override { ++beeps; }
    void quit() override { ++quits; }
};

class FakeClock final : public Clock
{
public:
    DateTime time = DateTime::fromTime(10, 0, 0);
    DateTime now() const override { return time; }
    void set(int h, int m, int s) { time = DateTime::fromTime(h, m, s); }
    void advance(int seconds) { time.secs = (time.secs + seconds) % DateTime::secsPerDay; }
};

// Plays back a script of draws, then repeats the last one.
class FakeRandom final : public Random
{
public:
    std::deque<double> draws{0.5};
    int reseeds = 0;
    double draw() override
    {
        const double d = draws.front();
        if (draws.size() > 1)
            draws.pop_front();
        return d;
    }
    void reseed() override { ++reseeds; }
};
