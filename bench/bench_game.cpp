// In-process timings of the game's main paths, offscreen. Prints medians.
#include "fakes.h"
#include "qt_time_text.h"
#include "tavola.h"
#include "widgets.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {
struct Services_
{
    FakeBoxes boxes;
    FakeSystem system;
    FakeClock clock;
    FakeRandom random;
    QtTimeText timeText{QLocale(QLocale::Italian, QLocale::Italy)};
    Services all() { return {boxes, system, clock, timeText, random}; }
};

// Median of `samples` timings of `run`, each over `batch` calls, per call, in microseconds.
double medianMicros(int samples, int batch, const std::function<void()> &run)
{
    std::vector<double> times;
    QElapsedTimer timer;
    for (int s = 0; s < samples; ++s) {
        timer.start();
        for (int i = 0; i < batch; ++i)
            run();
        times.push_back(double(timer.nsecsElapsed()) / 1000.0 / batch);
    }
    std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
    return times[times.size() / 2];
}

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
}

// The offscreen platform's notes on what it lacks are not news here.
QtMessageHandler previousHandler = nullptr;

void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (!message.startsWith(QStringLiteral("This plugin does not support ")))
        previousHandler(type, context, message);
}

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    previousHandler = qInstallMessageHandler(quietHandler);
    QApplication app(argc, argv);
    Services_ s;

    const double show = medianMicros(31, 1, [&] {
        Tavola window(s.all());
        window.showForm();
        window.hide();
    });
    flushDeletes();

    Tavola window(s.all());
    window.showForm();
    const Controls &c = window.controls();
    int n = 0;
    const double round = medianMicros(21, 100, [&] {
        s.random.draws = {(n % 40 + 0.5) / 40.0, 0.3, (n % 3) / 3.0, 0.5};
        ++n;
        QTest::keyClicks(c.txtAnswer, QString::number(window.state().expectedSum));
        QTest::keyClick(c.txtAnswer, Qt::Key_Return);
        QTest::keyClick(c.cmdNext, Qt::Key_Return);
    });

    const double newGame = medianMicros(31, 5, [&] {
        s.boxes.buttons = {Button::Yes};
        window.controls().Next->trigger();
        flushDeletes();
    });

    window.Timer1_Timer();   // the label now shows the fake clock's time
    const double idleTick = medianMicros(21, 10000, [&] { window.Timer1_Timer(); });
    const double changingTick = medianMicros(21, 1000, [&] {
        s.clock.advance(1);
        window.Timer1_Timer();
    });

    std::printf("in-process, offscreen (median per operation)\n");
    std::printf("  build and show up to the first problem  %10.1f us\n", show);
    std::printf("  one answer round (type, Enter, Enter)   %10.1f us   target < 1000 us\n", round);
    std::printf("  one new game (rebuild from the design)  %10.1f us   target < 20000 us\n", newGame);
    std::printf("  clock tick that changes nothing         %10.3f us   target < 20 us\n", idleTick);
    std::printf("  clock tick that moves the clock         %10.1f us\n", changingTick);
    return 0;
}
