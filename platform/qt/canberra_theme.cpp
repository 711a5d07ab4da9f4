#include "canberra_theme.h"
#include "qt_services.h"

#include <QApplication>
#include <canberra.h>

namespace {
template <class F>
F resolve(QLibrary &library, const char *name)
{
    return reinterpret_cast<F>(library.resolve(name));
}

// A sound that fails once under way (a sound server gone) still gives the bell.
void finished(ca_context *, uint32_t, int error, void *)
{
    if (error != CA_SUCCESS && error != CA_ERROR_CANCELED)
        QMetaObject::invokeMethod(qApp, [] { QApplication::beep(); }, Qt::QueuedConnection);
}
}

std::unique_ptr<SoundTheme> desktopSoundTheme()
{
    return std::make_unique<CanberraTheme>();
}

CanberraTheme::CanberraTheme() : m_library(QStringLiteral("canberra"), 0) {}

CanberraTheme::~CanberraTheme()
{
    if (m_context) {
        if (auto destroy = resolve<decltype(&ca_context_destroy)>(m_library, "ca_context_destroy"))
            destroy(m_context);
    }
}

bool CanberraTheme::open()
{
    if (m_opened)
        return m_context;
    m_opened = true;
    auto create = resolve<decltype(&ca_context_create)>(m_library, "ca_context_create");
    auto change = resolve<decltype(&ca_context_change_props)>(m_library, "ca_context_change_props");
    if (!create || !change || create(&m_context) != CA_SUCCESS) {
        m_context = nullptr;
        return false;
    }
    change(m_context, CA_PROP_APPLICATION_NAME, "Giocare con i numeri relativi", CA_PROP_APPLICATION_ID,
           "it.scuola.NumeriRelativi", CA_PROP_APPLICATION_ICON_NAME, "it.scuola.NumeriRelativi", nullptr);
    return true;
}

bool CanberraTheme::play(const char *eventId, const QString &description)
{
    if (!open())
        return false;
    auto newList = resolve<decltype(&ca_proplist_create)>(m_library, "ca_proplist_create");
    auto set = resolve<decltype(&ca_proplist_sets)>(m_library, "ca_proplist_sets");
    auto destroyList = resolve<decltype(&ca_proplist_destroy)>(m_library, "ca_proplist_destroy");
    auto playFull = resolve<decltype(&ca_context_play_full)>(m_library, "ca_context_play_full");
    ca_proplist *props = nullptr;
    if (!newList || !set || !destroyList || !playFull || newList(&props) != CA_SUCCESS)
        return false;
    set(props, CA_PROP_EVENT_ID, eventId);
    set(props, CA_PROP_EVENT_DESCRIPTION, description.toUtf8().constData());
    const int result = playFull(m_context, 0, props, finished, nullptr);
    destroyList(props);
    return result == CA_SUCCESS;
}
