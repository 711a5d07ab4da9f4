#pragma once

#include <QString>

class QWidget;

// A browser keeps Ctrl+T, Ctrl+N and Ctrl+W for its tabs and windows, and
// a page never sees them. On a page, a shortcut of the window on one of
// them also answers to Alt and the same letter ...
void addBrowserFreeKeys(QWidget *window);
// ... and the game's words name that key.
QString withBrowserFreeKeys(QString words);
