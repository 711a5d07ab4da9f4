#include "counting_boxes.h"

// A box counts as open until its answer has been handled: a box that the
// answer opens in turn is counted before this one is let go.
template <typename Answer>
std::function<void(Answer)> CountingBoxes::counted(std::function<void(Answer)> then)
{
    ++m_open;
    return [this, then = std::move(then)](Answer answer) {
        if (then)
            then(answer);
        --m_open;
    };
}

void CountingBoxes::message(const QString &text, BoxStyles style, const QString &title, Pressed then)
{
    m_inner.message(text, style, title, counted(std::move(then)));
}

void CountingBoxes::input(const QString &prompt, const QString &title, const QString &defaultText, Typed then)
{
    m_inner.input(prompt, title, defaultText, counted(std::move(then)));
}
