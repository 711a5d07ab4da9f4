#include "spoken.h"

#include "grading.h"

QString spokenNumber(int value)
{
    // Spelled out: a bare "-" is read as a dash, or not at all.
    return value < 0 ? QStringLiteral("meno %1").arg(-value) : QString::number(value);
}

QString spokenProblem(int first, int second, bool firstOfGame)
{
    const QString problem = QStringLiteral("Quanto fa %1 più %2?").arg(spokenNumber(first), spokenNumber(second));
    return firstOfGame ? problem + QStringLiteral(" Scrivi il risultato e premi Invio.") : problem;
}

QString spokenVerdict(bool right, const GameState &state)
{
    const QString verdict = right ? QStringLiteral("Esatto!")
                                  : QStringLiteral("Sbagliato. Il risultato giusto è %1.")
                                        .arg(spokenNumber(state.expectedSum));
    return QStringLiteral("%1 Esatte %2, errate %3, totali %4.")
        .arg(verdict)
        .arg(state.rightAnswers)
        .arg(state.wrongAnswers)
        .arg(totalAnswers(state));
}

QString spokenEndTime(const QString &endTime)
{
    return endTime.isEmpty() ? QStringLiteral("Nessun orario di fine gioco.")
                             : QStringLiteral("Il gioco finisce alle %1.").arg(endTime);
}

QString spokenCaption(const QString &name, const QString &caption)
{
    return caption.isEmpty() ? name : name + QStringLiteral(": ") + caption;
}

QString spokenClock(const QString &time, const QString &endTime)
{
    const QString clock = spokenCaption(QStringLiteral("Orologio"), time);
    return endTime.isEmpty() ? clock : clock + QStringLiteral(", fine alle ") + endTime;
}

QString spokenBefore(const QString &first, const QString &then)
{
    return then.isEmpty() ? first : first + QLatin1Char(' ') + then;
}
