#pragma once

#include "fakes.h"
#include "qt_warnings.h"
#include "qt_time_text.h"
#include "tavola.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <memory>

// A real window over fake services, shown and active.
struct WindowFixture
{
    FakeBoxes boxes;
    FakeSystem system;
    FakeClock clock;
    FakeRandom random;
    QtTimeText timeText{QLocale(QLocale::Italian, QLocale::Italy)};
    std::unique_ptr<Tavola> window;

    // ticking false: the clock ticks only when a test calls it, not when a busy
    // machine lets half a second pass before a check.
    bool open(bool ticking = true)
    {
        window = std::make_unique<Tavola>(Services{boxes, system, clock, timeText, random});
        // Built a turn of the event loop before it is shown, as the program starts.
        window->prepareForm();
        QCoreApplication::processEvents();
        window->showForm();
        if (!ticking)
            window->controls().Timer1->stop();
        window->activateWindow();
        return QTest::qWaitForWindowActive(window.get());
    }

    const Controls &c() const { return window->controls(); }

    void answer(const QString &text)
    {
        QTest::keyClicks(c().txtAnswer, text);
        QTest::keyClick(c().txtAnswer, Qt::Key_Return);
    }

    // Lets the old controls of a rebuilt window go.
    static void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};
