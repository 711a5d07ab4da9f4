#include "web_page.h"

#include "browser_keys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QProxyStyle>
#include <emscripten/bind.h>
#include <emscripten/html5.h>

// The page's side of these: packaging/web/game-calls.js.
extern "C" {
void sayInRegion(const char *words);
void listenToPage();
void fitToolkitToPage();
int playAlarm();
void showTitleInTab(const char *title);
void restoreTabTitle();
void tellPageTheGameEnded();
}

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
