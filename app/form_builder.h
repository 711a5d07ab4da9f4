#pragma once

#include <QString>

class ClickLabel;
class PictureBox;
class PictureButton;
class QAction;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QTimer;
class QWidget;

// The controls that the game's handlers use, as one load of the window made them.
struct Controls
{
    QWidget *form = nullptr;
    QMenuBar *menuBar = nullptr;
    QTimer *Timer1 = nullptr;
    QLineEdit *txtAnswer = nullptr;
    PictureButton *cmdNext = nullptr;
    PictureButton *cmdExit = nullptr;
    ClickLabel *Label8 = nullptr;
    QLabel *lblNum1 = nullptr;
    QLabel *lblNum2 = nullptr;
    QLabel *lblMessage = nullptr;
    QLabel *lblScore = nullptr;
    QLabel *lblScore1 = nullptr;
    QLabel *lblScore2 = nullptr;
    QLabel *lblTime = nullptr;
    QAction *copy = nullptr;
    QAction *Next = nullptr;
};

// Makes the window's client area and menu bar from the design, every
// control with its design values, in creation order.
Controls buildForm(QWidget *parent);

// Sets a label's caption; an auto-size label then takes the size the
// caption needs and keeps its top-left corner. A label whose caption is game
// state is named after it for a listener, or as given.
void setCaption(QLabel *label, const QString &text, const QString &accessibleName = {});
