// The answer box and grading fed any keys and pasted text: the box as the key
// filter and the 4-character limit leave it, graded on Enter.
#include "game_state.h"
#include "grading.h"

#include <QString>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    GameState state;
    QString box;
    int graded = 0;
    for (size_t i = 0; i < size; ++i) {
        const int byte = data[i];
        if (byte == 0xFF && i + 1 < size) {
            // Pasted with the mouse: bypasses the filter, not the length limit.
            const size_t n = std::min<size_t>(data[i + 1] % 8, size - i - 2);
            box = QString::fromLatin1(reinterpret_cast<const char *>(data + i + 2), qsizetype(n)).left(4);
            i += n + 1;
            continue;
        }
        if (byte == 0xFE && i + 1 < size) {
            state.expectedSum = qint16(int(data[++i]) - 128);
            continue;
        }
        switch (filterKey(byte)) {
        case KeyAction::Cancel:
            break;
        case KeyAction::Pass:
            if (byte == KeyCode::backspace)
                box.chop(1);
            else if (box.size() < 4)
                box += QChar(byte);
            break;
        case KeyAction::Grade: {
            const qint16 right = state.rightAnswers, wrong = state.wrongAnswers;
            const Grading g = grade(state, box);
            ++graded;
            const bool counted = g.right ? state.rightAnswers == std::min(right + 1, 32767) && state.wrongAnswers == wrong
                                         : state.wrongAnswers == std::min(wrong + 1, 32767) && state.rightAnswers == right;
            if (!counted)
                std::abort();
            if (!g.right && g.verdict != QStringLiteral("Sbagliato!! ") + QString::number(state.expectedSum))
                std::abort();
            break;
        }
        }
    }
    if (state.rightAnswers + state.wrongAnswers != graded || totalAnswers(state) != graded)
        std::abort();
    return 0;
}
