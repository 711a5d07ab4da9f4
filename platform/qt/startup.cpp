#include "startup.h"

#include <QtGlobal>
#include <cstring>

QByteArray preferredPlatform(const Desktop &desktop)
{
    if (!desktop.qpaPlatform.isEmpty() || desktop.platformArgument)
        return {};
    if (!desktop.waylandDisplay.isEmpty() && !desktop.x11Display.isEmpty())
        return QByteArrayLiteral("xcb;wayland");
    return {};
}

Desktop currentDesktop(int argc, char **argv)
{
    Desktop d{qgetenv("QT_QPA_PLATFORM"), qgetenv("WAYLAND_DISPLAY"), qgetenv("DISPLAY")};
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            d.platformArgument = true;
    }
    return d;
}
