#include "browser_keys.h"
#include "design.h"
#include "widgets.h"
#include "window_fixture.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPointer>
#include <QTimer>
#include <QWindow>

class TestWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void startUp();
    void rightAnswer();
    void wrongAnswer();
    void enterOnButtonPosesNext();
    void enterInBoxWhileButtonEnabledPressesIt();
    void typing_data();
    void typing();
    void pasteShortcutRefused();
    void enterGradesFourCharacters();
    void altNOnlyWhileEnabled();
    void exitEndsProgram_data();
    void exitEndsProgram();
    void creditsChangeNothing();
    void activationDoesNotReposeProblem();
    void minimizedTitleShowsTime();
    void newGameNo();
    void newGameYesRebuilds();
    void newGameFromInsideTick();
    void announcementWaitsForOpenBox();
    void endTimeFromClickBelowStopwatch();
    void endTimeByKeyboardNamedWithClock_data();
    void endTimeByKeyboardNamedWithClock();
    void browserFreeKeyTypesNothing_data();
    void browserFreeKeyTypesNothing();
    void tickFillsClockLabel();
    void focusCarriesWhatIsSaid_data();
    void focusCarriesWhatIsSaid();

private:
    WindowFixture f;
};

void TestWindow::init()
{
    failOnQtWarnings();
    f.boxes = FakeBoxes();
    f.system = FakeSystem();
    f.random = FakeRandom();
    f.clock.set(10, 0, 0);
    QVERIFY(f.open(false));
}

void TestWindow::cleanup()
{
    f.window.reset();
    WindowFixture::flushDeletes();
}

void TestWindow::startUp()
{
    QCOMPARE(f.window->windowTitle(), Tavola::dedication);
    QCOMPARE(f.c().lblNum1->text(), QStringLiteral("-10"));
    QCOMPARE(f.c().lblNum2->text(), QStringLiteral("10"));
    QCOMPARE(int(f.window->state().expectedSum), 0);
    QCOMPARE(f.c().lblScore->text(), QStringLiteral("0"));
    QCOMPARE(f.c().lblScore1->text(), QStringLiteral("0"));
    QCOMPARE(f.c().lblScore2->text(), QStringLiteral("0"));
    QVERIFY(f.c().txtAnswer->hasFocus());
    QVERIFY(!f.c().cmdNext->isEnabled());
    QCOMPARE(f.c().form->palette().color(QPalette::Window), QColor(200, 200, 255));
    QCOMPARE(f.random.reseeds, 2);  // one problem posed, each reseeding twice
}

void TestWindow::rightAnswer()
{
    f.answer(QStringLiteral("0"));
    QCOMPARE(f.c().lblMessage->text(), QStringLiteral("Esatto, è incredibile!!!"));
    QCOMPARE(f.c().lblScore->text(), QStringLiteral("1"));
    QCOMPARE(f.c().lblScore1->text(), QStringLiteral("0"));
    QCOMPARE(f.c().lblScore2->text(), QStringLiteral("1"));
    QVERIFY(f.c().cmdNext->isEnabled());
    QVERIFY(f.c().cmdNext->hasFocus());
    QCOMPARE(f.c().form->palette().color(QPalette::Window), QColor(200, 200, 255));
    QCOMPARE(f.c().txtAnswer->text(), QStringLiteral("0"));
}

void TestWindow::wrongAnswer()
{
    // An empty box is worth 0, right for -10 + 10.
    QTest::keyClick(f.c().txtAnswer, Qt::Key_Return);
    QCOMPARE(f.c().lblScore->text(), QStringLiteral("1"));
    f.random.draws = {0.275, 0.075, 0.9, 0.9};   // 6 + 2
    QTest::keyClick(f.c().cmdNext, Qt::Key_Return);
    QCOMPARE(int(f.window->state().expectedSum), 8);
    f.answer(QStringLiteral("-8"));
    QCOMPARE(f.c().lblMessage->text(), QStringLiteral("Sbagliato!! 8"));
    QCOMPARE(f.c().lblScore->text(), QStringLiteral("1"));
    QCOMPARE(f.c().lblScore1->text(), QStringLiteral("1"));
    QCOMPARE(f.c().lblScore2->text(), QStringLiteral("2"));
    QCOMPARE(f.c().form->palette().color(QPalette::Window), QColor(Qt::black));
    QVERIFY(f.c().cmdNext->hasFocus());
}

void TestWindow::enterOnButtonPosesNext()
{
    f.answer(QStringLiteral("5"));
    f.random.draws = {0.05, 0.05, 0.0, 0.0};
    QTest::keyClick(f.c().cmdNext, Qt::Key_Return);
    QCOMPARE(f.c().lblNum1->text(), QStringLiteral("-1"));
    QCOMPARE(f.c().lblNum2->text(), QStringLiteral("-1"));
    QCOMPARE(f.c().txtAnswer->text(), QString());
    QCOMPARE(f.c().lblMessage->text(), QString());
    QVERIFY(!f.c().cmdNext->isEnabled());
    QVERIFY(f.c().txtAnswer->hasFocus());
    QCOMPARE(f.c().form->palette().color(QPalette::Window), QColor(20, 20, 50));
}

void TestWindow::enterInBoxWhileButtonEnabledPressesIt()
{
    f.answer(QStringLiteral("0"));
    f.c().txtAnswer->setFocus();
    QTest::keyClick(f.c().txtAnswer, Qt::Key_Enter);
    QCOMPARE(f.c().lblScore2->text(), QStringLiteral("1"));
    QCOMPARE(f.c().txtAnswer->text(), QString());
    QVERIFY(!f.c().cmdNext->isEnabled());
}

void TestWindow::typing_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("atOnce");   // committed whole, as an on-screen keyboard's suggestion
    for (const bool atOnce : {false, true}) {
        const char *how = atOnce ? "at once: " : "";
        QTest::addRow("%srefused characters", how) << "a+. x" << "" << atOnce;
        QTest::addRow("%sminus and digits", how) << "-12" << "-12" << atOnce;
        QTest::addRow("%sminus anywhere", how) << "1-2-" << "1-2-" << atOnce;
        QTest::addRow("%sfour at most", how) << "123456" << "1234" << atOnce;
        QTest::addRow("%smixed", how) << "1a2b" << "12" << atOnce;
    }
}

void TestWindow::typing()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(bool, atOnce);
    if (atOnce)
        typeCommitted(typed);
    else
        QTest::keyClicks(f.c().txtAnswer, typed);
    QCOMPARE(f.c().txtAnswer->text(), shown);
}

void TestWindow::pasteShortcutRefused()
{
    QGuiApplication::clipboard()->setText(QStringLiteral("7"));
    QTest::keyClicks(f.c().txtAnswer, QStringLiteral("12"));
    QTest::keyClick(f.c().txtAnswer, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(f.c().txtAnswer, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(f.c().txtAnswer, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(f.c().txtAnswer->text(), QStringLiteral("12"));
    // Editing keys that produce no character keep working.
    QTest::keyClick(f.c().txtAnswer, Qt::Key_Left);
    QTest::keyClick(f.c().txtAnswer, Qt::Key_Backspace);
    QTest::keyClick(f.c().txtAnswer, Qt::Key_Delete);
    QCOMPARE(f.c().txtAnswer->text(), QString());
    QTest::keyClick(f.c().txtAnswer, Qt::Key_5, Qt::KeypadModifier);
    QCOMPARE(f.c().txtAnswer->text(), QStringLiteral("5"));
}

void TestWindow::enterGradesFourCharacters()
{
    QTest::keyClicks(f.c().txtAnswer, QStringLiteral("00000"));
    QTest::keyClick(f.c().txtAnswer, Qt::Key_Enter);
    QCOMPARE(f.c().txtAnswer->text(), QStringLiteral("0000"));
    QCOMPARE(f.c().lblMessage->text(), QStringLiteral("Esatto, è incredibile!!!"));
}

void TestWindow::altNOnlyWhileEnabled()
{
    const QString first = f.c().lblNum1->text();
    f.random.draws = {0.05};
    QTest::keyClick(f.c().txtAnswer, Qt::Key_N, Qt::AltModifier);
    QCOMPARE(f.c().lblNum1->text(), first);
    QCOMPARE(f.c().txtAnswer->text(), QString());
    f.answer(QStringLiteral("3"));
    QTest::keyClick(f.c().cmdNext, Qt::Key_N, Qt::AltModifier);
    QTRY_COMPARE(f.c().lblNum1->text(), QStringLiteral("-1"));
    QVERIFY(f.c().txtAnswer->hasFocus());
}

void TestWindow::exitEndsProgram_data()
{
    QTest::addColumn<bool>("byKeyboard");
    QTest::addColumn<bool>("endTimeSet");
    QTest::newRow("click") << false << false;
    QTest::newRow("Alt+X") << true << false;
    QTest::newRow("with an end time set") << false << true;
}

void TestWindow::exitEndsProgram()
{
    QFETCH(bool, byKeyboard);
    QFETCH(bool, endTimeSet);
    if (endTimeSet)
        f.window->state().endTime = DateTime::fromTime(10, 1, 0);
    if (byKeyboard)
        QTest::keyClick(f.c().txtAnswer, Qt::Key_X, Qt::AltModifier);
    else
        QTest::mouseClick(f.c().cmdExit, Qt::LeftButton);
    QTRY_COMPARE(f.system.quits, 1);
    QVERIFY(f.boxes.calls.empty());
}

void TestWindow::creditsChangeNothing()
{
    f.c().copy->trigger();
    QCOMPARE(f.boxes.calls.size(), std::size_t(1));
    QCOMPARE(f.boxes.calls[0].title, QStringLiteral("Scuola media statale"));
    QCOMPARE(f.boxes.calls[0].style.toInt(), 64);
    QVERIFY(!f.boxes.calls[0].text.isEmpty());
    QCOMPARE(f.c().lblNum1->text(), QStringLiteral("-10"));
    QCOMPARE(f.c().lblScore2->text(), QStringLiteral("0"));
}

void TestWindow::activationDoesNotReposeProblem()
{
    f.random.draws = {0.05};
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    f.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
    f.c().copy->trigger();
    QCOMPARE(f.c().lblNum1->text(), QStringLiteral("-10"));
    QCOMPARE(int(f.random.reseeds), 2);
    QVERIFY(f.c().txtAnswer->hasFocus());
}

void TestWindow::minimizedTitleShowsTime()
{
    f.clock.set(14, 22, 5);
    f.c().Timer1->start();
    f.window->showMinimized();
    QTRY_COMPARE(f.window->windowTitle(), QStringLiteral("02:22 PM"));
    f.window->showNormal();
    QTRY_COMPARE(f.window->windowTitle(), Tavola::dedication);
}

void TestWindow::newGameNo()
{
    f.answer(QStringLiteral("0"));
    f.c().Next->trigger();
    QCOMPARE(f.boxes.calls.size(), std::size_t(1));
    QCOMPARE(f.boxes.calls[0].text, QStringLiteral("INIZIAMO UNA NUOVA GARA  ?"));
    QCOMPARE(f.boxes.calls[0].title, QStringLiteral("INIZIARE NUOVA GARA"));
    QCOMPARE(f.boxes.calls[0].style.toInt(), 292);
    QCOMPARE(f.c().lblScore->text(), QStringLiteral("1"));
    QCOMPARE(int(f.window->state().rightAnswers), 1);
}

void TestWindow::newGameYesRebuilds()
{
    f.answer(QStringLiteral("4"));
    f.window->state().endTime = QStringLiteral("abc");
    QPointer<QWidget> oldForm = f.c().form;
    f.boxes.buttons = {Button::Yes};
    f.random.draws = {0.05, 0.05, 0.0, 0.0};
    // The window stays on screen throughout: taken off even for a moment, it
    // is no longer the active one and a screen reader falls silent.
    int takenOff = 0;
    QObject watching;
    QObject::connect(f.window->windowHandle(), &QWindow::visibleChanged, &watching,
                     [&takenOff](bool visible) { takenOff += !visible; });
    f.c().Next->trigger();
    QCoreApplication::processEvents();
    WindowFixture::flushDeletes();
    QCOMPARE(takenOff, 0);
    QVERIFY(oldForm.isNull());
    QVERIFY(f.window->isVisible());
    QCOMPARE(f.window->windowTitle(), Tavola::dedication);
    QCOMPARE(f.c().lblScore->text(), QStringLiteral("0"));
    QCOMPARE(f.c().lblScore1->text(), QStringLiteral("0"));
    QCOMPARE(f.c().lblScore2->text(), QStringLiteral("0"));
    QCOMPARE(f.c().lblMessage->text(), QString());
    QCOMPARE(f.c().lblNum1->text(), QStringLiteral("-1"));
    QCOMPARE(int(f.window->state().wrongAnswers), 0);
    QCOMPARE(std::get<QString>(f.window->state().endTime), QString());
    QCOMPARE(f.c().form->palette().color(QPalette::Window), QColor(20, 20, 50));
    QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
    QTRY_VERIFY(f.c().txtAnswer->hasFocus());
    QVERIFY(f.c().Timer1->isActive());
    // The new controls work as the first ones did.
    f.answer(QStringLiteral("-2"));
    QCOMPARE(f.c().lblScore->text(), QStringLiteral("1"));
}

void TestWindow::newGameFromInsideTick()
{
    f.window->state().endTime = DateTime::fromTime(10, 0, 0);
    f.answer(QStringLiteral("1"));
    f.boxes.buttons = {Button::Ok, Button::Yes};
    QPointer<QTimer> oldTimer = f.c().Timer1;
    f.window->Timer1_Timer();
    QCOMPARE(f.system.beeps, 1);
    QCOMPARE(f.boxes.titles(), (QStringList{QStringLiteral("Fine"), QStringLiteral("INIZIARE NUOVA GARA")}));
    QVERIFY(f.window->state().endAnnounced);
    WindowFixture::flushDeletes();
    QVERIFY(oldTimer.isNull());
    QCOMPARE(f.c().lblScore1->text(), QStringLiteral("0"));
    // The next tick sees no end time and re-arms the announcement.
    f.clock.advance(1);
    f.window->Timer1_Timer();
    QVERIFY(!f.window->state().endAnnounced);
    QCOMPARE(f.c().lblTime->text(), QStringLiteral("10:00:01"));
}

void TestWindow::announcementWaitsForOpenBox()
{
    f.window->state().endTime = DateTime::fromTime(10, 0, 0);
    // The end comes while the pupil reads the credits.
    f.boxes.whileOpen = [this] {
        f.clock.advance(1);
        f.window->Timer1_Timer();
        QCOMPARE(f.system.beeps, 0);
        QCOMPARE(f.c().lblTime->text(), QStringLiteral("10:00:01"));
    };
    f.c().copy->trigger();
    QCOMPARE(f.system.beeps, 0);
    f.clock.advance(1);
    f.window->Timer1_Timer();
    QCOMPARE(f.system.beeps, 1);
    QCOMPARE(f.boxes.titles(), QStringLiteral("Scuola media statale|Fine|INIZIARE NUOVA GARA").split(u'|'));
}

void TestWindow::endTimeFromClickBelowStopwatch()
{
    QWidget *form = f.c().form;
    // Inside the click area and the verdict line both, below the stopwatch.
    const QPoint below(Design::pixels(7440) + 10, Design::pixels(2040) + 20);
    QCOMPARE(form->childAt(below), f.c().Label8);
    const QPoint onStopwatch(Design::pixels(7440) + 16, Design::pixels(1680) + 16);
    QCOMPARE(form->childAt(onStopwatch)->objectName(), QStringLiteral("Image1"));

    f.boxes.inputs = {QStringLiteral("10.30")};
    QTest::mouseClick(f.c().Label8, Qt::LeftButton, {}, f.c().Label8->mapFrom(form, below));
    QCOMPARE(f.boxes.calls.size(), std::size_t(1));
    QCOMPARE(f.boxes.calls[0].kind, QStringLiteral("input"));
    QVERIFY(f.window->state().endTime == EndTime(DateTime::fromTime(10, 30, 0)));
    // A click on the stopwatch itself sets nothing.
    QTest::mouseClick(form->childAt(onStopwatch), Qt::LeftButton);
    QCOMPARE(f.boxes.calls.size(), std::size_t(1));
}

void TestWindow::endTimeByKeyboardNamedWithClock_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("clockName");
    // What the answer box says as the focus comes back to it from the prompt.
    QTest::addColumn<QString>("heard");
    // A browser keeps Ctrl+T for a new tab: on a page Alt+T asks.
    QTest::addColumn<bool>("inBrowser");
    const QString problem = QStringLiteral(" Quanto fa meno 10 più 10? Scrivi il risultato e premi Invio.");
    QTest::newRow("a time") << QStringLiteral("14.22") << QStringLiteral("Orologio: 10:00:00, fine alle 14:22:00")
                            << QStringLiteral("Il gioco finisce alle 14:22:00.") + problem << false;
    QTest::newRow("cancelled") << QString() << QStringLiteral("Orologio: 10:00:00")
                               << QStringLiteral("Nessun orario di fine gioco.") + problem << false;
    QTest::newRow("not a time") << QStringLiteral("xyz") << QStringLiteral("Orologio: 10:00:00")
                                << QStringLiteral("Nessun orario di fine gioco.") + problem << false;
    QTest::newRow("a time, in a browser") << QStringLiteral("14.22") << QStringLiteral("Orologio: 10:00:00, fine alle 14:22:00")
                                          << QStringLiteral("Il gioco finisce alle 14:22:00.") + problem << true;
}

void TestWindow::endTimeByKeyboardNamedWithClock()
{
    QFETCH(QString, typed);
    QFETCH(QString, clockName);
    QFETCH(QString, heard);
    QFETCH(bool, inBrowser);
    f.window->Timer1_Timer();
    if (inBrowser) {
        addBrowserFreeKeys(f.window.get());
        QCOMPARE(withBrowserFreeKeys(f.c().Label8->accessibleDescription()),
                 QStringLiteral("Clic qui o Alt+T: chiede l'orario in cui il gioco finisce."));
    }
    // Twice: the second answer replaces what the first one said.
    for (int time = 0; time < 2; ++time) {
        f.boxes.inputs = {typed};
        // From the answer box, whose key filter refuses control characters.
        QTest::keyClick(f.c().txtAnswer, Qt::Key_T, inBrowser ? Qt::AltModifier : Qt::ControlModifier);
    }
    QCOMPARE(f.boxes.calls.size(), std::size_t(typed == QStringLiteral("xyz") ? 4 : 2));
    QCOMPARE(f.boxes.calls[0].title, QStringLiteral("Il gioco termina alle ore"));
    QCOMPARE(f.c().txtAnswer->text(), QString());
    QCOMPARE(f.c().lblTime->accessibleName(), clockName);
    QCOMPARE(f.c().txtAnswer->accessibleDescription(), heard);
    // Said once: the box speaks its own words again once it has lost the focus.
    f.c().txtAnswer->clearFocus();
    QCOMPARE(f.c().txtAnswer->accessibleDescription(), heard.mid(heard.indexOf(QStringLiteral("Quanto"))));
    // The next tick keeps the end time in the name.
    f.clock.advance(1);
    f.window->Timer1_Timer();
    QCOMPARE(f.c().lblTime->accessibleName(), QString(clockName).replace(QStringLiteral("10:00:00"), QStringLiteral("10:00:01")));
}

void TestWindow::browserFreeKeyTypesNothing_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("shortcut");
    QTest::newRow("Alt+T") << int(Qt::Key_T) << int(Qt::AltModifier) << true;
    QTest::newRow("Alt+W") << int(Qt::Key_W) << int(Qt::AltModifier) << true;
    QTest::newRow("Ctrl+T, the desktop's") << int(Qt::Key_T) << int(Qt::ControlModifier) << false;
    QTest::newRow("t") << int(Qt::Key_T) << int(Qt::NoModifier) << false;
    QTest::newRow("Alt+Shift+T") << int(Qt::Key_T) << int(Qt::AltModifier | Qt::ShiftModifier) << false;
    QTest::newRow("Alt+5") << int(Qt::Key_5) << int(Qt::AltModifier) << false;
}

void TestWindow::browserFreeKeyTypesNothing()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, shortcut);
    const QString text = QKeySequence(key).toString().toLower();
    QCOMPARE(isBrowserFreeKey(QKeyEvent(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), text)), shortcut);
}

void TestWindow::tickFillsClockLabel()
{
    QCOMPARE(f.c().lblTime->text(), QString());
    const QPoint corner = f.c().lblTime->pos();
    f.clock.set(9, 5, 7);
    // The design's timer drives the tick.
    f.c().Timer1->start();
    QTRY_COMPARE_WITH_TIMEOUT(f.c().lblTime->text(), QStringLiteral("09:05:07"), 2000);
    QCOMPARE(f.c().lblTime->pos(), corner);
    QVERIFY(f.c().lblTime->width() > Design::pixels(90));
}

namespace {
// What a screen reader would be told, in order: a control taking the focus
// with its description at that moment, or the answer box's text changing.
class Listener : public QObject
{
public:
    struct Told
    {
        QString name;
        QString description;   // "" for a change of text
    };
    std::vector<Told> told;

    explicit Listener(const Controls &c)
    {
        for (QWidget *w : {static_cast<QWidget *>(c.txtAnswer), static_cast<QWidget *>(c.cmdNext)})
            w->installEventFilter(this);
        connect(c.txtAnswer, &QLineEdit::textChanged, this, [this] { told.push_back({QStringLiteral("edit"), {}}); });
    }

    const Told *focusOf(const QString &name) const
    {
        for (const Told &t : told) {
            if (t.name == name)
                return &t;
        }
        return nullptr;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusIn)
            told.push_back({watched->objectName(), static_cast<QWidget *>(watched)->accessibleDescription()});
        return false;
    }
};
}

void TestWindow::focusCarriesWhatIsSaid_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("verdict");
    // -10 + 10 on screen; after Enter on the button, -1 + -1.
    QTest::newRow("right") << QStringLiteral("0") << QStringLiteral("Esatto! Esatte 1, errate 0, totali 1.");
    QTest::newRow("wrong") << QStringLiteral("-12")
                           << QStringLiteral("Sbagliato. Il risultato giusto è 0. Esatte 0, errate 1, totali 1.");
}

void TestWindow::focusCarriesWhatIsSaid()
{
    QFETCH(QString, answer);
    QFETCH(QString, verdict);
    QCOMPARE(f.c().txtAnswer->accessibleDescription(),
             QStringLiteral("Quanto fa meno 10 più 10? Scrivi il risultato e premi Invio."));
    QTest::keyClicks(f.c().txtAnswer, answer);
    Listener listener(f.c());
    QTest::keyClick(f.c().txtAnswer, Qt::Key_Return);
    const auto *onButton = listener.focusOf(QStringLiteral("cmdNext"));
    QVERIFY(onButton);
    QCOMPARE(onButton->description, verdict);

    listener.told.clear();
    f.random.draws = {0.05, 0.05, 0.0, 0.0};
    QTest::keyClick(f.c().cmdNext, Qt::Key_Return);
    // The box takes the focus first, with the new sum in words, and is
    // emptied only then: a change in it beforehand makes a screen reader
    // drop the focus event as one it has already seen.
    QVERIFY(!listener.told.empty());
    QCOMPARE(listener.told.front().name, QStringLiteral("txtAnswer"));
    QCOMPARE(listener.told.front().description, QStringLiteral("Quanto fa meno 1 più meno 1?"));
    QCOMPARE(f.c().txtAnswer->text(), QString());
    QVERIFY(!f.c().cmdNext->isEnabled());
    // The disabled button has no verdict left to say.
    QCOMPARE(f.c().cmdNext->accessibleDescription(), QStringLiteral("Pone il prossimo calcolo."));
}

QTEST_MAIN(TestWindow)
#include "test_window.moc"
