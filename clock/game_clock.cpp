#include "game_clock.h"

#include "counting_boxes.h"

QString endTimeText(const EndTime &end, const TimeText &timeText)
{
    if (const auto *text = std::get_if<QString>(&end))
        return *text;
    return timeText.text(std::get<DateTime>(end));
}

void askEndTime(GameState &state, Boxes &boxes, const TimeText &timeText, std::function<void()> done)
{
    const auto finish = [done](Button = Button::Ok) {
        if (done)
            done();
    };
    boxes.input(QStringLiteral("Immettere l'orario di fine  gioco"), QStringLiteral("Il gioco termina alle ore"),
                endTimeText(state.endTime, timeText), [&state, &boxes, &timeText, finish](const QString &answer) {
                    state.endTime = answer;
                    if (answer.isEmpty())
                        return finish();
                    if (const auto value = timeText.parse(answer)) {
                        state.endTime = *value;
                        return finish();
                    }
                    boxes.message(QStringLiteral("L'orario immesso non è valido."), BoxStyle::okOnly,
                                  QStringLiteral("Orario di esempio  14.22"), finish);
                });
}

void tick(GameState &state, ClockFace &face, const Services &services, const CountingBoxes &open)
{
    const Clock &clock = services.clock;
    const TimeText &timeText = services.timeText;
    if (timeText.text(clock.now()) == face.timeLabel())
        return;

    if (state.endReached(clock.now()) && !state.endAnnounced) {
        if (!open.anyOpen()) {
            services.system.beep();
            // Announced once the question that follows is answered.
            services.boxes.message(QStringLiteral("Gioco fino alle ") + timeText.text(clock.now()),
                                   BoxStyle::okOnly, QStringLiteral("Fine"), [&state, &face](Button) {
                                       face.offerNewGame([&state] { state.endAnnounced = true; });
                                   });
        }
    } else if (state.beforeEnd(clock.now())) {
        state.endAnnounced = false;
    }

    if (face.minimized()) {
        // A title that does not read as a time is out of date as well.
        const auto shown = timeText.parse(face.caption());
        if (!shown || shown->minute() != clock.now().minute())
            face.showTimeInCaption();
    } else {
        face.setTimeLabel(timeText.text(clock.now()));
    }
}
