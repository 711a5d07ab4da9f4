#pragma once

#include "services.h"

#include <QElapsedTimer>
#include <QLocale>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <random>

class QDialog;
class QTranslator;

// Loads the toolkit's own translations (Yes, No, Cancel) for the locale into
// the given translator and installs it; false when there are none.
bool installToolkitTranslations(QTranslator &translator, const QLocale &locale);

class QtBoxes final : public Boxes
{
public:
    // Every box opens over this window, centred on it, even when another
    // box has just closed or the window is not the active one.
    void setOwner(QWidget *window) { m_owner = window; }

    void message(const QString &text, BoxStyles style, const QString &title, Pressed then = {}) override;
    void input(const QString &prompt, const QString &title, const QString &defaultText, Typed then) override;

    // A screen reader hears of a box that closed, and of the key that closed
    // it, a moment after: a box opened at once would already be the active
    // window by then, taken as known and not read out. So a box that follows
    // another one waits that long, with no input from the user meanwhile.
    static constexpr int pauseBetweenBoxesMs = 400;

private:
    QWidget *owner() const;
    // Runs `show` once the pause after the last box is over.
    void afterLastBox(std::function<void()> show) const;
    // Shows the box, modal; once answered it goes, and `answered` has its result.
    void open(QDialog *box, std::function<void(int)> answered);
    void closed();
    QPointer<QWidget> m_owner;
    QElapsedTimer m_lastClosed;
};

// The desktop's sound theme.
class SoundTheme
{
public:
    virtual ~SoundTheme() = default;
    // Starts the theme's sound for a freedesktop event id; false when no
    // sound can be played (no theme, no sound server).
    virtual bool play(const char *eventId, const QString &description) = 0;
};

// Where the desktop has no sound theme.
class NoSoundTheme final : public SoundTheme
{
public:
    bool play(const char *, const QString &) override { return false; }
};

class QtSystem final : public System
{
public:
    using Bell = void (*)();
    using End = void (*)();
    // Leaves the event loop: main returns without running another handler.
    static void leaveEventLoop();
    QtSystem(SoundTheme &theme, Bell bell, End end = &leaveEventLoop) : m_theme(theme), m_bell(bell), m_end(end) {}
    // The end of the game: the theme's alarm, else the bell.
    void beep() override;
    void quit() override;

private:
    SoundTheme &m_theme;
    Bell m_bell;
    End m_end;
};

class QtClock final : public Clock
{
public:
    DateTime now() const override;
};

class QtRandom final : public Random
{
public:
    QtRandom();
    double draw() override;
    void reseed() override;

private:
    std::mt19937_64 m_engine;
};
