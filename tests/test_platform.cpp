#include "qt_services.h"
#include "qt_warnings.h"
#include "startup.h"

#include <QTest>

// The toolkit layer's choices that need no window: which window system to
// ask for, and how the end sounds.
class TestPlatform : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { failOnQtWarnings(); }
    void windowSystem_data();
    void windowSystem();
    void endSound_data();
    void endSound();
};

void TestPlatform::windowSystem_data()
{
    QTest::addColumn<QByteArray>("qpa");
    QTest::addColumn<QByteArray>("wayland");
    QTest::addColumn<QByteArray>("x11");
    QTest::addColumn<QByteArrayList>("arguments");   // the program's own name first
    QTest::addColumn<QByteArray>("chosen");
    const QByteArrayList plain{"numeri-relativi"};
    QTest::newRow("X11 session") << QByteArray() << QByteArray() << QByteArray(":0") << plain << QByteArray();
    // XWayland where it answers, else Wayland itself (a stale DISPLAY).
    QTest::newRow("Wayland with XWayland") << QByteArray() << QByteArray("wayland-0") << QByteArray(":0") << plain
                                           << QByteArray("xcb;wayland");
    QTest::newRow("Wayland alone: native") << QByteArray() << QByteArray("wayland-0") << QByteArray() << plain
                                           << QByteArray();
    QTest::newRow("the user's variable") << QByteArray("wayland") << QByteArray("wayland-0") << QByteArray(":0")
                                         << plain << QByteArray();
    QTest::newRow("the user's argument") << QByteArray() << QByteArray("wayland-0") << QByteArray(":0")
                                         << QByteArrayList{"numeri-relativi", "-platform", "wayland"} << QByteArray();
    QTest::newRow("the user's argument, two dashes") << QByteArray() << QByteArray("wayland-0") << QByteArray(":0")
                                                     << QByteArrayList{"numeri-relativi", "--platform", "wayland"}
                                                     << QByteArray();
    QTest::newRow("a program named -platform") << QByteArray() << QByteArray("wayland-0") << QByteArray(":0")
                                               << QByteArrayList{"-platform"} << QByteArray("xcb;wayland");
    QTest::newRow("other arguments") << QByteArray() << QByteArray("wayland-0") << QByteArray(":0")
                                     << QByteArrayList{"numeri-relativi", "-style", "fusion", "-reverse"}
                                     << QByteArray("xcb;wayland");
}

void TestPlatform::windowSystem()
{
    QFETCH(QByteArray, qpa);
    QFETCH(QByteArray, wayland);
    QFETCH(QByteArray, x11);
    QFETCH(QByteArrayList, arguments);
    QFETCH(QByteArray, chosen);
    std::vector<char *> argv;
    for (QByteArray &argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    Desktop desktop = currentDesktop(int(arguments.size()), argv.data());
    desktop.qpaPlatform = qpa;
    desktop.waylandDisplay = wayland;
    desktop.x11Display = x11;
    QCOMPARE(preferredPlatform(desktop), chosen);
}

namespace {
class FakeSoundTheme final : public SoundTheme
{
public:
    bool available = true;
    QStringList played;   // "event id: description"
    bool play(const char *eventId, const QString &description) override
    {
        played << QString::fromLatin1(eventId) + QStringLiteral(": ") + description;
        return available;
    }
};
int bells = 0;
}

void TestPlatform::endSound_data()
{
    QTest::addColumn<bool>("available");
    QTest::addColumn<int>("rings");
    QTest::newRow("the theme plays it") << true << 0;
    QTest::newRow("no sound server: the bell") << false << 1;
}

void TestPlatform::endSound()
{
    QFETCH(bool, available);
    QFETCH(int, rings);
    FakeSoundTheme theme;
    theme.available = available;
    bells = 0;
    QtSystem system(theme, [] { ++bells; });
    system.beep();
    QCOMPARE(theme.played, QStringList{QStringLiteral("alarm-clock-elapsed: Fine del gioco")});
    QCOMPARE(bells, rings);
}

QTEST_GUILESS_MAIN(TestPlatform)
#include "test_platform.moc"
