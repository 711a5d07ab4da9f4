#include "counting_boxes.h"

namespace {
struct OpenScope
{
    explicit OpenScope(int &count) : m_count(count) { ++m_count; }
    ~OpenScope() { --m_count; }
    OpenScope(const OpenScope &) = delete;
    OpenScope &operator=(const OpenScope &) = delete;
    int &m_count;
};
}

Button CountingBoxes::message(const QString &text, int style, const QString &title)
{
    OpenScope scope(m_open);
    return m_inner.message(text, style, title);
}

QString CountingBoxes::input(const QString &prompt, const QString &title, const QString &defaultText)
{
    OpenScope scope(m_open);
    return m_inner.input(prompt, title, defaultText);
}
