#include "canberra_theme.h"

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

// The library's functions that the game calls.
struct CanberraTheme::Functions
{
    decltype(&ca_context_create) create;
    decltype(&ca_context_change_props) changeProps;
    decltype(&ca_context_destroy) destroy;
    decltype(&ca_proplist_create) newList;
    decltype(&ca_proplist_sets) set;
    decltype(&ca_proplist_destroy) destroyList;
    decltype(&ca_context_play_full) playFull;
};

CanberraTheme::CanberraTheme() : m_library(QStringLiteral("canberra"), 0) {}

CanberraTheme::~CanberraTheme()
{
    if (m_context)
        m_ca->destroy(m_context);
}

bool CanberraTheme::open()
{
    if (m_opened)
        return m_context;
    m_opened = true;
    const Functions ca{resolve<decltype(&ca_context_create)>(m_library, "ca_context_create"),
                       resolve<decltype(&ca_context_change_props)>(m_library, "ca_context_change_props"),
                       resolve<decltype(&ca_context_destroy)>(m_library, "ca_context_destroy"),
                       resolve<decltype(&ca_proplist_create)>(m_library, "ca_proplist_create"),
                       resolve<decltype(&ca_proplist_sets)>(m_library, "ca_proplist_sets"),
                       resolve<decltype(&ca_proplist_destroy)>(m_library, "ca_proplist_destroy"),
                       resolve<decltype(&ca_context_play_full)>(m_library, "ca_context_play_full")};
    if (!ca.create || !ca.changeProps || !ca.destroy || !ca.newList || !ca.set || !ca.destroyList || !ca.playFull
        || ca.create(&m_context) != CA_SUCCESS) {
        m_context = nullptr;
        return false;
    }
    m_ca = std::make_unique<const Functions>(ca);
    m_ca->changeProps(m_context, CA_PROP_APPLICATION_NAME, "Giocare con i numeri relativi", CA_PROP_APPLICATION_ID,
                      "it.scuola.NumeriRelativi", CA_PROP_APPLICATION_ICON_NAME, "it.scuola.NumeriRelativi", nullptr);
    return true;
}

bool CanberraTheme::play(const char *eventId, const QString &description)
{
    if (!open())
        return false;
    ca_proplist *props = nullptr;
    if (m_ca->newList(&props) != CA_SUCCESS)
        return false;
    m_ca->set(props, CA_PROP_EVENT_ID, eventId);
    m_ca->set(props, CA_PROP_EVENT_DESCRIPTION, description.toUtf8().constData());
    const int result = m_ca->playFull(m_context, 0, props, finished, nullptr);
    m_ca->destroyList(props);
    return result == CA_SUCCESS;
}
