#include "widgets.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <qdrawutil.h>

void ClickLabel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        Q_EMIT clicked();
}

void PictureButton::setPictures(const QPixmap &normal, const QPixmap &pressed, const QPixmap &disabled)
{
    m_normal = normal;
    m_pressed = pressed.isNull() ? normal : pressed;
    m_disabled = disabled.isNull() ? normal : disabled;
    update();
}

QPixmap PictureButton::currentPicture() const
{
    if (!isEnabled())
        return m_disabled;
    return isDown() ? m_pressed : m_normal;
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = rect();
    const bool down = isDown();
    const QPalette pal = palette();
    qDrawWinButton(&p, r, pal, down, &pal.brush(QPalette::Button));

    const int shift = down ? 1 : 0;
    const QRect inner = r.adjusted(3 + shift, 3 + shift, -3 + shift, -3 + shift);
    const QPixmap picture = currentPicture();
    const QFontMetrics fm(font());
    const int gap = 2;
    const int blockHeight = (picture.isNull() ? 0 : picture.height() / picture.devicePixelRatio() + gap) + fm.height();
    int y = inner.top() + (inner.height() - blockHeight) / 2;
    if (!picture.isNull()) {
        const QSize size = picture.size() / picture.devicePixelRatio();
        p.drawPixmap(inner.left() + (inner.width() - size.width()) / 2, y, picture);
        y += size.height() + gap;
    }
    const QRect textRect(inner.left(), y, inner.width(), fm.height());
    style()->drawItemText(&p, textRect, Qt::AlignHCenter | Qt::AlignTop | Qt::TextShowMnemonic, pal,
                          isEnabled(), text(), QPalette::ButtonText);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = r.adjusted(4, 4, -4, -4);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
    }
}

void PictureBox::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    update();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = rect();
    qDrawShadePanel(&p, r, palette(), true, 2);
    const QRect inside = r.adjusted(2, 2, -2, -2);
    p.setClipRect(inside);
    p.drawPixmap(inside.topLeft(), m_picture);
}

bool ChoosableSubmenus::chooseSubmenuEntry(QAction *action)
{
    if (!action || !action->menu() || !action->isEnabled())
        return false;
    // Close the menu before the entry's handler opens its box.
    hide();
    action->trigger();
    return true;
}

void ChoosableSubmenus::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && chooseSubmenuEntry(actionAt(event->position().toPoint())))
        return;
    QMenu::mouseReleaseEvent(event);
}

void ChoosableSubmenus::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) && chooseSubmenuEntry(activeAction()))
        return;
    QMenu::keyPressEvent(event);
}
