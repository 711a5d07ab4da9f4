#include "counting_boxes.h"
#include "fakes.h"
#include "game_clock.h"
#include "qt_time_text.h"

#include <QTest>
#include <optional>

namespace {
// The window as the tick sees it; a new game resets the state as a reload does.
class FakeFace final : public ClockFace
{
public:
    explicit FakeFace(GameState &state, const Clock &clock, const TimeText &timeText, Boxes &boxes)
        : m_state(state), m_clock(clock), m_timeText(timeText), m_boxes(boxes)
    {
    }
    QString label;
    QString title = QStringLiteral("Giocare con i numeri relativi, per la classe IIIA del Borvano");
    bool isMinimized = false;
    int titleWrites = 0;
    int newGames = 0;

    QString timeLabel() const override { return label; }
    void setTimeLabel(const QString &text) override { label = text; }
    bool minimized() const override { return isMinimized; }
    QString caption() const override { return title; }
    void showTimeInCaption() override
    {
        title = m_timeText.mediumTime(m_clock.now());
        ++titleWrites;
    }
    void offerNewGame(std::function<void()> answered) override
    {
        m_boxes.message(QStringLiteral("INIZIAMO UNA NUOVA GARA  ?"),
                        BoxStyle::yesNo | BoxStyle::question | BoxStyle::secondDefault,
                        QStringLiteral("INIZIARE NUOVA GARA"),
                        [this, answered](Button pressed) {
                            if (pressed == Button::Yes) {
                                ++newGames;
                                m_state.reset();
                                label.clear();
                            }
                            answered();
                        });
    }

private:
    GameState &m_state;
    const Clock &m_clock;
    const TimeText &m_timeText;
    Boxes &m_boxes;
};
}

class TestClock : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void noEndTimeKeepsLabelCurrent();
    void announcesOnceAtEndTime();
    void noKeepsGameAndDoesNotReannounce();
    void yesStartsNewGameAndRearms();
    void laterEndTimeRearms();
    void midnightRearms();
    void datePartNeverReached();
    void tickWhileBoxOpenWaits();
    void tickDuringAnnouncementDoesNotStack();
    void endMarkedOnlyOnceAnswered_data();
    void endMarkedOnlyOnceAnswered();
    void minimizedTitleChangesWithMinute();
    void minimizedTitleNotATime();
    void endTimeEntry_data();
    void endTimeEntry();
    void invalidEntryOfferedAgain();
    void validEntryOfferedAsLongTime();

private:
    void setEnd(int h, int m)
    {
        m_state.endTime = DateTime::fromTime(h, m, 0);
    }
    // One tick per second of clock time, as the 500 ms timer gives at least.
    void runSeconds(int seconds)
    {
        for (int i = 0; i < seconds; ++i) {
            m_clock.advance(1);
            tick(m_state, *m_face, m_services, m_counting);
        }
    }
    int finBoxes() const { return int(m_boxes.titles().count(QStringLiteral("Fine"))); }

    FakeBoxes m_boxes;
    CountingBoxes m_counting{m_boxes};
    FakeSystem m_system;
    FakeClock m_clock;
    FakeRandom m_random;
    QtTimeText m_timeText{QLocale(QLocale::Italian, QLocale::Italy)};
    Services m_services{m_counting, m_system, m_clock, m_timeText, m_random};
    GameState m_state;
    std::unique_ptr<FakeFace> m_face;
};

void TestClock::init()
{
    m_boxes = FakeBoxes();
    m_system = FakeSystem();
    m_state = GameState();
    m_clock.set(14, 21, 50);
    m_face = std::make_unique<FakeFace>(m_state, m_clock, m_timeText, m_counting);
}

void TestClock::cleanup()
{
    m_face.reset();
}

void TestClock::noEndTimeKeepsLabelCurrent()
{
    runSeconds(30);
    QCOMPARE(m_face->label, QStringLiteral("14:22:20"));
    QCOMPARE(m_system.beeps, 0);
    QVERIFY(m_boxes.calls.empty());
}

void TestClock::announcesOnceAtEndTime()
{
    setEnd(14, 22);
    runSeconds(9);   // up to 14.21.59
    QCOMPARE(m_system.beeps, 0);
    runSeconds(1);   // 14.22.00
    QCOMPARE(m_system.beeps, 1);
    QCOMPARE(m_boxes.calls.size(), std::size_t(2));
    QCOMPARE(m_boxes.calls[0].text, QStringLiteral("Gioco fino alle 14:22:00"));
    QCOMPARE(m_boxes.calls[0].title, QStringLiteral("Fine"));
    QCOMPARE(m_boxes.calls[0].style.toInt(), 0);
    QCOMPARE(m_boxes.calls[1].title, QStringLiteral("INIZIARE NUOVA GARA"));
    QCOMPARE(m_boxes.calls[1].style.toInt(), 292);
    QVERIFY(m_state.endAnnounced);
}

void TestClock::noKeepsGameAndDoesNotReannounce()
{
    setEnd(14, 22);
    m_state.rightAnswers = 5;
    runSeconds(10);
    runSeconds(120);
    QCOMPARE(m_system.beeps, 1);
    QCOMPARE(finBoxes(), 1);
    QCOMPARE(int(m_state.rightAnswers), 5);
    QCOMPARE(m_face->newGames, 0);
}

void TestClock::yesStartsNewGameAndRearms()
{
    setEnd(14, 22);
    m_boxes.buttons = {Button::Ok, Button::Yes};
    m_state.rightAnswers = 5;
    runSeconds(10);
    QCOMPARE(m_face->newGames, 1);
    QCOMPARE(int(m_state.rightAnswers), 0);
    QCOMPARE(std::get<QString>(m_state.endTime), QString());
    // The end time is gone: the next tick clears the announcement.
    runSeconds(1);
    QVERIFY(!m_state.endAnnounced);
    QCOMPARE(m_system.beeps, 1);
}

void TestClock::laterEndTimeRearms()
{
    setEnd(14, 22);
    runSeconds(10);
    setEnd(14, 23);
    runSeconds(1);
    QVERIFY(!m_state.endAnnounced);
    runSeconds(60);
    QCOMPARE(m_system.beeps, 2);
    QCOMPARE(finBoxes(), 2);
}

void TestClock::midnightRearms()
{
    m_clock.set(23, 59, 58);
    setEnd(23, 59);
    runSeconds(1);
    QCOMPARE(m_system.beeps, 1);
    runSeconds(2);   // past midnight: before the end again
    QVERIFY(!m_state.endAnnounced);
    m_clock.set(23, 58, 59);
    runSeconds(61);
    QCOMPARE(m_system.beeps, 2);
}

void TestClock::datePartNeverReached()
{
    m_state.endTime = DateTime{46364LL * 86400 + 14 * 3600 + 22 * 60};
    m_state.endAnnounced = true;
    runSeconds(60);
    QCOMPARE(m_system.beeps, 0);
    QVERIFY(!m_state.endAnnounced);
}

void TestClock::tickWhileBoxOpenWaits()
{
    setEnd(14, 22);
    m_clock.set(14, 22, 0);
    // The pupil is reading the credits when the end comes.
    m_boxes.whileOpen = [this] {
        runSeconds(5);
        QCOMPARE(m_system.beeps, 0);
        QCOMPARE(m_face->label, QStringLiteral("14:22:05"));
    };
    m_counting.message(QStringLiteral("credits"), BoxStyle::information, QStringLiteral("Scuola media statale"));
    QCOMPARE(m_system.beeps, 0);
    runSeconds(1);
    QCOMPARE(m_system.beeps, 1);
    QCOMPARE(finBoxes(), 1);
}

void TestClock::tickDuringAnnouncementDoesNotStack()
{
    setEnd(14, 22);
    // Ticks keep arriving while the end box is open.
    m_boxes.whileOpen = [this] { runSeconds(3); };
    runSeconds(10);
    QCOMPARE(m_system.beeps, 1);
    QCOMPARE(finBoxes(), 1);
    QCOMPARE(m_boxes.titles().count(QStringLiteral("INIZIARE NUOVA GARA")), 1);
}

void TestClock::endMarkedOnlyOnceAnswered_data()
{
    QTest::addColumn<bool>("question");   // looked at while the question is open, else the end box
    QTest::newRow("the end box open") << false;
    QTest::newRow("the new-game question open") << true;
}

void TestClock::endMarkedOnlyOnceAnswered()
{
    QFETCH(bool, question);
    setEnd(14, 22);
    std::optional<bool> markedWhileOpen;
    const auto look = [this, &markedWhileOpen] { markedWhileOpen = m_state.endAnnounced; };
    if (question)
        m_boxes.whileOpen = [this, look] { m_boxes.whileOpen = look; };
    else
        m_boxes.whileOpen = look;
    runSeconds(10);
    QCOMPARE(markedWhileOpen, std::optional<bool>(false));
    QVERIFY(m_state.endAnnounced);
}

void TestClock::minimizedTitleChangesWithMinute()
{
    m_clock.set(14, 20, 0);
    m_face->isMinimized = true;
    m_face->title = m_timeText.mediumTime(m_clock.now());
    runSeconds(59);
    QCOMPARE(m_face->titleWrites, 0);
    runSeconds(1);
    QCOMPARE(m_face->titleWrites, 1);
    QCOMPARE(m_face->title, QStringLiteral("02:21 PM"));
    runSeconds(120);
    QCOMPARE(m_face->titleWrites, 3);
}

void TestClock::minimizedTitleNotATime()
{
    m_face->isMinimized = true;
    runSeconds(1);
    QCOMPARE(m_face->titleWrites, 1);
}

void TestClock::endTimeEntry_data()
{
    QTest::addColumn<EndTime>("before");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<EndTime>("after");
    QTest::addColumn<bool>("errorShown");
    const EndTime set = DateTime::fromTime(14, 22, 0);
    QTest::newRow("valid") << EndTime(QString()) << "14.22" << set << false;
    QTest::newRow("colon") << EndTime(QString()) << "14:22" << set << false;
    QTest::newRow("cancel clears") << set << "" << EndTime(QString()) << false;
    QTest::newRow("invalid kept as text") << EndTime(QString()) << "xyz" << EndTime(QStringLiteral("xyz")) << true;
}

void TestClock::endTimeEntry()
{
    QFETCH(EndTime, before);
    QFETCH(QString, typed);
    QFETCH(EndTime, after);
    QFETCH(bool, errorShown);
    m_state.endTime = before;
    m_boxes.inputs = {typed};
    std::vector<std::size_t> doneAfter;   // boxes asked each time it was done
    askEndTime(m_state, m_boxes, m_timeText, [this, &doneAfter] { doneAfter.push_back(m_boxes.calls.size()); });
    QCOMPARE(doneAfter, std::vector<std::size_t>{m_boxes.calls.size()});
    QVERIFY(m_state.endTime == after);
    QCOMPARE(m_boxes.calls.front().text, QStringLiteral("Immettere l'orario di fine  gioco"));
    QCOMPARE(m_boxes.calls.front().title, QStringLiteral("Il gioco termina alle ore"));
    QCOMPARE(m_boxes.calls.size(), std::size_t(errorShown ? 2 : 1));
    if (errorShown) {
        QCOMPARE(m_boxes.calls[1].text, QStringLiteral("L'orario immesso non è valido."));
        QCOMPARE(m_boxes.calls[1].title, QStringLiteral("Orario di esempio  14.22"));
        QCOMPARE(m_boxes.calls[1].style.toInt(), 0);
    }
}

void TestClock::invalidEntryOfferedAgain()
{
    m_boxes.inputs = {QStringLiteral("xyz")};
    askEndTime(m_state, m_boxes, m_timeText);
    askEndTime(m_state, m_boxes, m_timeText);
    QCOMPARE(m_boxes.calls[2].kind, QStringLiteral("input"));
    QCOMPARE(m_boxes.calls[2].defaultText, QStringLiteral("xyz"));
}

void TestClock::validEntryOfferedAsLongTime()
{
    m_boxes.inputs = {QStringLiteral("14.22")};
    askEndTime(m_state, m_boxes, m_timeText);
    askEndTime(m_state, m_boxes, m_timeText);
    QCOMPARE(m_boxes.calls[0].defaultText, QString());
    QCOMPARE(m_boxes.calls[1].defaultText, QStringLiteral("14:22:00"));
}

QTEST_APPLESS_MAIN(TestClock)
#include "test_clock.moc"
