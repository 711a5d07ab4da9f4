#pragma once

#include <QtGlobal>
#include <compare>

// A point in time counted in whole seconds from day zero (30 December 1899).
// A bare time of day lies on day zero, so comparing it with a full date
// never reaches that date: the game compares times of day only.
struct DateTime
{
    qint64 secs = 0;

    static constexpr qint64 secsPerDay = 86400;

    static constexpr DateTime fromTime(int hours, int minutes, int seconds)
    {
        return {hours * 3600LL + minutes * 60LL + seconds};
    }

    constexpr bool isBareTime() const { return secs >= 0 && secs < secsPerDay; }
    constexpr qint64 day() const { return secs >= 0 ? secs / secsPerDay : (secs - secsPerDay + 1) / secsPerDay; }
    constexpr int secondOfDay() const { return int(secs - day() * secsPerDay); }
    constexpr int hour() const { return secondOfDay() / 3600; }
    constexpr int minute() const { return secondOfDay() / 60 % 60; }
    constexpr int second() const { return secondOfDay() % 60; }

    auto operator<=>(const DateTime &) const = default;
};
