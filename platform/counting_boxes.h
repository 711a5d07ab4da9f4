#pragma once

#include "services.h"

// Passes every box on and knows whether one is open, so that the clock can
// hold back its announcement while the user is answering another box.
class CountingBoxes final : public Boxes
{
public:
    explicit CountingBoxes(Boxes &inner) : m_inner(inner) {}

    bool anyOpen() const { return m_open > 0; }

    void message(const QString &text, BoxStyles style, const QString &title, Pressed then = {}) override;
    void input(const QString &prompt, const QString &title, const QString &defaultText, Typed then) override;

private:
    template <typename Answer>
    std::function<void(Answer)> counted(std::function<void(Answer)> then);
    Boxes &m_inner;
    int m_open = 0;
};
