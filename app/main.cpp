#include "fonts.h"
#include "qt_services.h"
#include "qt_time_text.h"
#ifdef NR_HAVE_CANBERRA
#include "canberra_theme.h"
#elif defined(Q_OS_WASM)
#include "focus_speaker.h"
#include "web_page.h"
#endif
#include "startup.h"
#include "tavola.h"

#include <QApplication>
#include <QPixmapCache>
#include <QTimer>
#include <QTranslator>

int main(int argc, char *argv[])
{
    if (const QByteArray platform = preferredPlatform(currentDesktop(argc, argv)); !platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("numeri-relativi"));
    QApplication::setDesktopFileName(QStringLiteral("it.scuola.NumeriRelativi"));

    // The buttons of the boxes (Yes, No, Cancel) speak the desktop's language.
    QTranslator qtWords;
    installToolkitTranslations(qtWords, QLocale::system());
#ifdef Q_OS_WASM
    // No screen reader reads the widgets of a page: its words go to the page's live region.
    FocusSpeaker speaker(&sayInPage);
    WebPage page;
#endif
    QPixmapCache::setCacheLimit(Tavola::pixmapCacheKiB);

    QtBoxes boxes;
    // The end of the game sounds through the desktop's sound theme where the
    // system has one, else the window system's bell.
#ifdef NR_HAVE_CANBERRA
    CanberraTheme sounds;
    QtSystem system(sounds, &QApplication::beep);
#elif defined(Q_OS_WASM)
    // A page plays through Web Audio, and ends by saying so.
    WebAudioTheme sounds;
    QtSystem system(sounds, &QApplication::beep, &endGameInPage);
#else
    NoSoundTheme sounds;
    QtSystem system(sounds, &QApplication::beep);
#endif
    QtClock clock;
    QtTimeText timeText;
    QtRandom random;
    Tavola tavola(Services{boxes, system, clock, timeText, random});
    boxes.setOwner(&tavola);
    // The rest of the start once the event loop runs, in steps (the faces, the
    // controls, the window shown): a page's browser paints and answers between
    // them, rather than after one long wait.
    QTimer::singleShot(0, &tavola, [&tavola] {
        addBundledFonts();
        // Menus and boxes in the window's own sans family, at the desktop's size.
        QFont font = QApplication::font();
        font.setFamily(QString::fromLatin1(installedFamily("MS Sans Serif")));
        QApplication::setFont(font);
        QTimer::singleShot(0, &tavola, [&tavola] {
            tavola.prepareForm();
            QTimer::singleShot(0, &tavola, &Tavola::showForm);
        });
    });
    return QApplication::exec();
}
