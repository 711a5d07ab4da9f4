#pragma once

#include "datetime.h"

#include <QString>
#include <QtGlobal>
#include <variant>

// Text while no valid end time was given ("" for none, or what the user
// typed); a date-time once a valid one was.
using EndTime = std::variant<QString, DateTime>;

struct GameState
{
    qint16 expectedSum = 0;
    qint16 rightAnswers = 0;
    qint16 wrongAnswers = 0;
    EndTime endTime = QString();
    bool endAnnounced = false;

    // On every load of the window; the sum and the announcement survive it.
    void reset()
    {
        endTime = QString();
        rightAnswers = 0;
        wrongAnswers = 0;
    }

    bool endReached(DateTime now) const
    {
        const auto *end = std::get_if<DateTime>(&endTime);
        return end && now >= *end;
    }

    bool beforeEnd(DateTime now) const
    {
        const auto *end = std::get_if<DateTime>(&endTime);
        return !end || now < *end;
    }
};
