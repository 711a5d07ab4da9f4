#include "qt_services.h"

#include <QApplication>
#include <QTimer>
#include <QInputDialog>
#include <QLibraryInfo>
#include <QTranslator>
#include <QMessageBox>
#include <QTime>

#include <chrono>
#include <memory>

QWidget *QtBoxes::owner() const
{
    return m_owner ? m_owner.data() : QApplication::activeWindow();
}

namespace {
// Drops the keys, clicks and touches of the pause: held for later they would
// answer the box to come unheard, and where the toolkit hands them over at
// once (a web page) they would reach the window under it, or open another.
class HoldInput final : public QObject
{
public:
    HoldInput() { qApp->installEventFilter(this); }
    ~HoldInput() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::Wheel:
            return true;
        default:
            return false;
        }
    }
};
}

void QtBoxes::afterLastBox(std::function<void()> show) const
{
    if (!m_lastClosed.isValid() || m_lastClosed.elapsed() >= pauseBetweenBoxesMs) {
        show();
        return;
    }
    auto hold = std::make_shared<HoldInput>();
    QTimer::singleShot(pauseBetweenBoxesMs - int(m_lastClosed.elapsed()), qApp,
                       [hold, show = std::move(show)]() mutable {
                           hold.reset();
                           show();
                       });
}

// A box is modal to the whole program, as the design's are, and goes once
// answered. A page has no window manager to activate it once shown: Qt 6.8
// activates it as it is made, before it has put the focus on its button or
// its text box, and so the focus is never given (and never heard) or lands
// on the wrong control. There it is activated once shown.
void QtBoxes::open(QDialog *box, std::function<void(int)> answered)
{
    box->setWindowModality(Qt::ApplicationModal);
#ifdef Q_OS_WASM
    box->setAttribute(Qt::WA_ShowWithoutActivating);
    QTimer::singleShot(0, box, [box] { box->activateWindow(); });
#endif
    // The answer is handled as the box closes, before the event loop runs
    // again: what the window says as its focus comes back (the end time in
    // force) is in place by then.
    QObject::connect(box, &QDialog::finished, box, [this, box, answered = std::move(answered)](int result) {
        box->hide();
        box->deleteLater();
        closed();
        answered(result);
    });
    box->show();
}

void QtBoxes::closed()
{
    m_lastClosed.start();
    // The keyboard goes back to the window, as on a desktop whose window
    // manager activates the window under a box (a web page has none).
    if (QWidget *window = owner(); window && window->isVisible() && !window->isMinimized())
        window->activateWindow();
}

void QtBoxes::message(const QString &text, BoxStyles style, const QString &title, Pressed then)
{
    afterLastBox([this, text, style, title, then = std::move(then)]() mutable {
        auto *box = new QMessageBox(owner());
        box->setWindowTitle(title);
        box->setText(text);
        box->setIcon(style.testFlag(BoxStyle::question)      ? QMessageBox::Question
                     : style.testFlag(BoxStyle::information) ? QMessageBox::Information
                                                             : QMessageBox::NoIcon);
        const bool yesNo = style.testFlag(BoxStyle::yesNo);
        if (yesNo) {
            box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box->setDefaultButton(style.testFlag(BoxStyle::secondDefault) ? QMessageBox::No : QMessageBox::Yes);
            box->setEscapeButton(QMessageBox::No);
        } else {
            box->setStandardButtons(QMessageBox::Ok);
            box->setDefaultButton(QMessageBox::Ok);
        }
        open(box, [yesNo, then = std::move(then)](int pressed) {
            if (!then)
                return;
            // Closed by other means than its buttons: No, or Ok.
            if (pressed == QMessageBox::Yes)
                then(Button::Yes);
            else
                then(yesNo ? Button::No : Button::Ok);
        });
    });
}

void QtBoxes::input(const QString &prompt, const QString &title, const QString &defaultText, Typed then)
{
    afterLastBox([this, prompt, title, defaultText, then = std::move(then)]() mutable {
        auto *box = new QInputDialog(owner());
        box->setWindowTitle(title);
        box->setLabelText(prompt);
        box->setTextValue(defaultText);
        open(box, [box, then = std::move(then)](int result) {
            if (then)
                then(result == QDialog::Accepted ? box->textValue() : QString());
        });
    });
}

void QtSystem::beep()
{
    if (!m_theme.play("alarm-clock-elapsed", QStringLiteral("Fine del gioco")))
        m_bell();
}

void QtSystem::leaveEventLoop()
{
    QCoreApplication::exit(0);
}

void QtSystem::quit()
{
    m_end();
}

DateTime QtClock::now() const
{
    const QTime t = QTime::currentTime();
    return DateTime::fromTime(t.hour(), t.minute(), t.second());
}

namespace {
// Two re-seedings within one call must not give the same seed, so the clock
// is read to the nanosecond and stirred through a seed sequence.
std::seed_seq clockSeed()
{
    const auto ns = std::chrono::system_clock::now().time_since_epoch().count();
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    return std::seed_seq{quint32(ns), quint32(quint64(ns) >> 32), quint32(ticks), quint32(quint64(ticks) >> 32)};
}
}

QtRandom::QtRandom()
{
    reseed();
}

double QtRandom::draw()
{
    // 53 random bits give every double in [0, 1) at an even spacing.
    return double(m_engine() >> 11) * 0x1.0p-53;
}

void QtRandom::reseed()
{
    auto seed = clockSeed();
    m_engine.seed(seed);
}

bool installToolkitTranslations(QTranslator &translator, const QLocale &locale)
{
    // The system's copy, else the one built into the program.
    const QString name = QStringLiteral("qtbase");
    const QString prefix = QStringLiteral("_");
    if (!translator.load(locale, name, prefix, QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        && !translator.load(locale, name, prefix, QStringLiteral(":/translations")))
        return false;
    return QCoreApplication::installTranslator(&translator);
}
