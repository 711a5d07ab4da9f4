#pragma once

#include "qt_services.h"

// What the web page gives in place of the desktop's services.

// Readies the toolkit for the page: no widget animations. One that ends in
// a browser's callback is deleted only by a later one, and a box opened
// meanwhile would spin for ever waiting on it, deaf to the pupil.
void preparePage();

// The end-of-game alarm through Web Audio: the browser has no sound theme.
class WebAudioTheme final : public SoundTheme
{
public:
    bool play(const char *eventId, const QString &description) override;
};

// A page cannot close its tab: it hides the game and offers another one.
void endGameInPage();
