#include "design.h"
#include "widgets.h"
#include "window_fixture.h"

#include <QAccessible>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

class TestDesign : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void clientArea();
    void parenthesesCutOffAtTop();
    void tabOrder_data();
    void tabOrder();
    void labelsNeverTakeFocus();
    void autoSizeKeepsCorner_data();
    void autoSizeKeepsCorner();
    void emptyOperandsSmallAtLoad();
    void fontsResolve_data();
    void fontsResolve();
    void toolTipsKeepBlanks();
    void nextButtonFaces();
    void keyPixels();
    void pictureBoxShowsFirstFrameClipped();
    void menuEntries();
    void menuByMouseAndKeyboard();
    void pointers_data();
    void pointers();
    void darkDesktop_data();
    void darkDesktop();
    void accessibleNames_data();
    void accessibleNames();
    void verdictIsReadable();
    void screenshot();

private:
    QWidget *control(const char *name) const
    {
        return f.c().form->findChild<QWidget *>(QString::fromLatin1(name));
    }
    WindowFixture f;
};

void TestDesign::init()
{
    failOnQtWarnings();
    f.boxes = FakeBoxes();
    f.random = FakeRandom();
    QVERIFY(f.open(false));
}

void TestDesign::cleanup()
{
    f.window.reset();
    WindowFixture::flushDeletes();
}

void TestDesign::clientArea()
{
    QCOMPARE(f.c().form->size(), QSize(722, 554));
    // The client area lies below the menu bar.
    QCOMPARE(f.c().form->y(), f.window->menuBar()->height());
    QCOMPARE(control("txtAnswer")->geometry(), QRect(496, 8, 185, 80));
    QCOMPARE(control("Picture1")->geometry(), QRect(184, 464, 366, 57));
}

void TestDesign::parenthesesCutOffAtTop()
{
    for (const char *name : {"Label5", "Label7"}) {
        QWidget *w = control(name);
        QCOMPARE(w->y(), -8);
        QVERIFY(w->visibleRegion().boundingRect().top() >= 8);
    }
}

void TestDesign::tabOrder_data()
{
    QTest::addColumn<bool>("nextEnabled");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("awaiting an answer") << false << QStringLiteral("cmdExit txtAnswer Command1 cmdExit").split(u' ');
    QTest::newRow("answer graded") << true << QStringLiteral("cmdExit cmdNext txtAnswer Command1 cmdExit").split(u' ');
}

void TestDesign::tabOrder()
{
    QFETCH(bool, nextEnabled);
    QFETCH(QStringList, order);
    if (nextEnabled)
        f.answer(QStringLiteral("1"));
    control("cmdExit")->setFocus();
    QStringList seen{QApplication::focusWidget()->objectName()};
    for (qsizetype i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        seen << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(seen, order);
}

void TestDesign::labelsNeverTakeFocus()
{
    const auto labels = f.c().form->findChildren<QLabel *>();
    QCOMPARE(labels.size(), 16);
    for (QLabel *label : labels)
        QCOMPARE(label->focusPolicy(), Qt::NoFocus);
}

void TestDesign::autoSizeKeepsCorner_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("grows");
    QTest::newRow("counter") << "lblScore" << true;
    QTest::newRow("operand") << "lblNum1" << true;
    QTest::newRow("clock") << "lblTime" << true;
    QTest::newRow("verdict keeps its size") << "lblMessage" << false;
}

void TestDesign::autoSizeKeepsCorner()
{
    QFETCH(QString, name);
    QFETCH(bool, grows);
    auto *label = f.c().form->findChild<QLabel *>(name);
    setCaption(label, QStringLiteral("7"));
    const QRect before = label->geometry();
    setCaption(label, QStringLiteral("32767"));
    const QRect after = label->geometry();
    QCOMPARE(after.topLeft(), before.topLeft());
    QCOMPARE(after.width() > before.width(), grows);
    if (grows) {
        const QFontMetrics fm(label->font());
        QVERIFY(after.width() >= fm.horizontalAdvance(label->text()));
    } else {
        QCOMPARE(after, before);
    }
}

void TestDesign::emptyOperandsSmallAtLoad()
{
    // Straight from the builder, before any problem is posed.
    QWidget parent;
    const Controls c = buildForm(&parent);
    QCOMPARE(c.lblNum1->text(), QString());
    QCOMPARE(c.lblNum1->geometry(), QRect(56, 16, 23, 79));
    QCOMPARE(c.lblNum2->geometry(), QRect(280, 16, 23, 79));
    QCOMPARE(c.lblTime->geometry(), QRect(560, 120, 6, 20));
    QVERIFY(!c.cmdNext->isEnabled());
    QVERIFY(c.Timer1->isActive());
    QCOMPARE(c.Timer1->interval(), 500);
}

void TestDesign::fontsResolve_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("family");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");
#ifdef Q_OS_WIN
    const char *sans = "Arial", *serif = "Times New Roman", *system = "Microsoft Sans Serif";
#else
    const char *sans = "Liberation Sans", *serif = "Liberation Serif", *system = "Liberation Sans";
#endif
    QTest::newRow("Arial") << "lblNum1" << sans << 48.0 << true << false;
    QTest::newRow("Arial normal weight") << "Label2" << sans << 48.0 << false << false;
    QTest::newRow("Times New Roman") << "lblScore" << serif << 36.0 << true << false;
    QTest::newRow("MS Sans Serif bold italic") << "lblMessage" << system << 24.0 << true << true;
    QTest::newRow("default font") << "Command1" << system << 8.25 << false << false;
}

void TestDesign::fontsResolve()
{
    QFETCH(QString, name);
    QFETCH(QString, family);
    QFETCH(double, points);
    QFETCH(bool, bold);
    QFETCH(bool, italic);
    const QFontInfo info(f.c().form->findChild<QWidget *>(name)->font());
    QCOMPARE(info.family(), family);
    QCOMPARE(info.pointSizeF(), points);
    QCOMPARE(info.bold(), bold);
    QCOMPARE(info.italic(), italic);
}

void TestDesign::toolTipsKeepBlanks()
{
    const QString exitTip = control("cmdExit")->toolTip();
    QCOMPARE(exitTip.size(), 54);
    QVERIFY(exitTip.endsWith(u' '));
    QCOMPARE(control("lblScore")->toolTip(), QStringLiteral("Questo è il tuo punteggio. Forza con il  record"));
    QCOMPARE(control("txtAnswer")->toolTip(), QStringLiteral("Inserisci il risultato e  premi il tasto  Invio"));
}

void TestDesign::nextButtonFaces()
{
    auto *next = f.c().cmdNext;
    const QImage smile(QStringLiteral(":/pictures/smile.ico"));
    const QImage neutral(QStringLiteral(":/pictures/neutral.ico"));
    const QImage grin(QStringLiteral(":/pictures/grin.ico"));
    QVERIFY(smile != neutral && neutral != grin);
    QCOMPARE(next->currentPicture().toImage(), neutral);
    f.answer(QStringLiteral("3"));
    QCOMPARE(next->currentPicture().toImage(), smile);
    next->setDown(true);
    QCOMPARE(next->currentPicture().toImage(), grin);
    next->setDown(false);
    // The pressed face is what the grabbed button shows while pressed.
    next->setDown(true);
    const QImage shot = next->grab().toImage();
    next->setDown(false);
    QVERIFY(shot != next->grab().toImage());
}

void TestDesign::keyPixels()
{
    const QImage shot = f.c().form->grab().toImage();
    auto at = [&](const char *name, int x, int y) {
        return QColor(shot.pixel(control(name)->geometry().topLeft() + QPoint(x, y)));
    };
    QCOMPARE(at("txtAnswer", 170, 40), QColor(0, 255, 255));
    // The first operand grows over the left part of "+", as designed.
    QCOMPARE(at("Label2", 38, 3), QColor(128, 255, 255));
    QCOMPARE(at("Label4", 3, 60), QColor(128, 255, 255));
    QCOMPARE(at("lblNum1", 3, 40), QColor(0, 255, 255));
    QCOMPARE(at("cmdExit", 8, 60), QColor(192, 0, 192));
    // Where no control lies the window shows the problem's colour.
    const QPoint bare(700, 300);
    QCOMPARE(f.c().form->childAt(bare), nullptr);
    QCOMPARE(QColor(shot.pixel(bare)), QColor(200, 200, 255));
    // A framed label draws its text from its frame, not indented: the ink of
    // "-10" begins in the top rows of its box.
    const QImage operand = control("lblNum1")->grab().toImage();
    int firstInk = -1;
    for (int y = 2; y < operand.height() - 2 && firstInk < 0; ++y) {
        for (int x = 2; x < operand.width() - 2; ++x) {
            if (qGray(operand.pixel(x, y)) < 60) {
                firstInk = y;
                break;
            }
        }
    }
    QVERIFY2(firstInk >= 0 && firstInk <= 20, qPrintable(QString::number(firstInk)));
}

void TestDesign::pictureBoxShowsFirstFrameClipped()
{
    const QImage frame(QStringLiteral(":/pictures/floppy.gif"));
    QCOMPARE(frame.size(), QSize(55, 69));
    auto *box = control("Picture1");
    QVERIFY(!box->isEnabled());
    const QImage shot = box->grab().toImage();
    int compared = 0;
    // Inside the 2-pixel frame the picture starts at the top-left corner.
    for (int y = 0; y < 53; ++y)
        for (int x = 0; x < 55; ++x) {
            const QRgb p = frame.pixel(x, y);
            if (qAlpha(p) == 255) {
                QCOMPARE(QColor(shot.pixel(x + 2, y + 2)), QColor(p));
                ++compared;
            }
        }
    QVERIFY(compared > 500);
}

void TestDesign::menuEntries()
{
    const auto menus = f.window->menuBar()->actions();
    QCOMPARE(menus.size(), 1);
    QCOMPARE(menus[0]->text(), QStringLiteral("INFORMAZIONI"));
    const auto entries = menus[0]->menu()->actions();
    QCOMPARE(entries.size(), 2);
    QCOMPARE(entries[0]->objectName(), QStringLiteral("Tmer"));
    QCOMPARE(entries[1]->objectName(), QStringLiteral("copy"));
    QCOMPARE(entries[1]->menu()->actions().size(), 1);
    QCOMPARE(entries[1]->menu()->actions()[0]->text(), QStringLiteral("Nuovo"));
    entries[0]->trigger();
    QVERIFY(f.boxes.calls.empty());
}

void TestDesign::menuByMouseAndKeyboard()
{
    auto *info = f.window->menuBar()->actions()[0]->menu();
    QAction *copy = f.c().copy;
    info->popup(f.window->mapToGlobal(QPoint(0, 0)));
    QVERIFY(QTest::qWaitForWindowExposed(info));
    // A click on the entry with the submenu chooses it: the credits box.
    QTest::mouseClick(info, Qt::LeftButton, {}, info->actionGeometry(copy).center());
    QTRY_COMPARE(f.boxes.calls.size(), std::size_t(1));
    QCOMPARE(f.boxes.calls[0].title, QStringLiteral("Scuola media statale"));
    QVERIFY(!info->isVisible());

    // From the game, F10 opens the menu; the right arrow opens the submenu,
    // and Enter there chooses "Nuovo".
    QTest::keyClick(f.c().txtAnswer, Qt::Key_F10);
    QTRY_VERIFY(info->isVisible());
    QTest::keyClick(info, Qt::Key_Down);
    QTest::keyClick(info, Qt::Key_Down);
    QCOMPARE(info->activeAction(), copy);
    QTest::keyClick(info, Qt::Key_Right);
    QMenu *sub = copy->menu();
    QTRY_VERIFY(sub->isVisible());
    QCOMPARE(sub->activeAction(), f.c().Next);
    QTest::keyClick(sub, Qt::Key_Return);
    QTRY_COMPARE(f.boxes.calls.size(), std::size_t(2));
    QCOMPARE(f.boxes.calls[1].title, QStringLiteral("INIZIARE NUOVA GARA"));
}

void TestDesign::pointers_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<Qt::CursorShape>("shape");
    QTest::newRow("bare window: the face") << "Tavola" << Qt::BitmapCursor;
    QTest::newRow("next") << "cmdNext" << Qt::PointingHandCursor;
    QTest::newRow("verdict") << "lblMessage" << Qt::PointingHandCursor;
    QTest::newRow("exit") << "cmdExit" << Qt::ArrowCursor;
    QTest::newRow("inert button") << "Command1" << Qt::ArrowCursor;
    QTest::newRow("operand") << "lblNum1" << Qt::ArrowCursor;
    QTest::newRow("caption") << "Label6" << Qt::ArrowCursor;
    QTest::newRow("click area") << "Label8" << Qt::ArrowCursor;
    QTest::newRow("stopwatch") << "Image1" << Qt::ArrowCursor;
    QTest::newRow("picture box") << "Picture1" << Qt::ArrowCursor;
    QTest::newRow("answer box") << "txtAnswer" << Qt::IBeamCursor;
}

void TestDesign::pointers()
{
    QFETCH(QString, name);
    QFETCH(Qt::CursorShape, shape);
    QWidget *w = name == QStringLiteral("Tavola") ? f.c().form : control(qPrintable(name));
    QCOMPARE(w->cursor().shape(), shape);
    if (shape == Qt::BitmapCursor)
        QVERIFY(!w->cursor().pixmap().isNull());
    // Dropped text would pass by the key filter.
    QVERIFY(!f.c().txtAnswer->acceptDrops());
}

void TestDesign::darkDesktop_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("first operand") << "lblNum1";
    QTest::newRow("second operand") << "lblNum2";
    QTest::newRow("plus") << "Label2";
    QTest::newRow("equals") << "Label4";
    QTest::newRow("typed answer") << "txtAnswer";
    QTest::newRow("right answers") << "lblScore";
    QTest::newRow("clock") << "lblTime";
}

// Text the design leaves to the system colours stays black under a dark desktop theme.
void TestDesign::darkDesktop()
{
    QFETCH(QString, name);
    f.window.reset();
    WindowFixture::flushDeletes();
    const QPalette light = QApplication::palette();
    QPalette dark(QColor(53, 53, 53), QColor(42, 42, 42));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::ButtonText, Qt::white);
    QApplication::setPalette(dark);
    auto restore = qScopeGuard([&] { QApplication::setPalette(light); });
    QVERIFY(f.open());
    QTest::keyClicks(f.c().txtAnswer, QStringLiteral("-88"));
    f.window->Timer1_Timer();

    QWidget *w = control(qPrintable(name));
    const QImage shot = w->grab().toImage();
    int darkest = 255;
    for (int y = 2; y < shot.height() - 2; ++y) {
        for (int x = 2; x < shot.width() - 2; ++x)
            darkest = std::min(darkest, qGray(shot.pixel(x, y)));
    }
    QVERIFY2(darkest < 40, qPrintable(QStringLiteral("darkest grey %1").arg(darkest)));
}

void TestDesign::accessibleNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("accessible");
    QTest::newRow("answer box") << "txtAnswer" << "Risultato";
    QTest::newRow("click area") << "Label8" << "Imposta l'orario di fine gioco";
    QTest::newRow("right counter") << "lblScore" << "Risposte esatte: 0";
    QTest::newRow("wrong counter") << "lblScore1" << "Risposte errate: 0";
    QTest::newRow("total counter") << "lblScore2" << "Risposte totali: 0";
    QTest::newRow("operand") << "lblNum2" << "Secondo numero: 10";
    QTest::newRow("empty clock") << "lblTime" << "Orologio";
    QTest::newRow("exit") << "cmdExit" << "Esci";
    QTest::newRow("next takes its caption") << "cmdNext" << "Nuovo calcolo";
    QTest::newRow("inert button") << "Command1" << "Pulsante senza funzione";
}

void TestDesign::accessibleNames()
{
    QFETCH(QString, name);
    QFETCH(QString, accessible);
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(f.c().form->findChild<QWidget *>(name));
    QVERIFY(iface);
    QCOMPARE(iface->text(QAccessible::Name), accessible);
}

// The verdict line has no name of its own: a screen reader reads the verdict.
void TestDesign::verdictIsReadable()
{
    f.answer(QStringLiteral("9"));
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(f.c().lblMessage);
    QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Sbagliato!! 0"));
    // The counters say what they count and how many.
    iface = QAccessible::queryAccessibleInterface(f.c().lblScore1);
    QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Risposte errate: 1"));
}

void TestDesign::screenshot()
{
    f.answer(QStringLiteral("0"));
    f.clock.set(10, 24, 31);
    f.window->Timer1_Timer();
    const QString path = QStringLiteral(NR_SCREENSHOT);
    QVERIFY(f.window->grab().save(path));
    QVERIFY(QImage(path).width() == 722);
}

QTEST_MAIN(TestDesign)
#include "test_design.moc"
