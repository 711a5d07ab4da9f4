#include "counting_boxes.h"
#include "fakes.h"
#include "focus_speaker.h"
#include "qt_services.h"
#include "qt_warnings.h"
#include "spoken.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <functional>
#include <optional>

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

// The real boxes, answered by the keyboard as a pupil would.
class TestBoxes : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void messageStyle_data();
    void messageStyle();
    void inputBox_data();
    void inputBox();
    void countsOpenBoxes();
    void italianYesNo();
    void endSound_data();
    void endSound();
    void keysInThePauseAnswerNothing_data();
    void keysInThePauseAnswerNothing();
    void boxesSaidAsTheyOpen_data();
    void boxesSaidAsTheyOpen();
    void focusSaidOnceSettled_data();
    void focusSaidOnceSettled();

private:
    // Runs `answer` on the box once it is open (a box that follows another
    // one opens after a pause).
    void whenOpen(std::function<void(QWidget *)> answer)
    {
        auto *poll = new QTimer(this);
        connect(poll, &QTimer::timeout, this, [poll, answer] {
            if (QWidget *box = QApplication::activeModalWidget()) {
                poll->stop();
                poll->deleteLater();
                answer(box);
            }
        });
        poll->start(10);
    }
    QtBoxes m_boxes;
    QWidget m_owner;   // never shown: boxes open over it all the same
};

void TestBoxes::init()
{
    failOnQtWarnings();
    m_boxes.setOwner(&m_owner);
}

void TestBoxes::messageStyle_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("key");
    QTest::addColumn<Button>("result");
    QTest::addColumn<int>("icon");
    QTest::newRow("ok, no icon") << 0 << int(Qt::Key_Return) << Button::Ok << int(QMessageBox::NoIcon);
    QTest::newRow("credits") << 64 << int(Qt::Key_Return) << Button::Ok << int(QMessageBox::Information);
    QTest::newRow("new game: Enter means No") << 292 << int(Qt::Key_Return) << Button::No << int(QMessageBox::Question);
    QTest::newRow("new game: Escape means No") << 292 << int(Qt::Key_Escape) << Button::No << int(QMessageBox::Question);
    QTest::newRow("yes/no, first default") << 36 << int(Qt::Key_Return) << Button::Yes << int(QMessageBox::Question);
    QTest::newRow("yes/no, first default: Escape means No") << 36 << int(Qt::Key_Escape) << Button::No
                                                            << int(QMessageBox::Question);
    // Closed by other means than its buttons (key 0): No, or Ok.
    QTest::newRow("new game closed otherwise") << 292 << 0 << Button::No << int(QMessageBox::Question);
    QTest::newRow("credits closed otherwise") << 64 << 0 << Button::Ok << int(QMessageBox::Information);
}

void TestBoxes::messageStyle()
{
    QFETCH(int, style);
    QFETCH(int, key);
    QFETCH(Button, result);
    QFETCH(int, icon);
    QString title;
    int shownIcon = -1;
    QWidget *parent = nullptr;
    whenOpen([&](QWidget *box) {
        title = box->windowTitle();
        parent = box->parentWidget();
        shownIcon = int(static_cast<QMessageBox *>(box)->icon());
        if (key)
            QTest::keyClick(box, Qt::Key(key));
        else
            static_cast<QDialog *>(box)->done(0);
    });
    std::optional<Button> pressed;
    m_boxes.message(QStringLiteral("INIZIAMO UNA NUOVA GARA  ?"), BoxStyles::fromInt(style), QStringLiteral("Titolo"),
                    [&pressed](Button b) { pressed = b; });
    QTRY_VERIFY(pressed);
    QCOMPARE(*pressed, result);
    QCOMPARE(title, QStringLiteral("Titolo"));
    QCOMPARE(shownIcon, icon);
    QCOMPARE(parent, &m_owner);
}

void TestBoxes::inputBox_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<QString>("result");
    QTest::newRow("typed") << "14.22" << false << "14.22";
    QTest::newRow("cancelled") << "14.22" << true << "";
    QTest::newRow("emptied") << "" << false << "";
}

void TestBoxes::inputBox()
{
    QFETCH(QString, typed);
    QFETCH(bool, cancel);
    QFETCH(QString, result);
    QString offered;
    QWidget *parent = nullptr;
    whenOpen([&](QWidget *box) {
        parent = box->parentWidget();
        auto *edit = box->findChild<QLineEdit *>();
        offered = edit->text();
        edit->clear();
        QTest::keyClicks(edit, typed);
        QTest::keyClick(edit, cancel ? Qt::Key_Escape : Qt::Key_Return);
    });
    std::optional<QString> typedBack;
    m_boxes.input(QStringLiteral("Immettere"), QStringLiteral("Titolo"), QStringLiteral("xyz"),
                  [&typedBack](const QString &text) { typedBack = text; });
    QTRY_VERIFY(typedBack);
    QCOMPARE(*typedBack, result);
    QCOMPARE(offered, QStringLiteral("xyz"));
    QCOMPARE(parent, &m_owner);
}

void TestBoxes::countsOpenBoxes()
{
    QtBoxes boxes;   // no box closed just before: this one opens at once
    boxes.setOwner(&m_owner);
    CountingBoxes counting(boxes);
    bool openSeen = false;
    whenOpen([&](QWidget *box) {
        openSeen = counting.anyOpen();
        QTest::keyClick(box, Qt::Key_Return);
    });
    counting.message(QStringLiteral("x"), BoxStyle::okOnly, QStringLiteral("y"));
    // The call has returned, the box waits for its answer: nothing blocks.
    QVERIFY(counting.anyOpen());
    QTRY_VERIFY(!counting.anyOpen());
    QVERIFY(openSeen);
}

void TestBoxes::italianYesNo()
{
    QTranslator translator;
    QVERIFY(installToolkitTranslations(translator, QLocale(QLocale::Italian, QLocale::Italy)));
    QStringList buttons;
    whenOpen([&](QWidget *box) {
        for (auto *b : box->findChildren<QPushButton *>())
            buttons << b->text().remove(u'&');
        QTest::keyClick(box, Qt::Key_Escape);
    });
    bool answered = false;
    m_boxes.message(QStringLiteral("INIZIAMO UNA NUOVA GARA  ?"), BoxStyles::fromInt(292),
                    QStringLiteral("INIZIARE NUOVA GARA"),
                    [&answered](Button) { answered = true; });
    QTRY_VERIFY(answered);
    QCoreApplication::removeTranslator(&translator);
    buttons.sort();
    QCOMPARE(buttons, QStringLiteral("No Sì").split(u' '));
}

namespace {
int bells = 0;
}

void TestBoxes::endSound_data()
{
    QTest::addColumn<bool>("available");
    QTest::addColumn<int>("rings");
    QTest::newRow("the theme plays it") << true << 0;
    QTest::newRow("no sound server: the bell") << false << 1;
}

void TestBoxes::endSound()
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

namespace {
// Counts the keys and clicks that reach a widget.
class InputCounter final : public QObject
{
public:
    int count = 0;
protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        count += event->type() == QEvent::KeyPress || event->type() == QEvent::MouseButtonPress;
        return false;
    }
};
}

void TestBoxes::keysInThePauseAnswerNothing_data()
{
    QTest::addColumn<int>("key");   // 0: a click
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("Ctrl+T") << int(Qt::Key_T);
    QTest::newRow("a click") << 0;
}

void TestBoxes::keysInThePauseAnswerNothing()
{
    QFETCH(int, key);
    // As on a web page, the input of the pause is handed over at once.
    InputCounter counter;
    QLineEdit answer;
    answer.installEventFilter(&counter);
    whenOpen([](QWidget *box) { QTest::keyClick(box, Qt::Key_Return); });
    QElapsedTimer pause;
    m_boxes.message(QStringLiteral("Gioco fino alle 14:22:00"), BoxStyle::okOnly, QStringLiteral("Fine"),
                    [&pause](Button) { pause.start(); });
    QTRY_VERIFY(pause.isValid());
    int firstOpen = 0;
    qint64 waited = 0;
    whenOpen([&](QWidget *box) {
        firstOpen = counter.count;
        waited = pause.elapsed();
        QTest::keyClick(box, Qt::Key_Escape);
    });
    QTimer::singleShot(QtBoxes::pauseBetweenBoxesMs / 4, &answer, [&answer, key] {
        if (key)
            QTest::keyClick(&answer, Qt::Key(key), key == Qt::Key_T ? Qt::ControlModifier : Qt::NoModifier);
        else
            QTest::mouseClick(&answer, Qt::LeftButton);
    });
    std::optional<Button> pressed;
    m_boxes.message(QStringLiteral("INIZIAMO UNA NUOVA GARA  ?"), BoxStyles::fromInt(292), QStringLiteral("Titolo"),
                    [&pressed](Button b) { pressed = b; });
    QTRY_VERIFY(pressed);
    QCOMPARE(*pressed, Button::No);
    QCOMPARE(firstOpen, 0);
    // A pause, not a wait: long enough for a screen reader, short for a pupil.
    QVERIFY2(waited >= QtBoxes::pauseBetweenBoxesMs && waited < 2000, qPrintable(QString::number(waited)));
    // Once the pause is over, input reaches the window again.
    QTest::keyClick(&answer, Qt::Key_1);
    QCOMPARE(counter.count, 1);
}

void TestBoxes::boxesSaidAsTheyOpen_data()
{
    QTest::addColumn<bool>("input");
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("heard");
    QTest::newRow("new game") << false << 292
        << "INIZIARE NUOVA GARA. INIZIAMO UNA NUOVA GARA  ? Pulsanti: Yes, No. No, pulsante.";
    QTest::newRow("the end") << false << 0 << "INIZIARE NUOVA GARA. INIZIAMO UNA NUOVA GARA  ? OK, pulsante.";
    QTest::newRow("end-time prompt") << true << 0
        << "INIZIARE NUOVA GARA. INIZIAMO UNA NUOVA GARA  ? Pulsanti: OK, Cancel. Casella di testo: 14.22";
}

void TestBoxes::boxesSaidAsTheyOpen()
{
    QFETCH(bool, input);
    QFETCH(int, style);
    QFETCH(QString, heard);
    QStringList said;
    FocusSpeaker speaker([&said](const QString &words) { said << words; });
    QLineEdit answer;
    m_boxes.setOwner(&answer);
    answer.setAccessibleDescription(QStringLiteral("Quanto fa 1 più 1?"));
    answer.show();
    answer.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&answer));
    answer.setFocus();
    QTRY_COMPARE(said.value(0), QStringLiteral("Quanto fa 1 più 1?"));
    QStringList inBox;
    whenOpen([&](QWidget *box) {
        QTRY_VERIFY(said.size() > 1);
        inBox = said;
        QTest::keyClick(box, Qt::Key_Escape);
    });
    const QString title = QStringLiteral("INIZIARE NUOVA GARA");
    const QString text = QStringLiteral("INIZIAMO UNA NUOVA GARA  ?");
    bool answered = false;
    if (input)
        m_boxes.input(text, title, QStringLiteral("14.22"), [&answered](const QString &) { answered = true; });
    else
        m_boxes.message(text, BoxStyles::fromInt(style), title, [&answered](Button) { answered = true; });
    QTRY_VERIFY(answered);
    QCOMPARE(inBox.mid(1), QStringList{heard});
    // Back in the window, its control is heard again, without the box.
    QTRY_COMPARE(said.mid(inBox.size()), QStringList{QStringLiteral("Quanto fa 1 più 1?")});
}

void TestBoxes::focusSaidOnceSettled_data()
{
    // What happens before the event loop runs again, once the focus came to the answer.
    QTest::addColumn<QString>("then");
    QTest::addColumn<QString>("note");
    QTest::addColumn<QStringList>("heard");
    // A window gives words a note as the focus comes back (the end time after its prompt).
    QTest::newRow("note armed as the focus arrives") << QStringLiteral("note") << QStringLiteral("Nessun orario di fine gioco.")
        << QStringList{QStringLiteral("Nessun orario di fine gioco. Quanto fa 1 più 1?")};
    // A closing menu gives the focus back just before a box takes it.
    QTest::newRow("focus passing through") << QStringLiteral("exit") << QString() << QStringList{QStringLiteral("Esci, pulsante.")};
    // The same on a page, where the box takes the focus only once shown.
    QTest::newRow("box shown before it takes the focus") << QStringLiteral("box") << QString()
        << QStringList{QStringLiteral("Crediti. Scuola media statale. OK, pulsante.")};
}

void TestBoxes::focusSaidOnceSettled()
{
    QFETCH(QString, then);
    QFETCH(QString, note);
    QFETCH(QStringList, heard);
    QWidget window;
    auto *answer = new QLineEdit(&window);
    auto *exit = new QPushButton(QStringLiteral("E&sci"), &window);
    answer->setAccessibleDescription(QStringLiteral("Quanto fa 1 più 1?"));
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    exit->setFocus();
    QStringList said;
    FocusSpeaker speaker([&said](const QString &words) { said << words; });
    QMessageBox box(QMessageBox::Information, QStringLiteral("Crediti"), QStringLiteral("Scuola media statale."),
                    QMessageBox::Ok, &window);
    answer->setFocus();
    if (then == QLatin1String("exit")) {
        exit->setFocus();
    } else if (then == QLatin1String("box")) {
        box.setAttribute(Qt::WA_ShowWithoutActivating);
        box.open();
        QTimer::singleShot(0, &box, [&box] { box.activateWindow(); });
    } else {
        answer->setAccessibleDescription(spokenBefore(note, answer->accessibleDescription()));
    }
    QTRY_VERIFY(!said.isEmpty());
    QTest::qWait(50);
    QCOMPARE(said, heard);
}

QTEST_MAIN(TestBoxes)
#include "test_boxes.moc"
