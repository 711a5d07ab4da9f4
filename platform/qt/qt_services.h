#pragma once

#include "services.h"

#include <QLocale>
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

class QtSystem final : public System
{
public:
    void beep() override;
    void quit() override;
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
