#pragma once

#include "services.h"

#include <QLocale>
#include <memory>
#include <random>

class QTranslator;
class QWidget;

// Loads the toolkit's own translations (Yes, No, Cancel) for the locale into
// the given translator and installs it; false when there are none.
bool installToolkitTranslations(QTranslator &translator, const QLocale &locale);

class QtBoxes final : public Boxes
{
public:
    // Every box opens over this window, centred on it, even when another
    // box has just closed or the window is not the active one.
    void setOwner(QWidget *window) { m_owner = window; }

    Button message(const QString &text, int style, const QString &title) override;
    QString input(const QString &prompt, const QString &title, const QString &defaultText) override;

private:
    QWidget *owner() const;
    QWidget *m_owner = nullptr;
};

// The sound theme of this kind of desktop, if it has one.
std::unique_ptr<SoundTheme> desktopSoundTheme();

class QtSystem final : public System
{
public:
    explicit QtSystem(SoundTheme &theme) : m_theme(theme) {}
    // The end of the game: the theme's alarm, else the window system's bell.
    void beep() override;
    void quit() override;

private:
    SoundTheme &m_theme;
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
