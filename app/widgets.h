#pragma once

#include <QLabel>
#include <QMenu>
#include <QPixmap>
#include <QPushButton>

// A label that reports a click of the left button released over it.
class ClickLabel : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};

// A button that paints its own background colour and a picture above its
// caption, with separate pictures for its pressed and disabled looks.
class PictureButton : public QPushButton
{
    Q_OBJECT
public:
    using QPushButton::QPushButton;

    void setPictures(const QPixmap &normal, const QPixmap &pressed, const QPixmap &disabled);
    // The picture painted in the current state.
    QPixmap currentPicture() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_normal, m_pressed, m_disabled;
};

// Shows a picture still at its top-left corner, cut off by the box, and
// looks the same whether enabled or not.
class PictureBox : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;
    void setPicture(const QPixmap &picture);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_picture;
};

// A menu whose entry with a submenu can also be chosen itself: a click, or
// Enter, on it triggers it; hovering or the right arrow opens its submenu.
class ChoosableSubmenus : public QMenu
{
    Q_OBJECT
public:
    using QMenu::QMenu;

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool chooseSubmenuEntry(QAction *action);
};
