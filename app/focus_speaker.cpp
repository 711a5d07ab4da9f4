#include "focus_speaker.h"

#include "spoken.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

namespace {
// "&Sì" as a listener hears it: "Sì".
QString plain(QString text)
{
    static const QString marker = QStringLiteral("\x01");
    return text.replace(QStringLiteral("&&"), marker).remove(u'&').replace(marker, QStringLiteral("&"));
}

QString nameOf(const QWidget *w)
{
    if (!w->accessibleName().isEmpty())
        return w->accessibleName();
    if (const auto *button = qobject_cast<const QAbstractButton *>(w))
        return plain(button->text());
    return {};
}

QString boxWords(const QDialog *box)
{
    QStringList texts;
    for (const QLabel *label : box->findChildren<QLabel *>())
        if (label->isVisibleTo(box) && !label->text().isEmpty())
            texts << label->text();
    QStringList buttons;
    for (const QAbstractButton *button : box->findChildren<QAbstractButton *>())
        if (button->isVisibleTo(box))
            buttons << nameOf(button);
    return spokenBox(box->windowTitle(), texts, buttons);
}
}

FocusSpeaker::FocusSpeaker(Say say, QObject *parent) : QObject(parent), m_say(std::move(say))
{
    connect(qApp, &QApplication::focusChanged, this, &FocusSpeaker::focusChanged);
    qApp->installEventFilter(this);
}

QString FocusSpeaker::wordsFor(QWidget *now, bool newWindow)
{
    QString own = now->accessibleDescription();
    if (own.isEmpty()) {
        if (const auto *edit = qobject_cast<QLineEdit *>(now))
            own = spokenField(edit->text());
        else if (qobject_cast<QAbstractButton *>(now))
            own = spokenButton(nameOf(now));
        else
            own = nameOf(now);
    }
    const auto *box = qobject_cast<const QDialog *>(now->window());
    return newWindow && box ? spokenBefore(boxWords(box), own) : own;
}

void FocusSpeaker::focusChanged(QWidget *, QWidget *now)
{
    // Said once what moved the focus is done: a box that closed has let its
    // window arm what is new (the end time in force) by then, and a focus
    // that only passed through (given back by a closing menu) is not said.
    m_focus = now;
    if (!m_pending) {
        m_pending = true;
        QTimer::singleShot(0, this, &FocusSpeaker::sayFocus);
    }
}

void FocusSpeaker::sayFocus()
{
    m_pending = false;
    QWidget *now = m_focus;
    // Menus say their entries as they are highlighted.
    if (!now || now != QApplication::focusWidget() || qobject_cast<QMenu *>(now) || qobject_cast<QMenuBar *>(now))
        return;
    // A box up but not yet given the focus (a page activates it once shown)
    // is what comes next: the window under it only passes through.
    if (const QWidget *box = QApplication::activeModalWidget(); box && now->window() != box)
        return;
    const bool newWindow = now->window() != m_window;
    m_window = now->window();
    if (const QString words = wordsFor(now, newWindow); !words.isEmpty())
        m_say(words);
}

bool FocusSpeaker::eventFilter(QObject *watched, QEvent *event)
{
    // Every menu and menu bar, as it is made ready to be shown.
    if (event->type() == QEvent::Polish) {
        if (auto *menu = qobject_cast<QMenu *>(watched))
            connect(menu, &QMenu::hovered, this, &FocusSpeaker::highlighted, Qt::UniqueConnection);
        else if (auto *bar = qobject_cast<QMenuBar *>(watched))
            connect(bar, &QMenuBar::hovered, this, &FocusSpeaker::highlighted, Qt::UniqueConnection);
    }
    return QObject::eventFilter(watched, event);
}

void FocusSpeaker::highlighted(QAction *action)
{
    m_say(spokenMenuEntry(plain(action->text()), action->menu() != nullptr));
    m_window = nullptr;   // the window is met anew when the menu closes
}
