#include "browser_keys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QShortcut>
#include <QWidget>
#include <algorithm>

namespace {
constexpr Qt::Key browserKeys[] = {Qt::Key_T, Qt::Key_N, Qt::Key_W};

bool isBrowserKey(int key)
{
    return std::find(std::begin(browserKeys), std::end(browserKeys), key) != std::end(browserKeys);
}
}

void addBrowserFreeKeys(QWidget *window)
{
    for (QShortcut *shortcut : window->findChildren<QShortcut *>()) {
        QList<QKeySequence> keys = shortcut->keys();
        for (const QKeySequence &sequence : shortcut->keys()) {
            const QKeyCombination key = sequence[0];
            if (sequence.count() == 1 && key.keyboardModifiers() == Qt::ControlModifier && isBrowserKey(key.key())
                && !keys.contains(QKeySequence(Qt::ALT | key.key())))
                keys << QKeySequence(Qt::ALT | key.key());
        }
        if (keys.size() != shortcut->keys().size())
            shortcut->setKeys(keys);
    }
}

QString withBrowserFreeKeys(QString words)
{
    for (const Qt::Key key : browserKeys)
        words.replace(QKeySequence(Qt::CTRL | key).toString(), QKeySequence(Qt::ALT | key).toString());
    return words;
}

bool isBrowserFreeKey(const QKeyEvent &event)
{
    return event.modifiers() == Qt::AltModifier && isBrowserKey(event.key());
}

void typeCommitted(const QString &text)
{
    for (const QChar c : text) {
        QWidget *target = QApplication::focusWidget();
        if (!target)
            return;
        // Qt's key codes are the upper-case characters for Latin-1.
        const int key = c.unicode() < 0x100 ? int(c.toUpper().unicode()) : int(Qt::Key_unknown);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(target, &press);
        QApplication::sendEvent(target, &release);
    }
}
