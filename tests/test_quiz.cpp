#include "fakes.h"
#include "game_state.h"
#include "grading.h"
#include "problem.h"
#include "spoken.h"

#include <QTest>

class TestQuiz : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void keyFilter_data();
    void keyFilter();
    void problem_data();
    void problem();
    void problemReseedsTwice();
    void colourByMagnitude_data();
    void colourByMagnitude();
    void grading_data();
    void grading();
    void countersStopAtTop();
    void endComparisons_data();
    void endComparisons();
    void resetKeepsSumAndAnnouncement();
};

void TestQuiz::keyFilter_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<KeyAction>("action");
    QTest::newRow("minus") << 45 << KeyAction::Pass;
    QTest::newRow("zero") << int('0') << KeyAction::Pass;
    QTest::newRow("nine") << int('9') << KeyAction::Pass;
    QTest::newRow("backspace") << 8 << KeyAction::Pass;
    QTest::newRow("enter") << 13 << KeyAction::Grade;
    QTest::newRow("letter a") << int('a') << KeyAction::Cancel;
    QTest::newRow("plus") << int('+') << KeyAction::Cancel;
    QTest::newRow("point") << int('.') << KeyAction::Cancel;
    QTest::newRow("blank") << int(' ') << KeyAction::Cancel;
    QTest::newRow("slash, below zero") << int('/') << KeyAction::Cancel;
    QTest::newRow("colon, above nine") << int(':') << KeyAction::Cancel;
    QTest::newRow("paste shortcut") << 22 << KeyAction::Cancel;
    QTest::newRow("cut shortcut") << 24 << KeyAction::Cancel;
    QTest::newRow("escape") << 27 << KeyAction::Cancel;
    QTest::newRow("e grave") << 0xE8 << KeyAction::Cancel;
}

void TestQuiz::keyFilter()
{
    QFETCH(int, code);
    QFETCH(KeyAction, action);
    QCOMPARE(filterKey(code), action);
}

void TestQuiz::problem_data()
{
    QTest::addColumn<QList<double>>("draws");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<uint>("colour");
    QTest::addColumn<QString>("spoken");
    // Draws in order: magnitude a, magnitude b, sign s, sign t.
    QTest::newRow("all halves") << QList<double>{0.5, 0.5, 0.5, 0.5} << -10 << 10 << composeColour(200, 200, 255)
                                 << "Quanto fa meno 10 più 10?";
    QTest::newRow("exact zero first") << QList<double>{0.0, 0.5, 0.9, 0.9} << 0 << 10 << composeColour(0, 200, 0)
                                      << "Quanto fa 0 più 10?";
    QTest::newRow("largest draws") << QList<double>{0.999, 0.999, 0.0, 0.0} << -20 << -20 << composeColour(255, 255, 255)
                                   << "Quanto fa meno 20 più meno 20?";
    QTest::newRow("smallest non-zero") << QList<double>{1e-9, 1e-9, 0.7, 0.6} << 1 << 1 << composeColour(20, 20, 50)
                                       << "Quanto fa 1 più 1?";
    QTest::newRow("first positive needs top third") << QList<double>{0.25, 0.1, 0.66, 0.49} << -5 << -2 << composeColour(100, 40, 250)
                                                    << "Quanto fa meno 5 più meno 2?";
    QTest::newRow("first positive") << QList<double>{0.25, 0.1, 0.67, 0.5} << 5 << 2 << composeColour(100, 40, 250)
                                    << "Quanto fa 5 più 2?";
}

void TestQuiz::problem()
{
    QFETCH(QList<double>, draws);
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(uint, colour);
    QFETCH(QString, spoken);
    FakeRandom random;
    random.draws.assign(draws.begin(), draws.end());
    const Problem p = drawProblem(random);
    QCOMPARE(p.first, first);
    QCOMPARE(p.second, second);
    QCOMPARE(int(p.sum), first + second);
    QCOMPARE(p.colour, colour);
    QCOMPARE(spokenProblem(p.first, p.second), spoken);
    // The first problem of a game also says how to answer.
    QCOMPARE(spokenProblem(p.first, p.second, true), spoken + QStringLiteral(" Scrivi il risultato e premi Invio."));
}

void TestQuiz::problemReseedsTwice()
{
    FakeRandom random;
    drawProblem(random);
    QCOMPARE(random.reseeds, 2);
}

void TestQuiz::colourByMagnitude_data()
{
    QTest::addColumn<int>("magnitude");
    QTest::addColumn<int>("redOrGreen");
    QTest::addColumn<int>("blue");
    QTest::newRow("1") << 1 << 20 << 50;
    QTest::newRow("5") << 5 << 100 << 250;
    QTest::newRow("6") << 6 << 120 << 255;
    QTest::newRow("12") << 12 << 240 << 255;
    QTest::newRow("13") << 13 << 255 << 255;
    QTest::newRow("20") << 20 << 255 << 255;
}

void TestQuiz::colourByMagnitude()
{
    QFETCH(int, magnitude);
    QFETCH(int, redOrGreen);
    QFETCH(int, blue);
    // A draw in the middle of the step that gives this magnitude.
    const double draw = (magnitude - 0.5) / 20.0;
    FakeRandom random;
    random.draws = {draw, draw, 0.0, 0.0};
    const Colour c = drawProblem(random).colour;
    QCOMPARE(redOf(c), redOrGreen);
    QCOMPARE(greenOf(c), redOrGreen);
    QCOMPARE(blueOf(c), blue);
}

void TestQuiz::grading_data()
{
    QTest::addColumn<int>("expected");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("right");
    QTest::addColumn<QString>("verdict");
    QTest::addColumn<QString>("spoken");   // with 4 right and 2 wrong before
    const QString yes = QStringLiteral("Esatto, è incredibile!!!");
    const QString heardYes = QStringLiteral("Esatto! Esatte 5, errate 2, totali 7.");
    const QString counts = QStringLiteral(" Esatte 4, errate 3, totali 7.");
    QTest::newRow("right") << 7 << "7" << true << yes << heardYes;
    QTest::newRow("right negative") << -5 << "-5" << true << yes << heardYes;
    QTest::newRow("wrong shows negative sum") << -5 << "5" << false << "Sbagliato!! -5"
                                              << QStringLiteral("Sbagliato. Il risultato giusto è meno 5.") + counts;
    QTest::newRow("wrong shows positive sum") << 12 << "21" << false << "Sbagliato!! 12"
                                              << QStringLiteral("Sbagliato. Il risultato giusto è 12.") + counts;
    QTest::newRow("empty is zero, right") << 0 << "" << true << yes << heardYes;
    QTest::newRow("empty is zero, wrong") << 3 << "" << false << "Sbagliato!! 3"
                                          << QStringLiteral("Sbagliato. Il risultato giusto è 3.") + counts;
    QTest::newRow("double minus is zero") << 0 << "--5" << true << yes << heardYes;
    QTest::newRow("leading zeros") << 7 << "007" << true << yes << heardYes;
    QTest::newRow("minus in the middle") << 5 << "5-3" << true << yes << heardYes;
    QTest::newRow("pasted huge number") << 0 << "9E99" << false << "Sbagliato!! 0"
                                        << QStringLiteral("Sbagliato. Il risultato giusto è 0.") + counts;
    QTest::newRow("pasted half rounds to even") << 2 << "2.5" << true << yes << heardYes;
}

void TestQuiz::grading()
{
    QFETCH(int, expected);
    QFETCH(QString, answer);
    QFETCH(bool, right);
    QFETCH(QString, verdict);
    QFETCH(QString, spoken);
    GameState s;
    s.expectedSum = qint16(expected);
    s.rightAnswers = 4;
    s.wrongAnswers = 2;
    const Grading g = grade(s, answer);
    QCOMPARE(g.right, right);
    QCOMPARE(g.verdict, verdict);
    QCOMPARE(int(s.rightAnswers), right ? 5 : 4);
    QCOMPARE(int(s.wrongAnswers), right ? 2 : 3);
    QCOMPARE(int(totalAnswers(s)), 7);
    QCOMPARE(spokenVerdict(g.right, s), spoken);
}

void TestQuiz::countersStopAtTop()
{
    GameState s;
    s.expectedSum = 1;
    s.rightAnswers = 32767;
    s.wrongAnswers = 32767;
    QVERIFY(grade(s, u"1").right);
    QVERIFY(!grade(s, u"2").right);
    QCOMPARE(int(s.rightAnswers), 32767);
    QCOMPARE(int(s.wrongAnswers), 32767);
    QCOMPARE(int(totalAnswers(s)), 32767);
}

void TestQuiz::endComparisons_data()
{
    QTest::addColumn<EndTime>("end");
    QTest::addColumn<int>("nowSecs");
    QTest::addColumn<bool>("reached");
    QTest::addColumn<bool>("before");
    // What a listener hears of it, with the end time as the window writes it and the clock at "14:21:50".
    QTest::addColumn<QString>("endText");
    QTest::addColumn<QString>("heard");
    QTest::addColumn<QString>("clock");
    const int t1422 = 14 * 3600 + 22 * 60;
    const QString none = QStringLiteral("Nessun orario di fine gioco.");
    const QString clock = QStringLiteral("Orologio: 14:21:50");
    const QString at = QStringLiteral("14:22:00");
    const QString heardAt = QStringLiteral("Il gioco finisce alle 14:22:00.");
    const QString clockAt = QStringLiteral("Orologio: 14:21:50, fine alle 14:22:00");
    QTest::newRow("none") << EndTime(QString()) << t1422 << false << true << QString() << none << clock;
    QTest::newRow("invalid text") << EndTime(QStringLiteral("abc")) << t1422 << false << true << QString() << none << clock;
    QTest::newRow("before") << EndTime(DateTime{t1422}) << t1422 - 10 << false << true << at << heardAt << clockAt;
    QTest::newRow("exactly at") << EndTime(DateTime{t1422}) << t1422 << true << false << at << heardAt << clockAt;
    QTest::newRow("after") << EndTime(DateTime{t1422}) << t1422 + 1 << true << false << at << heardAt << clockAt;
    QTest::newRow("date part never reached") << EndTime(DateTime{46000LL * 86400}) << t1422 << false << true
                                             << QStringLiteral("08/12/2025") << QStringLiteral("Il gioco finisce alle 08/12/2025.")
                                             << QStringLiteral("Orologio: 14:21:50, fine alle 08/12/2025");
}

void TestQuiz::endComparisons()
{
    QFETCH(EndTime, end);
    QFETCH(int, nowSecs);
    QFETCH(bool, reached);
    QFETCH(bool, before);
    QFETCH(QString, endText);
    QFETCH(QString, heard);
    QFETCH(QString, clock);
    GameState s;
    s.endTime = end;
    QCOMPARE(s.endReached(DateTime{nowSecs}), reached);
    QCOMPARE(s.beforeEnd(DateTime{nowSecs}), before);
    QCOMPARE(spokenEndTime(endText), heard);
    QCOMPARE(spokenClock(QStringLiteral("14:21:50"), endText), clock);
    // Said before what the control that takes the focus says anyway.
    QCOMPARE(spokenBefore(heard, QStringLiteral("Quanto fa 1 più 1?")), heard + QStringLiteral(" Quanto fa 1 più 1?"));
}

void TestQuiz::resetKeepsSumAndAnnouncement()
{
    GameState s;
    s.expectedSum = 9;
    s.rightAnswers = 3;
    s.wrongAnswers = 4;
    s.endTime = DateTime{100};
    s.endAnnounced = true;
    s.reset();
    QCOMPARE(int(s.rightAnswers), 0);
    QCOMPARE(int(s.wrongAnswers), 0);
    QCOMPARE(std::get<QString>(s.endTime), QString());
    QCOMPARE(int(s.expectedSum), 9);
    QVERIFY(s.endAnnounced);
}

QTEST_APPLESS_MAIN(TestQuiz)
#include "test_quiz.moc"
