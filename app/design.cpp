#include "design.h"

#include "spoken.h"

#include <array>

namespace {
constexpr Rgb black{0, 0, 0};
constexpr Rgb red{255, 0, 0};
constexpr Rgb green{0, 192, 0};
constexpr Rgb blue{0, 0, 255};
constexpr Rgb cyan{0, 255, 255};
constexpr Rgb lightCyan{128, 255, 255};
constexpr Rgb purple{192, 0, 192};

constexpr FontSpec buttonFont{"MS Sans Serif", 8.25, true};
constexpr FontSpec bigSum{"Arial", 48, true};
constexpr FontSpec parenthesis{"Arial", 72, true};
constexpr FontSpec caption{"MS Sans Serif", 18};
constexpr FontSpec counter{"Times New Roman", 36, true};

const std::array<ControlSpec, 22> controlTable{{
    {.name = "Timer1", .kind = Kind::Timer, .left = 9480, .top = 2640, .interval = 500},
    {.name = "Picture1", .kind = Kind::PictureBox, .left = 2760, .top = 6960, .width = 5490, .height = 855,
     .enabled = false, .tabIndex = 11, .accessibleName = "Dischetto che balla",
     .picture = ":/pictures/floppy.gif"},
    {.name = "txtAnswer", .kind = Kind::TextBox, .left = 7440, .top = 120, .width = 2775, .height = 1200,
     .font = bigSum, .backColour = cyan, .tabIndex = 8, .maxLength = 4,
     .toolTip = "Inserisci il risultato e  premi il tasto  Invio", .accessibleName = "Risultato"},
    {.name = "cmdNext", .kind = Kind::Button, .text = "&Nuovo calcolo",
     .left = 7200, .top = 5640, .width = 1815, .height = 1095, .font = buttonFont, .backColour = cyan,
     .enabled = false, .handPointer = true, .tabIndex = 2, .toolTip = "Go",
     .accessibleDescription = Spoken::nextProblem,
     .picture = ":/pictures/smile.ico", .pressedPicture = ":/pictures/grin.ico",
     .disabledPicture = ":/pictures/neutral.ico"},
    {.name = "cmdExit", .kind = Kind::Button, .text = "E&xit",
     .left = 1800, .top = 5640, .width = 1575, .height = 1095, .font = buttonFont, .backColour = purple,
     .tabIndex = 0, .toolTip = "Ti prego resta ancora, forse riuscirai a farmi uscire ",
     .accessibleName = "Esci", .picture = ":/pictures/noentry.ico"},
    {.name = "Command1", .kind = Kind::Button, .text = "Command1",
     .left = 7680, .top = 6000, .width = 855, .height = 615, .tabIndex = 16,
     .accessibleName = "Pulsante senza funzione"},
    {.name = "Label8", .kind = Kind::Label, .left = 7200, .top = 1680, .width = 1095, .height = 1095,
     .transparent = true, .tabIndex = 19, .accessibleName = "Imposta l'orario di fine gioco",
     .accessibleDescription = Spoken::askEndTime},
    {.name = "Label7", .kind = Kind::Label, .text = ")", .left = 5160, .top = -120, .width = 615, .height = 1575,
     .font = parenthesis, .foreColour = black, .transparent = true, .tabIndex = 18},
    {.name = "Label5", .kind = Kind::Label, .text = "(", .left = 3120, .top = -120, .width = 495, .height = 1575,
     .font = parenthesis, .foreColour = black, .transparent = true, .tabIndex = 17},
    {.name = "Label3", .kind = Kind::Label, .text = "Risposte totali",
     .left = 7440, .top = 3360, .width = 2340, .height = 495, .font = caption, .foreColour = blue,
     .transparent = true, .border = true, .autoSize = true, .tabIndex = 15},
    {.name = "Label1", .kind = Kind::Label, .text = "Risposte errate",
     .left = 3840, .top = 3360, .width = 2520, .height = 495, .font = caption, .foreColour = red,
     .transparent = true, .border = true, .autoSize = true, .tabIndex = 14},
    {.name = "lblScore2", .kind = Kind::Label, .text = "0", .left = 8310, .top = 4080, .width = 555, .height = 885,
     .font = counter, .foreColour = blue, .transparent = true, .border = true, .centred = true,
     .autoSize = true, .tabIndex = 13, .accessibleName = "Risposte totali"},
    {.name = "lblScore1", .kind = Kind::Label, .text = "0", .left = 4830, .top = 4080, .width = 540, .height = 885,
     .font = counter, .foreColour = red, .transparent = true, .border = true, .centred = true,
     .autoSize = true, .tabIndex = 3, .accessibleName = "Risposte errate"},
    {.name = "Image1", .kind = Kind::Image, .left = 7440, .top = 1680, .width = 480, .height = 480,
     .toolTip = "Clicca sotto di me per impostare il Timer", .accessibleName = "Cronometro",
     .accessibleDescription = Spoken::endTimeKey,
     .picture = ":/pictures/stopwatch.ico"},
    {.name = "lblTime", .kind = Kind::Label, .left = 8400, .top = 1800, .width = 90, .height = 300,
     .font = FontSpec{"MS Sans Serif", 12, true}, .transparent = true, .autoSize = true, .tabIndex = 12,
     .toolTip = "Clicca sotto di me per attivare il Timer", .accessibleName = "Orologio",
     .accessibleDescription = Spoken::endTimeKey},
    {.name = "lblNum2", .kind = Kind::Label, .left = 4200, .top = 240, .width = 345, .height = 1185,
     .font = bigSum, .backColour = cyan, .border = true, .centred = true, .autoSize = true, .tabIndex = 10,
     .accessibleName = "Secondo numero"},
    {.name = "Label4", .kind = Kind::Label, .text = "=", .left = 6240, .top = 360, .width = 615, .height = 975,
     .font = bigSum, .backColour = lightCyan, .centred = true, .tabIndex = 7, .accessibleName = "uguale"},
    {.name = "Label2", .kind = Kind::Label, .text = "+", .left = 2160, .top = 360, .width = 615, .height = 975,
     .font = FontSpec{"Arial", 48}, .backColour = lightCyan, .centred = true, .tabIndex = 6,
     .accessibleName = "più"},
    {.name = "lblNum1", .kind = Kind::Label, .left = 840, .top = 240, .width = 345, .height = 1185,
     .font = bigSum, .backColour = cyan, .border = true, .centred = true, .autoSize = true, .tabIndex = 5,
     .accessibleName = "Primo numero"},
    {.name = "lblScore", .kind = Kind::Label, .text = "0", .left = 1080, .top = 4080, .width = 555, .height = 885,
     .font = counter, .transparent = true, .border = true, .centred = true, .autoSize = true, .tabIndex = 4,
     .toolTip = "Questo è il tuo punteggio. Forza con il  record", .accessibleName = "Risposte esatte"},
    {.name = "lblMessage", .kind = Kind::Label, .left = 1680, .top = 2040, .width = 6615, .height = 615,
     .font = FontSpec{"MS Sans Serif", 24, true, true}, .foreColour = red, .transparent = true,
     .centred = true, .handPointer = true, .tabIndex = 1},
    {.name = "Label6", .kind = Kind::Label, .text = "Risposte esatte",
     .left = 240, .top = 3360, .width = 2565, .height = 495, .font = caption, .foreColour = green,
     .transparent = true, .border = true, .centred = true, .autoSize = true, .tabIndex = 9},
}};

const std::array<MenuSpec, 4> menuTable{{
    {"INFOMAZIONI", "INFORMAZIONI", ""},
    {"Tmer", "Se vuoi attivare il timer per determinare la durata del gioco clicca sotto l'orologio",
     "INFOMAZIONI"},
    {"copy", "Autori e riconoscimenti: Scuola media statale, classe IIIA del Borvano", "INFOMAZIONI"},
    {"Next", "Nuovo", "copy"},
}};

const std::array<const char *, 2> raisedTable{"Label8", "Image1"};
}

const WindowSpec Design::window{"Gioca con i numeri relativi", 10830, 8310, ":/pictures/face.ico",
                                ":/pictures/pointer.ico"};

std::span<const ControlSpec> Design::controls()
{
    return controlTable;
}

std::span<const MenuSpec> Design::menu()
{
    return menuTable;
}

std::span<const char *const> Design::raised()
{
    return raisedTable;
}
