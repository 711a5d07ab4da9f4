#include "counting_boxes.h"
#include "fakes.h"
#include "qt_services.h"
#include "qt_warnings.h"

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
    void keysInThePauseAnswerNothing_data();
    void keysInThePauseAnswerNothing();

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

QTEST_MAIN(TestBoxes)
#include "test_boxes.moc"
