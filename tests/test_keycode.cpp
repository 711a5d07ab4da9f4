#include "keycode.h"

#include <QTest>

class TestKeyCode : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void code_data();
    void code();
};

void TestKeyCode::code_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("code");   // -1: the key is not a character
    const int none = Qt::NoModifier, ctrl = Qt::ControlModifier, shift = Qt::ShiftModifier;
    QTest::newRow("digit") << int(Qt::Key_7) << none << "7" << int('7');
    QTest::newRow("keypad digit") << int(Qt::Key_7) << int(Qt::KeypadModifier) << "7" << int('7');
    QTest::newRow("minus") << int(Qt::Key_Minus) << none << "-" << 45;
    QTest::newRow("keypad minus") << int(Qt::Key_Minus) << int(Qt::KeypadModifier) << "-" << 45;
    // On another layout the same physical key gives another character.
    QTest::newRow("layout: shifted digit key") << int(Qt::Key_Percent) << shift << "%" << int('%');
    QTest::newRow("layout: minus from another key") << int(Qt::Key_Apostrophe) << none << "-" << 45;
    QTest::newRow("enter") << int(Qt::Key_Return) << none << "\r" << 13;
    QTest::newRow("keypad enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "\r" << 13;
    QTest::newRow("backspace") << int(Qt::Key_Backspace) << none << "\b" << 8;
    QTest::newRow("escape") << int(Qt::Key_Escape) << none << "\x1b" << 27;
    QTest::newRow("ctrl+v without text") << int(Qt::Key_V) << ctrl << "" << 22;
    QTest::newRow("ctrl+v with control text") << int(Qt::Key_V) << ctrl << "\x16" << 22;
    QTest::newRow("ctrl+x") << int(Qt::Key_X) << ctrl << "\x18" << 24;
    QTest::newRow("ctrl+a") << int(Qt::Key_A) << ctrl << "" << 1;
    QTest::newRow("e grave") << int(Qt::Key_Egrave) << none << "è" << 0xE8;
    QTest::newRow("euro sign") << int(Qt::Key_unknown) << none << "€" << 0x80;
    QTest::newRow("no Windows-1252 code") << int(Qt::Key_unknown) << none << "Ж" << int('?');
    QTest::newRow("left arrow") << int(Qt::Key_Left) << none << "" << -1;
    QTest::newRow("home") << int(Qt::Key_Home) << none << "" << -1;
    QTest::newRow("delete") << int(Qt::Key_Delete) << none << "\x7f" << -1;
    QTest::newRow("tab") << int(Qt::Key_Tab) << none << "\t" << -1;
    QTest::newRow("shift+tab") << int(Qt::Key_Backtab) << shift << "" << -1;
    QTest::newRow("shift alone") << int(Qt::Key_Shift) << shift << "" << -1;
    // Plain letters whose control forms are Enter and Backspace stay letters.
    QTest::newRow("m is not Enter") << int(Qt::Key_M) << none << "m" << int('m');
    QTest::newRow("h is not Backspace") << int(Qt::Key_H) << none << "h" << int('h');
    QTest::newRow("shifted M") << int(Qt::Key_M) << shift << "M" << int('M');
}

void TestKeyCode::code()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, text);
    QFETCH(int, code);
    const auto result = keyPressCode(key, Qt::KeyboardModifiers(modifiers), text);
    QCOMPARE(result.value_or(-1), code);
}

QTEST_APPLESS_MAIN(TestKeyCode)
#include "test_keycode.moc"
