#pragma once

#include "qt_services.h"

// What the web page gives in place of the desktop's services.

// The page around the game, made once in main: no widget animations (one
// that ends in a browser's callback is deleted only by a later one, and a
// box opened meanwhile would spin for ever waiting on it); text that an on-screen
// keyboard commits at once, typed; a hidden page as the minimised window.
class WebPage final : public QObject
{
public:
    WebPage();
    ~WebPage() override;

    // The page was hidden (another tab, the browser minimised) or shown again.
    void setHidden(bool hidden);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QMetaObject::Connection m_title;
};

// The end-of-game alarm through Web Audio: the browser has no sound theme.
class WebAudioTheme final : public SoundTheme
{
public:
    bool play(const char *eventId, const QString &description) override;
};

// What a screen reader would say, in the page's live region.
void sayInPage(const QString &words);

// A page cannot close its tab: it hides the game and offers another one.
void endGameInPage();
