#include "fakes.h"
#include "game_state.h"
#include "grading.h"
#include "problem.h"

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
    // Draws in order: magnitude a, magnitude b, sign s, sign t.
    QTest::newRow("all halves") << QList<double>{0.5, 0.5, 0.5, 0.5} << -10 << 10 << composeColour(200, 200, 255);
    QTest::newRow("exact zero first") << QList<double>{0.0, 0.5, 0.9, 0.9} << 0 << 10 << composeColour(0, 200, 0);
    QTest::newRow("largest draws") << QList<double>{0.999, 0.999, 0.0, 0.0} << -20 << -20 << composeColour(255, 255, 255);
    QTest::newRow("smallest non-zero") << QList<double>{1e-9, 1e-9, 0.7, 0.6} << 1 << 1 << composeColour(20, 20, 50);
    QTest::newRow("first positive needs top third") << QList<double>{0.25, 0.1, 0.66, 0.49} << -5 << -2 << composeColour(100, 40, 250);
    QTest::newRow("first positive") << QList<double>{0.25, 0.1, 0.67, 0.5} << 5 << 2 << composeColour(100, 40, 250);
}

void TestQuiz::problem()
{
    QFETCH(QList<double>, draws);
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(uint, colour);
    FakeRandom random;
    random.draws.assign(draws.begin(), draws.end());
    const Problem p = drawProblem(random);
    QCOMPARE(p.first, first);
    QCOMPARE(p.second, second);
    QCOMPARE(int(p.sum), first + second);
    QCOMPARE(p.colour, colour);
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
    const QString yes = QStringLiteral("Esatto, è incredibile!!!");
    QTest::newRow("right") << 7 << "7" << true << yes;
    QTest::newRow("right negative") << -5 << "-5" << true << yes;
    QTest::newRow("wrong shows negative sum") << -5 << "5" << false << "Sbagliato!! -5";
    QTest::newRow("wrong shows positive sum") << 12 << "21" << false << "Sbagliato!! 12";
    QTest::newRow("empty is zero, right") << 0 << "" << true << yes;
    QTest::newRow("empty is zero, wrong") << 3 << "" << false << "Sbagliato!! 3";
    QTest::newRow("double minus is zero") << 0 << "--5" << true << yes;
    QTest::newRow("leading zeros") << 7 << "007" << true << yes;
    QTest::newRow("minus in the middle") << 5 << "5-3" << true << yes;
    QTest::newRow("pasted huge number") << 0 << "9E99" << false << "Sbagliato!! 0";
    QTest::newRow("pasted half rounds to even") << 2 << "2.5" << true << yes;
}

void TestQuiz::grading()
{
    QFETCH(int, expected);
    QFETCH(QString, answer);
    QFETCH(bool, right);
    QFETCH(QString, verdict);
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
    const int t1422 = 14 * 3600 + 22 * 60;
    QTest::newRow("none") << EndTime(QString()) << t1422 << false << true;
    QTest::newRow("invalid text") << EndTime(QStringLiteral("abc")) << t1422 << false << true;
    QTest::newRow("before") << EndTime(DateTime{t1422}) << t1422 - 10 << false << true;
    QTest::newRow("exactly at") << EndTime(DateTime{t1422}) << t1422 << true << false;
    QTest::newRow("after") << EndTime(DateTime{t1422}) << t1422 + 1 << true << false;
    QTest::newRow("date part never reached") << EndTime(DateTime{46000LL * 86400}) << t1422 << false << true;
}

void TestQuiz::endComparisons()
{
    QFETCH(EndTime, end);
    QFETCH(int, nowSecs);
    QFETCH(bool, reached);
    QFETCH(bool, before);
    GameState s;
    s.endTime = end;
    QCOMPARE(s.endReached(DateTime{nowSecs}), reached);
    QCOMPARE(s.beforeEnd(DateTime{nowSecs}), before);
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
