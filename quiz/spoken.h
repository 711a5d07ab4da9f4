#pragma once

#include "game_state.h"

#include <QString>
#include <QStringList>

// Everything the game says to a listener. The window shows the sum and the
// verdict with large figures, brackets and colours; a listener needs words.

// What controls say of themselves, for the window's design.
namespace Spoken {
inline constexpr char nextProblem[] = "Pone il prossimo calcolo.";
inline constexpr char askEndTime[] = "Clic qui o Ctrl+T: chiede l'orario in cui il gioco finisce.";
inline constexpr char endTimeKey[] = "Ctrl+T imposta l'orario in cui il gioco finisce.";
}

// "meno 6", "19"
QString spokenNumber(int value);
// "Quanto fa meno 6 più meno 19?"; the first of a game also says how to answer.
QString spokenProblem(int first, int second, bool firstOfGame = false);
// The verdict with the right sum when the answer was wrong, then the three counts.
QString spokenVerdict(bool right, const GameState &state);
// The end time in force, as text ("" for none): "Il gioco finisce alle 14:22:00."
QString spokenEndTime(const QString &endTime);
// A label whose caption is game state: "Risposte esatte: 3", or its name alone while empty.
QString spokenCaption(const QString &name, const QString &caption);
// The clock with the end time in force: "Orologio: 14:21:05, fine alle 14:22:00".
QString spokenClock(const QString &time, const QString &endTime);
// Something said first, then what a control says anyway.
QString spokenBefore(const QString &first, const QString &then);
// A box as it opens: its title, its texts and the buttons it offers.
QString spokenBox(const QString &title, const QStringList &texts, const QStringList &buttons);
// A control that has no words of its own: a button, a text field, a menu entry.
QString spokenButton(const QString &name);
QString spokenField(const QString &text);
QString spokenMenuEntry(const QString &name, bool submenu);
