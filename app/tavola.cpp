#include "tavola.h"

#include "design.h"
#include "grading.h"
#include "keycode.h"
#include "numbers.h"
#include "problem.h"
#include "spoken.h"
#include "widgets.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QShortcut>
#include <QTimer>

const QString Tavola::dedication = QStringLiteral("Giocare con i numeri relativi, per la classe IIIA del Borvano");
const QString Tavola::credits = QStringLiteral(
    "Giocare con i numeri relativi: un esercizio per imparare a sommare i numeri interi con il "
    "segno, scritto per gli alunni della classe IIIA del Borvano della Scuola media statale. "
    "Programma libero, senza pubblicità e senza raccolta di dati.");

Tavola::Tavola(const Services &services)
    : m_boxes(services.boxes),
      m_services{m_boxes, services.system, services.clock, services.timeText, services.random}
{
    setWindowIcon(QIcon(QString::fromLatin1(Design::window.icon)));
}

void Tavola::load()
{
    m_c = buildForm(this);
    setCentralWidget(m_c.form);
    setMenuBar(m_c.menuBar);
    // In a window already on screen (a new game) the toolkit would show the
    // new controls only once back in the event loop: by then the window may
    // be active again, with no control to take the focus. Shown at once.
    if (isVisible()) {
        m_c.form->show();
        m_c.menuBar->show();
    }
    setWindowTitle(QString::fromLatin1(Design::window.caption));
    setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
    // The window keeps the design's size; the layout is absolute. The size is
    // set, not left to a fixed-size layout: in a window already on screen (a
    // new game) the new controls are shown only later, and such a layout
    // would meanwhile shrink the window to nothing, which takes it off the
    // screen and leaves it inactive.
    setFixedSize(m_c.form->width(), m_c.form->height() + m_c.menuBar->sizeHint().height());

    m_nextDescription = m_c.cmdNext->accessibleDescription();
    m_c.txtAnswer->installEventFilter(this);
    connect(m_c.cmdNext, &QPushButton::clicked, this, &Tavola::cmdNext_Click);
    connect(m_c.cmdExit, &QPushButton::clicked, this, &Tavola::cmdExit_Click);
    connect(m_c.Label8, &ClickLabel::clicked, this, &Tavola::Label8_Click);
    connect(m_c.Timer1, &QTimer::timeout, this, &Tavola::Timer1_Timer);
    connect(m_c.copy, &QAction::triggered, this, &Tavola::copy_Click);
    connect(m_c.Next, &QAction::triggered, this, &Tavola::Next_Click);
    // The menu has no access key; F10 opens it, as on the usual desktops.
    auto *openMenu = new QShortcut(QKeySequence(Qt::Key_F10), m_c.form);
    connect(openMenu, &QShortcut::activated, m_c.menuBar,
            [bar = m_c.menuBar] { bar->setActiveAction(bar->actions().constFirst()); });
    // The end time by keyboard, for whoever cannot aim below the stopwatch.
    auto *endTime = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_T), m_c.form);
    connect(endTime, &QShortcut::activated, this, &Tavola::Label8_Click);

    // Building the answer box moved its caret. A screen reader that hears of
    // that while the window is active (a new game, the window active again
    // as soon as the question closed) takes the box as already focused and
    // says nothing when it really takes the focus: it meets the box anew.
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(QAccessible::queryAccessibleInterface(m_c.txtAnswer)));
    Form_Load();
    m_activatePending = true;
}

void Tavola::prepareForm()
{
    if (!m_c.form)
        load();
}

void Tavola::showForm()
{
    prepareForm();
    show();
    if (m_activatePending) {
        m_activatePending = false;
        Form_Resize();
        Form_Activate();
    }
    activateWindow();
}

void Tavola::unload()
{
    if (!m_c.form)
        return;
    // The window itself stays on screen, so that it neither jumps nor loses
    // the keyboard while its controls are made anew. A handler of the old
    // controls may still be running (a new game asked for from the clock
    // tick or the menu): they go once it has returned.
    m_c.Timer1->stop();
    QWidget *oldForm = takeCentralWidget();
    oldForm->hide();
    oldForm->deleteLater();
    setMenuBar(nullptr);   // hides the old menu bar and deletes it later as well
    m_c = {};
}

void Tavola::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    if (m_c.form)
        Form_Resize();
}

void Tavola::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && m_c.form)
        Form_Resize();
}

bool Tavola::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_noted && event->type() == QEvent::FocusOut) {
        describe(m_noted, ownWords(m_noted));
        m_noted = nullptr;
    }
    if (watched != m_c.txtAnswer || event->type() != QEvent::KeyPress)
        return QMainWindow::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    const std::optional<int> code = keyPressCode(key->key(), key->modifiers(), key->text());
    if (!code)
        return false;
    // cmdNext is the window's default button: while it is enabled Enter presses it.
    if (*code == KeyCode::enter && m_c.cmdNext->isEnabled()) {
        m_c.cmdNext->click();
        return true;
    }
    int k = *code;
    txtAnswer_KeyPress(k);
    return k == 0 || k == KeyCode::enter;
}

void Tavola::Form_Load()
{
    m_state.reset();
}

void Tavola::Form_Resize()
{
    if (minimized())
        ShowTimeInCaption();
    else
        setWindowTitle(dedication);
}

void Tavola::Form_Activate()
{
    cmdNext_Click();
}

void Tavola::ShowTimeInCaption()
{
    setWindowTitle(m_services.timeText.mediumTime(m_services.clock.now()));
}

void Tavola::cmdNext_Click()
{
    setCaption(m_c.lblMessage, QString());
    const Problem p = drawProblem(m_services.random);
    setCaption(m_c.lblNum1, formatNumber(p.first));
    setCaption(m_c.lblNum2, formatNumber(p.second));
    m_state.expectedSum = p.sum;
    setBackColour(p.colour);
    // A screen reader reads the box's description when the box takes the
    // focus, so the sum is heard at once. The box is emptied only after: a
    // caret moved in it beforehand would make the reader take the focus
    // event for one it has already seen, and stay silent. The button is
    // disabled once it has lost the focus, so that the toolkit does not pass
    // the focus on by itself.
    describe(m_c.txtAnswer, spokenProblem(p.first, p.second, totalAnswers(m_state) == 0));
    m_c.txtAnswer->setFocus();
    m_c.txtAnswer->setText(QString());
    m_c.cmdNext->setEnabled(false);
    describe(m_c.cmdNext, m_nextDescription);   // no verdict while there is none to say
}

void Tavola::txtAnswer_KeyPress(int &keyCode)
{
    switch (filterKey(keyCode)) {
    case KeyAction::Pass:
        return;
    case KeyAction::Cancel:
        keyCode = 0;
        return;
    case KeyAction::Grade:
        break;
    }
    const Grading g = grade(m_state, m_c.txtAnswer->text());
    setCaption(m_c.lblMessage, g.verdict);
    if (!g.right) {
        setBackColour(composeColour(0, 0, 0));
        setCaption(m_c.lblScore1, formatNumber(m_state.wrongAnswers));
    }
    setCaption(m_c.lblScore, formatNumber(m_state.rightAnswers));
    setCaption(m_c.lblScore2, formatNumber(totalAnswers(m_state)));
    // Read out when the button takes the focus.
    describe(m_c.cmdNext, spokenVerdict(g.right, m_state));
    m_c.cmdNext->setEnabled(true);
    m_c.cmdNext->setFocus();
}

void Tavola::Label8_Click()
{
    askEndTime(m_state, m_boxes, m_services.timeText, [this] {
        setTimeLabel(m_c.lblTime->text());   // the clock names the end time now in force
        // Heard when the focus comes back from the prompt, before what the
        // control that takes it says anyway; once: gone when it loses the focus.
        if (QWidget *back = focusWidget()) {
            describe(back, ownWords(back), spokenEndTime(endTimeText()));
            back->installEventFilter(this);
            m_noted = back;
        }
    });
}

void Tavola::Timer1_Timer()
{
    tick(m_state, *this, m_services, m_boxes);
}

void Tavola::Next_Click()
{
    askNewGame({});
}

void Tavola::askNewGame(std::function<void()> answered)
{
    m_boxes.message(QStringLiteral("INIZIAMO UNA NUOVA GARA  ?"),
                    BoxStyle::yesNo | BoxStyle::question | BoxStyle::secondDefault,
                    QStringLiteral("INIZIARE NUOVA GARA"), [this, answered = std::move(answered)](Button pressed) {
                        if (pressed == Button::Yes) {
                            unload();
                            showForm();
                        }
                        if (answered)
                            answered();
                    });
}

void Tavola::cmdExit_Click()
{
    m_services.system.quit();
}

void Tavola::copy_Click()
{
    m_boxes.message(credits, BoxStyle::okOnly | BoxStyle::information, QStringLiteral("Scuola media statale"));
}

void Tavola::setBackColour(Colour colour)
{
    QPalette pal = m_c.form->palette();
    pal.setColor(QPalette::Window, QColor(redOf(colour), greenOf(colour), blueOf(colour)));
    m_c.form->setPalette(pal);
}

QString Tavola::timeLabel() const
{
    return m_c.lblTime->text();
}

void Tavola::setTimeLabel(const QString &text)
{
    // The end time in force is heard with the clock, so it can be checked.
    setCaption(m_c.lblTime, text, spokenClock(text, endTimeText()));
}

QString Tavola::endTimeText() const
{
    const auto *end = std::get_if<DateTime>(&m_state.endTime);
    return end ? m_services.timeText.text(*end) : QString();
}

namespace {
// A control's description without a note said before it.
const char *const ownWordsProperty = "ownWords";
}

QString Tavola::ownWords(const QWidget *control)
{
    const QVariant own = control->property(ownWordsProperty);
    return own.isValid() ? own.toString() : control->accessibleDescription();
}

void Tavola::describe(QWidget *control, const QString &words, const QString &note)
{
    control->setProperty(ownWordsProperty, words);
    control->setAccessibleDescription(note.isEmpty() ? words : spokenBefore(note, words));
}

bool Tavola::minimized() const
{
    return windowState() & Qt::WindowMinimized;
}

QString Tavola::caption() const
{
    return windowTitle();
}
