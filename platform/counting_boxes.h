#pragma once

#include "services.h"

// Passes every box on and knows whether one is open, so that the clock can
// hold back its announcement while the user is answering another box.
class CountingBoxes final : public Boxes
{
public:
    explicit CountingBoxes(Boxes &inner) : m_inner(inner) {}

    bool anyOpen() const { return m_open > 0; }

    Button message(const QString &text, int style, const QString &title) override;
    QString input(const QString &prompt, const QString &title, const QString &defaultText) override;

private:
    Boxes &m_inner;
    int m_open = 0;
};
