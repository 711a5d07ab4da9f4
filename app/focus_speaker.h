#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

class QAction;
class QWidget;

// Where no screen reader can read the widgets (a web page), this says what
// one would as the focus moves: the control's own words (its description,
// else its name and kind) and, as a box opens, the box's title, texts and
// buttons. Menu entries are said as they are highlighted.
class FocusSpeaker final : public QObject
{
public:
    using Say = std::function<void(const QString &)>;
    explicit FocusSpeaker(Say say, QObject *parent = nullptr);

    // What a listener hears when the focus comes to `now` from another window or control.
    static QString wordsFor(QWidget *now, bool newWindow);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void focusChanged(QWidget *old, QWidget *now);
    void sayFocus();
    void highlighted(QAction *action);
    Say m_say;
    QPointer<QWidget> m_window;   // the window whose words were said last
    QPointer<QWidget> m_focus;    // where the focus went last, said soon
    bool m_pending = false;
};
