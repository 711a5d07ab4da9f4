#pragma once

#include <QByteArray>

// What the game asks of the desktop before the toolkit starts.
struct Desktop
{
    QByteArray qpaPlatform;      // QT_QPA_PLATFORM
    QByteArray waylandDisplay;   // WAYLAND_DISPLAY
    QByteArray x11Display;       // DISPLAY
    bool platformArgument = false;   // -platform on the command line
};

// The window system to run on, or "" for the toolkit's own choice. A native
// Wayland window never learns that it was minimized (the title clock), so
// XWayland is preferred where there is one, unless the user chose; Wayland
// itself where DISPLAY names no X server that answers.
QByteArray preferredPlatform(const Desktop &desktop);

// Reads the desktop from the environment and the command line.
Desktop currentDesktop(int argc, char **argv);
