#pragma once

#include "qt_services.h"

#include <QLibrary>
#include <memory>

struct ca_context;
struct ca_proplist;

// The freedesktop sound theme through libcanberra, as desktop programs play
// their event sounds. The library is loaded, its functions looked up and the
// context made only when the first sound is wanted: start-up pays nothing.
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
    struct Functions;
    std::unique_ptr<const Functions> m_ca;
};
