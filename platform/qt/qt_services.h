#pragma once

#include "services.h"

#include <QLocale>
#include <random>

class QTranslator;

// Loads the toolkit's own translations (Yes, No, Cancel) for the locale into
// the given translator and installs it; false when there are none.
bool installToolkitTranslations(QTranslator &translator, const QLocale &locale);

class QtBoxes final : public Boxes
{
public:
    Button message(const QString &text, int style, const QString &title) override;
    QString input(const QString &prompt, const QString &title, const QString &defaultText) override;
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
