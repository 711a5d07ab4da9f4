#include "web_page.h"

#include "browser_keys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QProxyStyle>
#include <emscripten.h>
#include <emscripten/bind.h>
#include <emscripten/html5.h>

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

// The page's live region speaks what it is given. A screen reader drops a
// text equal to the one it said last: the same words again (the same
// problem twice) get an invisible mark that makes them new.
EM_JS(void, sayInRegion, (const char *words), {
    const region = document.getElementById('parlato');
    if (!region)
        return;
    let text = UTF8ToString(words);
    if (region.textContent === text)
        text += '\u200b';
    region.textContent = text;
});

// Two listeners on the page. Browsers let a page sound only after a key or
// a touch: the pupil's first one readies the end's sound. What an on-screen
// keyboard commits to the toolkit's input element (a suggestion, a paste,
// several characters at once) is typed character by character, before the
// toolkit's own handler, which would keep only the last one (Qt 6.4) or
// refuse the whole text for one wrong character (Qt 6.8). Compositions are
// typed once ended; deletions stay with the toolkit.
EM_JS(void, listenToPage, (), {
    // The page's one sound context, made when first needed; null without Web Audio.
    Module.nrSound = function () {
        const Context = window.AudioContext || window.webkitAudioContext;
        return Context ? Module.nrAudio || (Module.nrAudio = new Context()) : null;
    };
    const unlock = function () {
        const audio = Module.nrSound();
        if (audio && audio.state !== 'running')
            audio.resume().catch(function () {});
    };
    for (const kind of ['keydown', 'pointerdown', 'touchend'])
        window.addEventListener(kind, unlock, true);
    const commit = function (event) {
        const field = event.target;
        if (!(field instanceof HTMLInputElement) || field.closest('#avviso'))
            return;
        if (event.type === 'input' && !String(event.inputType).startsWith('insert'))
            return;
        event.stopImmediatePropagation();
        const ended = event.type === 'compositionend' ||
            event.type === 'input' && !event.isComposing && event.inputType !== 'insertCompositionText';
        // The text inserted, not the field's: Qt 6.8 fills it with the answer so far.
        if (!ended || !event.data)
            return;
        field.value = "";
        Module.nrTypeCommitted(event.data);
    };
    for (const kind of ['input', 'compositionstart', 'compositionupdate', 'compositionend'])
        document.addEventListener(kind, commit, true);
});

// Qt 6.8 takes the keys through an input element of its own, which has the
// keyboard focus: a listener hears it named as the page names the game. Its
// own mirror of the widgets has no announcements and does not follow the
// focus; the page says what the focus meets, so the mirror stays out of hearing.
EM_JS(void, fitToolkitToPage, (), {
    const game = document.getElementById('gioco');
    const name = game && game.getAttribute('aria-label');
    if (name)
        for (const field of document.querySelectorAll('body > input'))
            field.setAttribute('aria-label', name);
    const host = document.getElementById('qt-shadow-container');
    if (host && host.shadowRoot) {
        const style = document.createElement('style');
        style.textContent = '.qt-window-a11y-container { display: none; }';
        host.shadowRoot.appendChild(style);
        // A window shown (a menu, a box) takes the focus into its own canvas,
        // hidden from listeners: a screen reader would stop passing the keys.
        // The labelled field takes them to the same place.
        host.shadowRoot.addEventListener('focusin', function (event) {
            const field = document.querySelector('body > input');
            if (field && event.target.classList.contains('qt-window-content'))
                field.focus();
        }, true);
    }
});

// Three short tones, like an alarm clock; false where the browser has no
// Web Audio or keeps it silent (no key or touch of the pupil's yet).
EM_JS(int, playAlarm, (), {
    const audio = Module.nrSound();
    if (!audio)
        return 0;
    if (audio.state !== 'running') {
        audio.resume().catch(function () {});
        return 0;
    }
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

// The tab shows the game's title while the page is hidden; its own again when shown.
EM_JS(void, showTitleInTab, (const char *title), {
    if (Module.nrPageTitle === undefined)
        Module.nrPageTitle = document.title;
    document.title = UTF8ToString(title);
});

EM_JS(void, restoreTabTitle, (), {
    if (Module.nrPageTitle !== undefined)
        document.title = Module.nrPageTitle;
});

EM_JS(void, tellPageTheGameEnded, (), {
    window.dispatchEvent(new CustomEvent('numeri-relativi-fine'));
});

void typeFromPage(const std::string &text)
{
    typeCommitted(QString::fromStdString(text));
}

EMSCRIPTEN_BINDINGS(numeri_relativi_page)
{
    emscripten::function("nrTypeCommitted", &typeFromPage);
}

EM_BOOL visibilityChanged(int, const EmscriptenVisibilityChangeEvent *event, void *page)
{
    static_cast<WebPage *>(page)->setHidden(event->hidden);
    return EM_FALSE;
}

QMainWindow *gameWindow()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *window = qobject_cast<QMainWindow *>(w); window && window->isVisible())
            return window;
    return nullptr;
}
}

void sayInPage(const QString &words)
{
    sayInRegion(withBrowserFreeKeys(words).toUtf8().constData());
}

WebPage::WebPage()
{
    QApplication::setStyle(new StillWidgets(QApplication::style()->name()));
    listenToPage();
    fitToolkitToPage();
    emscripten_set_visibilitychange_callback(this, EM_FALSE, &visibilityChanged);
    qApp->installEventFilter(this);
}

bool WebPage::eventFilter(QObject *watched, QEvent *event)
{
    // A window shown, or its contents made anew (a new game).
    if (event->type() == QEvent::Show && watched->isWidgetType())
        addBrowserFreeKeys(static_cast<QWidget *>(watched)->window());
    if ((event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)
        && isBrowserFreeKey(*static_cast<QKeyEvent *>(event)))
        return true;
    return QObject::eventFilter(watched, event);
}

WebPage::~WebPage()
{
    emscripten_set_visibilitychange_callback(nullptr, EM_FALSE, nullptr);
}

void WebPage::setHidden(bool hidden)
{
    QMainWindow *window = gameWindow();
    if (!window)
        return;
    disconnect(m_title);
    if (hidden) {
        // The window's title follows the clock while it is minimised.
        m_title = connect(window, &QWidget::windowTitleChanged, this,
                          [](const QString &title) { showTitleInTab(title.toUtf8().constData()); });
        window->setWindowState(window->windowState() | Qt::WindowMinimized);
        showTitleInTab(window->windowTitle().toUtf8().constData());
    } else {
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
        restoreTabTitle();
        window->activateWindow();
    }
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
