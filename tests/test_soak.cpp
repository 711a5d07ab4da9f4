#include "widgets.h"
#include "window_fixture.h"

#include <QAction>
#include <QFile>
#include <QPixmapCache>

// Many rounds and new games through the real window, with a clock that passes
// midnight and end times: the counters stay exact and memory stays put.
class TestSoak : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void roundsAndNewGames();
};

namespace {
qint64 residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * 4096 : -1;
}

constexpr bool sanitized =
#if defined(__SANITIZE_ADDRESS__)
    true;
#else
    false;
#endif
}

void TestSoak::initTestCase()
{
    QPixmapCache::setCacheLimit(Tavola::pixmapCacheKiB);   // as the program sets it
    failOnQtWarnings();
}

void TestSoak::roundsAndNewGames()
{
    WindowFixture f;
    f.clock.set(23, 0, 0);
    QVERIFY(f.open());
    QCOMPARE(f.window->windowTitle(), Tavola::dedication);

    // Fewer games where the window system is emulated and slow (Wine).
    const int games = qEnvironmentVariableIsSet("NR_SOAK_GAMES") ? qEnvironmentVariableIntValue("NR_SOAK_GAMES") : 1000;
    qint64 baseline = 0;
    int rounds = 0;
    for (int game = 0; game < games; ++game) {
        if (game == games / 10)
            baseline = residentBytes();
        // Every tenth game runs until an end time the clock reaches.
        const bool timed = game % 10 == 0;
        if (timed)
            f.window->state().endTime = DateTime{(f.clock.now().secs + 85) % DateTime::secsPerDay};
        int right = 0, wrong = 0;
        for (int round = 0; round < 10; ++round, ++rounds) {
            f.random.draws = {(rounds % 40 + 0.5) / 40.0, (rounds % 23 + 0.5) / 23.0, (rounds % 3) / 3.0, (rounds % 2) / 2.0};
            if (round > 0)
                QTest::keyClick(f.c().cmdNext, Qt::Key_Return);
            const int sum = f.window->state().expectedSum;
            const bool answerRight = rounds % 3 != 0;
            f.answer(QString::number(answerRight ? sum : sum + 1));
            answerRight ? ++right : ++wrong;
            if (f.c().lblScore->text() != QString::number(right) || f.c().lblScore1->text() != QString::number(wrong)
                || f.c().lblScore2->text() != QString::number(right + wrong))
                QFAIL(qPrintable(QStringLiteral("counters wrong in game %1, round %2").arg(game).arg(round)));
            f.clock.advance(9);
            f.window->Timer1_Timer();
        }
        QCOMPARE(int(f.window->state().rightAnswers), right);
        QCOMPARE(int(f.window->state().wrongAnswers), wrong);
        if (timed) {
            // The end announced itself once; Yes there starts the next game.
            QVERIFY(f.window->state().endAnnounced);
            f.boxes.calls.clear();
            f.window->state().endAnnounced = false;
            f.window->state().endTime = f.clock.now();
            f.boxes.buttons = {Button::Ok, Button::Yes};
            f.clock.advance(1);
            f.window->Timer1_Timer();
            QCOMPARE(f.boxes.titles().count(QStringLiteral("Fine")), 1);
        } else {
            f.boxes.buttons = {Button::Yes};
            f.c().Next->trigger();
        }
        // What the event loop would do between games: polish, paint, delete.
        QCoreApplication::processEvents();
        WindowFixture::flushDeletes();
        QCOMPARE(f.c().lblScore2->text(), QStringLiteral("0"));
        QCOMPARE(int(f.window->state().rightAnswers), 0);
    }
    // Past midnight (a thousand games of 90 s from 23:00) the clock still shows the time.
    f.clock.advance(1);
    f.window->Timer1_Timer();
    QCOMPARE(f.c().lblTime->text(), f.timeText.text(f.clock.now()));

    const qint64 growth = residentBytes() - baseline;
    qInfo("resident memory growth over %d games: %lld KiB", games - games / 10, growth / 1024);
    // The sanitizer's quarantine keeps freed memory on purpose; a system
    // without /proc (Windows) is not measured.
    if (!sanitized && baseline >= 0)
        QVERIFY2(growth < 2 * 1024 * 1024, qPrintable(QStringLiteral("grew by %1 KiB").arg(growth / 1024)));
}

QTEST_MAIN(TestSoak)
#include "test_soak.moc"
