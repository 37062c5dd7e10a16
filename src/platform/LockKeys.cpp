// The lock keys' state from the X keyboard's indicators, asked on Qt's own
// connection by the indicators' names (XKB), so that it holds for any
// keyboard layout. libxcb and libxcb-xkb are loaded at run time, as for the
// display check: Qt's X plugin has them loaded already, and the build gains
// no dependency. Other window systems tell Qt nothing of the locks, so
// there every indicator is off.
#include "platform/internal/LockKeys.h"

#include "platform/TestHooks.h"
#include "platform/WinMessages.h"

#include <QGuiApplication>

#include <dlfcn.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>

namespace {

constexpr int kLocks = 3;
constexpr const char* kIndicatorNames[kLocks] = {"Caps Lock", "Num Lock", "Scroll Lock"};

int LockIndex(int virtKey)
{
    switch (virtKey) {
    case VK_CAPITAL:
        return 0;
    case VK_NUMLOCK:
        return 1;
    case VK_SCROLL:
        return 2;
    default:
        return -1;
    }
}

// libxcb's types, as its headers declare them (the protocol's reply layouts).
struct Cookie {
    unsigned int sequence;
};
struct InternAtomReply {
    std::uint8_t responseType;
    std::uint8_t pad;
    std::uint16_t sequence;
    std::uint32_t length;
    std::uint32_t atom;
};
struct NamedIndicatorReply {
    std::uint8_t responseType;
    std::uint8_t deviceId;
    std::uint16_t sequence;
    std::uint32_t length;
    std::uint32_t indicator;
    std::uint8_t found;
    std::uint8_t on;
};
constexpr std::uint16_t kUseCoreKeyboard = 0x100;
constexpr std::uint16_t kDefaultLedClass = 0x300;
constexpr std::uint16_t kDefaultLedId = 0x400;

class XkbIndicators {
public:
    XkbIndicators()
    {
        void* xcb = dlopen("libxcb.so.1", RTLD_NOW | RTLD_LOCAL);
        void* xkb = dlopen("libxcb-xkb.so.1", RTLD_NOW | RTLD_LOCAL);
        if (!xcb || !xkb)
            return;
        m_internAtom = reinterpret_cast<InternAtom>(dlsym(xcb, "xcb_intern_atom"));
        m_internAtomReply = reinterpret_cast<InternAtomReplyOf>(dlsym(xcb, "xcb_intern_atom_reply"));
        m_getIndicator = reinterpret_cast<GetIndicator>(dlsym(xkb, "xcb_xkb_get_named_indicator"));
        m_getIndicatorReply =
            reinterpret_cast<GetIndicatorReply>(dlsym(xkb, "xcb_xkb_get_named_indicator_reply"));
    }

    // Asks the X server (one round trip once the names are known); nothing
    // when Qt does not run on X.
    std::optional<std::array<bool, kLocks>> Read()
    {
        void* connection = Connection();
        if (!connection || !m_internAtom || !m_internAtomReply || !m_getIndicator || !m_getIndicatorReply)
            return std::nullopt;
        if (connection != m_atomsOf)
            InternNames(connection);
        Cookie cookies[kLocks] = {};
        for (int i = 0; i < kLocks; ++i) {
            if (m_atoms[i] != 0)
                cookies[i] =
                    m_getIndicator(connection, kUseCoreKeyboard, kDefaultLedClass, kDefaultLedId, m_atoms[i]);
        }
        std::array<bool, kLocks> on = {};
        for (int i = 0; i < kLocks; ++i) {
            if (m_atoms[i] == 0)
                continue;
            void* error = nullptr;
            auto* reply = m_getIndicatorReply(connection, cookies[i], &error);
            on[i] = reply && reply->found && reply->on;
            std::free(reply);
            std::free(error);
        }
        return on;
    }

private:
    using InternAtom = Cookie (*)(void*, std::uint8_t, std::uint16_t, const char*);
    using InternAtomReplyOf = InternAtomReply* (*)(void*, Cookie, void**);
    using GetIndicator = Cookie (*)(void*, std::uint16_t, std::uint16_t, std::uint16_t, std::uint32_t);
    using GetIndicatorReply = NamedIndicatorReply* (*)(void*, Cookie, void**);

    static void* Connection()
    {
        auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
        auto* x11 = app ? app->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
        return x11 ? static_cast<void*>(x11->connection()) : nullptr;
    }

    // A name no keymap has gets atom 0 and stays off.
    void InternNames(void* connection)
    {
        Cookie cookies[kLocks];
        for (int i = 0; i < kLocks; ++i)
            cookies[i] =
                m_internAtom(connection, 1, static_cast<std::uint16_t>(std::strlen(kIndicatorNames[i])),
                             kIndicatorNames[i]);
        for (int i = 0; i < kLocks; ++i) {
            void* error = nullptr;
            auto* reply = m_internAtomReply(connection, cookies[i], &error);
            m_atoms[i] = reply ? reply->atom : 0;
            std::free(reply);
            std::free(error);
        }
        m_atomsOf = connection;
    }

    InternAtom m_internAtom = nullptr;
    InternAtomReplyOf m_internAtomReply = nullptr;
    GetIndicator m_getIndicator = nullptr;
    GetIndicatorReply m_getIndicatorReply = nullptr;
    void* m_atomsOf = nullptr;
    std::uint32_t m_atoms[kLocks] = {};
};

bool g_stale = true;
std::array<bool, kLocks> g_on = {};
std::array<std::optional<bool>, kLocks> g_onForTest;

} // namespace

bool LockKeyToggled(int virtKey)
{
    const int index = LockIndex(virtKey);
    if (index < 0)
        return false;
    if (g_onForTest[index])
        return *g_onForTest[index];
    if (g_stale) {
        static XkbIndicators indicators;
        g_on = indicators.Read().value_or(std::array<bool, kLocks>{});
        g_stale = false;
    }
    return g_on[index];
}

void NoteLockKeysMayHaveChanged()
{
    g_stale = true;
}

void SetLockKeyForTest(int virtKey, std::optional<bool> on)
{
    if (const int index = LockIndex(virtKey); index >= 0)
        g_onForTest[index] = on;
}
