#include "focus_speaker.h"
#include "qt_services.h"
#include "qt_warnings.h"
#include "spoken.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

// What a listener hears of the window and its boxes, through the real widgets.
class TestSpeaker : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { failOnQtWarnings(); }
    void boxesSaidAsTheyOpen_data();
    void boxesSaidAsTheyOpen();
    void focusSaidOnceSettled_data();
    void focusSaidOnceSettled();

private:
    QtBoxes m_boxes;
};

void TestSpeaker::boxesSaidAsTheyOpen_data()
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

void TestSpeaker::boxesSaidAsTheyOpen()
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
    const QString title = QStringLiteral("INIZIARE NUOVA GARA");
    const QString text = QStringLiteral("INIZIAMO UNA NUOVA GARA  ?");
    bool answered = false;
    if (input)
        m_boxes.input(text, title, QStringLiteral("14.22"), [&answered](const QString &) { answered = true; });
    else
        m_boxes.message(text, BoxStyles::fromInt(style), title, [&answered](Button) { answered = true; });
    QTRY_VERIFY(QApplication::activeModalWidget() && said.size() > 1);
    const QStringList inBox = said;
    QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape);
    QTRY_VERIFY(answered);
    QCOMPARE(inBox.mid(1), QStringList{heard});
    // Back in the window, its control is heard again, without the box.
    QTRY_COMPARE(said.mid(inBox.size()), QStringList{QStringLiteral("Quanto fa 1 più 1?")});
}

void TestSpeaker::focusSaidOnceSettled_data()
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

void TestSpeaker::focusSaidOnceSettled()
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

QTEST_MAIN(TestSpeaker)
#include "test_speaker.moc"
