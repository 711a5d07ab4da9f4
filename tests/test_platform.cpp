#include "qt_services.h"
#include "qt_time_text.h"
#include "qt_warnings.h"
#include "startup.h"

#include <QTest>

Q_DECLARE_METATYPE(QLocale)

// The toolkit layer where it needs no window: times read and written in the
// user's language, the window system asked for, how the end sounds.
class TestPlatform : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { failOnQtWarnings(); }
    void parse_data();
    void parse();
    void longTime_data();
    void longTime();
    void mediumTimeReadsBack_data();
    void mediumTimeReadsBack();
    void readsBackInEveryLocale_data();
    void readsBackInEveryLocale();
    void timeSeparator_data();
    void timeSeparator();
    void windowSystem_data();
    void windowSystem();
    void endSound_data();
    void endSound();
};

namespace {
const QLocale italian(QLocale::Italian, QLocale::Italy);
const QLocale american(QLocale::English, QLocale::UnitedStates);
constexpr qint64 day(int y, int m, int d)
{
    // Days from 30 December 1899, for the dates in the table below.
    return y == 2026 && m == 12 && d == 8 ? 46364 : y == 2026 && m == 8 && d == 12 ? 46246 : -1;
}
}

void TestPlatform::parse_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<qint64>("secs");
    const qint64 t1422 = 14 * 3600 + 22 * 60;
    QTest::newRow("dots") << italian << "14.22" << true << t1422;
    QTest::newRow("colon") << italian << "14:22" << true << t1422;
    QTest::newRow("seconds with dots") << italian << "14.22.05" << true << t1422 + 5;
    QTest::newRow("seconds with colons") << italian << "14:22:05" << true << t1422 + 5;
    QTest::newRow("afternoon") << italian << "2:22 PM" << true << t1422;
    QTest::newRow("lower-case designator") << italian << "2:22 pm" << true << t1422;
    QTest::newRow("midnight on the 12-hour clock") << american << "12:05 AM" << true << 300LL;
    QTest::newRow("noon on the 12-hour clock") << american << "12:05 PM" << true << 12 * 3600LL + 300;
    QTest::newRow("hour and designator") << american << "2 PM" << true << 14 * 3600LL;
    QTest::newRow("blanks around") << italian << "  9.05 " << true << 9 * 3600LL + 300;
    QTest::newRow("day first") << italian << "8/12/2026" << true << day(2026, 12, 8) * 86400;
    QTest::newRow("month first") << american << "8/12/2026" << true << day(2026, 8, 12) * 86400;
    QTest::newRow("date and time") << italian << "8/12/2026 14:22" << true << day(2026, 12, 8) * 86400 + t1422;
    QTest::newRow("iso date") << italian << "2026-12-08" << true << day(2026, 12, 8) * 86400;
    QTest::newRow("two-digit year") << italian << "8/12/26" << true << day(2026, 12, 8) * 86400;
    QTest::newRow("letters") << italian << "xyz" << false << 0LL;
    QTest::newRow("hour alone") << italian << "14" << false << 0LL;
    QTest::newRow("hour too large") << italian << "24.00" << false << 0LL;
    QTest::newRow("minute too large") << italian << "14.60" << false << 0LL;
    QTest::newRow("13 PM") << italian << "13:00 PM" << false << 0LL;
    QTest::newRow("no such day") << italian << "31/2/2026" << false << 0LL;
    QTest::newRow("trailing junk") << italian << "14.22x" << false << 0LL;
    QTest::newRow("empty") << italian << "" << false << 0LL;
    QTest::newRow("afternoon marker not PM") << QLocale(QStringLiteral("es_ES")) << "2:22 p. m." << true << t1422;
    QTest::newRow("marker before the time") << QLocale(QStringLiteral("ko_KR")) << "오후 2:22" << true << t1422;
    QTest::newRow("marker on both sides") << QLocale(QStringLiteral("ko_KR")) << "오후 2:22 오후" << false << 0LL;
    QTest::newRow("persian digits") << QLocale(QStringLiteral("fa_IR")) << "۱۴:۲۲" << true << t1422;
    QTest::newRow("dotted date") << QLocale(QStringLiteral("de_DE")) << "08.12.2026 14:22" << true
                                 << day(2026, 12, 8) * 86400 + t1422;
    QTest::newRow("direction marks") << QLocale(QStringLiteral("ar_EG")) << "8\u200f/12\u200f/2026" << true
                                     << day(2026, 12, 8) * 86400;
}

void TestPlatform::parse()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(qint64, secs);
    const auto value = QtTimeText(locale).parse(text);
    QCOMPARE(value.has_value(), valid);
    if (valid)
        QCOMPARE(value->secs, secs);
}

void TestPlatform::longTime_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<qint64>("secs");
    QTest::addColumn<QString>("text");
    QTest::newRow("italian") << italian << 14 * 3600LL + 22 * 60 + 5 << "14:22:05";
    QTest::newRow("american") << american << 14 * 3600LL + 22 * 60 + 5 << "2:22:05 PM";
    QTest::newRow("italian date and time") << italian << day(2026, 12, 8) * 86400 + 3600 << "08/12/2026 01:00:00";
    QTest::newRow("a later century reads back") << american << 120000LL * 86400 << "7/18/2228";
    QTest::newRow("date alone") << italian << day(2026, 12, 8) * 86400 << "08/12/2026";
    QTest::newRow("midnight") << italian << 0LL << "00:00:00";
    QTest::newRow("american midnight") << american << 0LL << "12:00:00 AM";
    QTest::newRow("last second of the day") << italian << 86399LL << "23:59:59";
    QTest::newRow("no bracket left by the zone") << QLocale(QStringLiteral("es_ES")) << 3600LL << "1:00:00";
    QTest::newRow("words between the numbers") << QLocale(QStringLiteral("ja_JP")) << 3600LL << "01:00:00";
    QTest::newRow("month names") << QLocale::c() << day(2026, 12, 8) * 86400 + 60 << "2026-12-08 00:01:00";
}

void TestPlatform::longTime()
{
    QFETCH(QLocale, locale);
    QFETCH(qint64, secs);
    QFETCH(QString, text);
    const QtTimeText timeText(locale);
    QCOMPARE(timeText.text(DateTime{secs}), text);
    // No time zone: what the clock shows must read back as a time.
    QVERIFY(timeText.parse(timeText.text(DateTime{secs})).has_value());
}

void TestPlatform::mediumTimeReadsBack_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<int>("secs");
    QTest::addColumn<QString>("text");
    QTest::newRow("italian afternoon") << italian << 14 * 3600 + 22 * 60 + 59 << "02:22 PM";
    QTest::newRow("italian midnight") << italian << 5 * 60 << "12:05 AM";
    QTest::newRow("american morning") << american << 9 * 3600 + 7 * 60 << "09:07 AM";
    QTest::newRow("a dot between hours and minutes") << QLocale(QStringLiteral("fi_FI")) << 14 * 3600 + 22 * 60 << "02.22 IP.";
}

void TestPlatform::mediumTimeReadsBack()
{
    QFETCH(QLocale, locale);
    QFETCH(int, secs);
    QFETCH(QString, text);
    const QtTimeText timeText(locale);
    const QString shown = timeText.mediumTime(DateTime{secs});
    QCOMPARE(shown, text);
    const auto back = timeText.parse(shown);
    QVERIFY(back.has_value());
    QCOMPARE(back->minute(), DateTime{secs}.minute());
    QCOMPARE(back->hour(), DateTime{secs}.hour());
}

void TestPlatform::readsBackInEveryLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    for (const QLocale &locale : QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript,
                                                          QLocale::AnyTerritory))
        QTest::newRow(qPrintable(locale.name() + u' ' + locale.nativeLanguageName())) << locale;
}

void TestPlatform::readsBackInEveryLocale()
{
    QFETCH(QLocale, locale);
    const QtTimeText timeText(locale);
    // The day's boundaries, both halves of the day, and a date with a day
    // above 12 so that day and month cannot be swapped unnoticed.
    const qint64 dated = day(2026, 8, 12) * 86400;
    for (const qint64 secs : {0LL, 1LL, 12 * 3600LL, 13 * 3600LL + 45 * 60 + 56, 86399LL, dated, dated + 86399,
                              day(2026, 12, 8) * 86400 + 9 * 3600 + 5 * 60 + 7}) {
        const DateTime value{secs};
        const QString shown = timeText.text(value);
        QVERIFY2(!shown.contains(QStringLiteral("()")), qPrintable(shown));
        const auto back = timeText.parse(shown);
        QVERIFY2(back && *back == value, qPrintable(shown));
        if (!value.isBareTime())
            continue;
        // The minimized title: its hour and minute read back.
        const QString title = timeText.mediumTime(value);
        const auto titleBack = timeText.parse(title);
        QVERIFY2(titleBack && titleBack->hour() == value.hour() && titleBack->minute() == value.minute(),
                 qPrintable(title));
    }
}

void TestPlatform::timeSeparator_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("separator");
    QTest::newRow("colon") << "HH:mm" << ":";
    QTest::newRow("dot") << "H.mm" << ".";
    QTest::newRow("dot after a 12-hour hour") << "AP h.mm" << ".";
    QTest::newRow("colon after a 12-hour hour") << "h:mm AP" << ":";
    QTest::newRow("a dot elsewhere only") << "d.M. HH 'h' mm" << ":";
    QTest::newRow("a word between") << "H 'h' mm" << ":";
}

void TestPlatform::timeSeparator()
{
    QFETCH(QString, format);
    QFETCH(QString, separator);
    QCOMPARE(QString(::timeSeparator(format)), separator);
}

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

QTEST_APPLESS_MAIN(TestPlatform)
#include "test_platform.moc"
