#pragma once

#include "services.h"

#include <QLibrary>

struct ca_context;

// The freedesktop sound theme through libcanberra, as desktop programs play
// their event sounds. The library is loaded and the context made only when
// the first sound is wanted: start-up pays nothing for it.
class CanberraTheme final : public SoundTheme
{
public:
    CanberraTheme();
    ~CanberraTheme() override;
    bool play(const char *eventId, const QString &description) override;

private:
    bool open();

    QLibrary m_library;
    ca_context *m_context = nullptr;
    bool m_opened = false;
};
