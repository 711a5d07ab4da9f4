#pragma once

#include "colour.h"
#include "counting_boxes.h"
#include "form_builder.h"
#include "game_clock.h"
#include "game_state.h"
#include "services.h"

#include <QMainWindow>
#include <QPointer>

// The game's one window. The object lives as long as the program; each load
// builds its controls anew from the design, and a new game unloads and
// loads it again while the game state stays.
class Tavola : public QMainWindow, private ClockFace
{
    Q_OBJECT
public:
    explicit Tavola(const Services &services);

    // Shows the window, loading it first when it is not loaded; a fresh
    // load then runs its Resize and Activate events.
    void showForm();
    // Loads the controls without showing them, when not loaded: a start can
    // build them and draw them in two turns of the event loop.
    void prepareForm();
    // Discards the controls; the window object and the game state stay.
    void unload();

    const GameState &state() const { return m_state; }
    GameState &state() { return m_state; }
    const Controls &controls() const { return m_c; }

    // Handlers, one per control event.
    void Form_Load();
    void Form_Resize();
    void Form_Activate();
    void cmdNext_Click();
    void txtAnswer_KeyPress(int &keyCode);
    void Label8_Click();
    void Timer1_Timer();
    void Next_Click();
    void cmdExit_Click();
    void copy_Click();
    void ShowTimeInCaption();

    // Enough for the window's pictures and the style's frames; the default
    // (10 MiB) fills up slowly because the background changes with every problem.
    static constexpr int pixmapCacheKiB = 1024;

    static const QString dedication;
    static const QString credits;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void load();
    void setBackColour(Colour colour);
    // The end time in force as text, "" when there is none.
    QString endTimeText() const;
    // What a screen reader says when the control takes the focus: the
    // game's words for it, after a note said once before them.
    static void describe(QWidget *control, const QString &words, const QString &note = {});
    static QString ownWords(const QWidget *control);

    // ClockFace
    QString timeLabel() const override;
    void setTimeLabel(const QString &text) override;
    bool minimized() const override;
    QString caption() const override;
    void showTimeInCaption() override { ShowTimeInCaption(); }
    void offerNewGame(std::function<void()> answered) override { askNewGame(std::move(answered)); }
    void askNewGame(std::function<void()> answered);

    CountingBoxes m_boxes;
    Services m_services;
    GameState m_state;
    Controls m_c;
    bool m_activatePending = false;
    QString m_nextDescription;
    QPointer<QWidget> m_noted;   // says the end time once, before its own words
};
