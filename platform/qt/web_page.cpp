#include "web_page.h"

#include <QApplication>
#include <QProxyStyle>
#include <QWidget>
#include <emscripten.h>

namespace {
class StillWidgets final : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *data) const override
    {
        return hint == SH_Widget_Animation_Duration ? 0 : QProxyStyle::styleHint(hint, option, widget, data);
    }
};

// Three short tones, like an alarm clock; false where the browser has no
// Web Audio. The page has had the pupil's keys by then, so it may sound.
EM_JS(int, playAlarm, (), {
    const Context = window.AudioContext || window.webkitAudioContext;
    if (!Context)
        return 0;
    const audio = Module.nrAudio || (Module.nrAudio = new Context());
    audio.resume();
    const start = audio.currentTime + 0.05;
    for (let i = 0; i < 3; ++i) {
        const tone = audio.createOscillator();
        const volume = audio.createGain();
        tone.frequency.value = 880;
        volume.gain.value = 0.25;
        tone.connect(volume).connect(audio.destination);
        tone.start(start + i * 0.3);
        tone.stop(start + i * 0.3 + 0.18);
    }
    return 1;
});

EM_JS(void, tellPageTheGameEnded, (), {
    window.dispatchEvent(new CustomEvent('numeri-relativi-fine'));
});
}

void preparePage()
{
    QApplication::setStyle(new StillWidgets(QApplication::style()->name()));
}

bool WebAudioTheme::play(const char *, const QString &)
{
    return playAlarm() != 0;
}

void endGameInPage()
{
    // The event loop of a page never returns to main: its windows go, the page says the rest.
    for (QWidget *window : QApplication::topLevelWidgets())
        window->close();
    tellPageTheGameEnded();
    QCoreApplication::exit(0);
}
