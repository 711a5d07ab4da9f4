#pragma once

#include <optional>
#include <span>

// The window as designed: its controls in creation order with the values
// they have at every load. Positions and sizes in twips.

enum class Kind { Timer, PictureBox, TextBox, Button, Label, Image };

struct Rgb
{
    int red, green, blue;
};

struct FontSpec
{
    const char *family;
    double points;
    bool bold = false;
    bool italic = false;
};

struct ControlSpec
{
    const char *name;
    Kind kind;
    const char *text = "";
    int left = 0, top = 0, width = 0, height = 0;
    std::optional<FontSpec> font = {};
    std::optional<Rgb> foreColour = {};
    std::optional<Rgb> backColour = {};
    bool transparent = false;
    bool border = false;
    bool centred = false;
    bool autoSize = false;
    bool enabled = true;
    bool handPointer = false;   // the pointer over a control meant to be pressed
    int tabIndex = -1;          // -1: not in the tab order
    int maxLength = 0;
    int interval = 0;           // milliseconds, for a timer
    const char *toolTip = "";
    const char *accessibleName = "";
    const char *accessibleDescription = "";   // spoken instead of the tool tip
    const char *picture = "";           // resource path
    const char *pressedPicture = "";
    const char *disabledPicture = "";
};

struct MenuSpec
{
    const char *name;
    const char *caption;
    const char *parent;   // "" for the menu bar
};

struct WindowSpec
{
    const char *caption;
    int clientWidth, clientHeight;   // twips
    const char *icon;
    const char *pointer;
};

namespace Design {
extern const WindowSpec window;
std::span<const ControlSpec> controls();
std::span<const MenuSpec> menu();
// Controls raised above later ones: the click area below the stopwatch
// must win over the verdict line, and the stopwatch over the click area.
std::span<const char *const> raised();

constexpr int twipsPerPixel = 15;
constexpr int pixels(int twips)
{
    return twips / twipsPerPixel;
}
}
