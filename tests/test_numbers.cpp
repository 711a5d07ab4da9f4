#include "colour.h"
#include "numbers.h"

#include <QTest>
#include <cmath>

class TestNumbers : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void readNumber_data();
    void readNumber();
    void toInt16_data();
    void toInt16();
    void answerValue_data();
    void answerValue();
    void saturatingAdd_data();
    void saturatingAdd();
    void composeColour_data();
    void composeColour();
};

void TestNumbers::readNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("lone minus") << "-" << 0.0;
    QTest::newRow("double minus") << "--5" << 0.0;
    QTest::newRow("negative") << "-5" << -5.0;
    QTest::newRow("leading zeros") << "007" << 7.0;
    QTest::newRow("stops at minus") << "5-3" << 5.0;
    QTest::newRow("leading blank") << " 12" << 12.0;
    QTest::newRow("blanks inside") << "1 2" << 12.0;
    QTest::newRow("blank after sign") << "- 4" << -4.0;
    QTest::newRow("tab and line breaks inside") << "\t1\r\n2" << 12.0;
    QTest::newRow("blank before sign") << " -5" << -5.0;
    QTest::newRow("line feed before sign") << "\n-5" << -5.0;
    QTest::newRow("plus sign") << "+8" << 8.0;
    QTest::newRow("decimal") << "2.5" << 2.5;
    QTest::newRow("only decimals") << ".5" << 0.5;
    QTest::newRow("trailing point") << "3." << 3.0;
    QTest::newRow("exponent") << "1E3" << 1000.0;
    QTest::newRow("lower exponent") << "2e2" << 200.0;
    QTest::newRow("negative exponent") << "5E-1" << 0.5;
    QTest::newRow("exponent without digits") << "7E" << 7.0;
    QTest::newRow("exponent with sign only") << "7E-" << 7.0;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("digits then letters") << "12ab" << 12.0;
    QTest::newRow("point alone") << "." << 0.0;
    QTest::newRow("tiny") << "1E-999" << 0.0;
    QTest::newRow("huge") << "1E999" << qInf();
    QTest::newRow("huge negative") << "-2E999" << -qInf();
}

void TestNumbers::readNumber()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(::readNumber(text), value);
}

void TestNumbers::toInt16_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("fits");
    QTest::addColumn<int>("result");
    QTest::newRow("half to even down") << 2.5 << true << 2;
    QTest::newRow("half to even up") << 3.5 << true << 4;
    QTest::newRow("negative half") << -2.5 << true << -2;
    QTest::newRow("rounds up") << 2.6 << true << 3;
    QTest::newRow("top") << 32767.0 << true << 32767;
    QTest::newRow("bottom") << -32768.0 << true << -32768;
    QTest::newRow("rounds past top") << 32767.5 << false << 0;
    QTest::newRow("below bottom") << -32769.0 << false << 0;
    QTest::newRow("huge") << 9e99 << false << 0;
    QTest::newRow("infinite") << HUGE_VAL << false << 0;
    QTest::newRow("not a number") << std::nan("") << false << 0;
}

void TestNumbers::toInt16()
{
    QFETCH(double, value);
    QFETCH(bool, fits);
    QFETCH(int, result);
    const auto v = ::toInt16(value);
    QCOMPARE(v.has_value(), fits);
    if (fits)
        QCOMPARE(int(*v), result);
}

// The value an answer box text is graded as, read and converted together.
void TestNumbers::answerValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("fits");
    QTest::addColumn<int>("value");
    QTest::newRow("exponent in range") << "1E3" << true << 1000;
    QTest::newRow("exponent out of range") << "9E99" << false << 0;
    QTest::newRow("five digits pasted") << "99999" << false << 0;
    QTest::newRow("four digits") << "9999" << true << 9999;
    QTest::newRow("negative three digits") << "-999" << true << -999;
}

void TestNumbers::answerValue()
{
    QFETCH(QString, text);
    QFETCH(bool, fits);
    QFETCH(int, value);
    const auto v = ::toInt16(::readNumber(text));
    QCOMPARE(v.has_value(), fits);
    if (fits)
        QCOMPARE(int(*v), value);
}

void TestNumbers::saturatingAdd_data()
{
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("sum");
    QTest::newRow("plain") << 3 << 4 << 7;
    QTest::newRow("to the top") << 32766 << 1 << 32767;
    QTest::newRow("past the top") << 32767 << 1 << 32767;
    QTest::newRow("two large") << 30000 << 30000 << 32767;
    QTest::newRow("past the bottom") << -32768 << -1 << -32768;
}

void TestNumbers::saturatingAdd()
{
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, sum);
    QCOMPARE(int(::saturatingAdd(qint16(a), qint16(b))), sum);
}

void TestNumbers::composeColour_data()
{
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("blue");
    QTest::addColumn<uint>("colour");
    QTest::newRow("red in the low byte") << 255 << 0 << 0 << 0x0000FFu;
    QTest::newRow("blue in the high byte") << 0 << 0 << 255 << 0xFF0000u;
    QTest::newRow("mixed") << 1 << 2 << 3 << 0x030201u;
    QTest::newRow("above 255 counts as 255") << 400 << 256 << 1000 << 0xFFFFFFu;
}

void TestNumbers::composeColour()
{
    QFETCH(int, red);
    QFETCH(int, green);
    QFETCH(int, blue);
    QFETCH(uint, colour);
    QCOMPARE(::composeColour(red, green, blue), colour);
}

QTEST_APPLESS_MAIN(TestNumbers)
#include "test_numbers.moc"
