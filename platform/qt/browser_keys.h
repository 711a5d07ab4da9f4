#pragma once

#include <QString>

class QKeyEvent;
class QWidget;

// A browser keeps Ctrl+T, Ctrl+N and Ctrl+W for its tabs and windows, and
// a page never sees them. On a page, a shortcut of the window on one of
// them also answers to Alt and the same letter ...
void addBrowserFreeKeys(QWidget *window);
// ... and the game's words name that key.
QString withBrowserFreeKeys(QString words);
// Such a key as it reaches a control after its shortcut had its turn: a page
// (Qt 6.8) may hand it on to the box the shortcut opened, where it must not type.
bool isBrowserFreeKey(const QKeyEvent &event);

// Text committed at once (an on-screen keyboard's suggestion, a paste) as
// the keys that type it, one character after another, to the focused control.
void typeCommitted(const QString &text);
