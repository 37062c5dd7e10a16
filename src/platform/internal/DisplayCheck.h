// Whether Qt will be able to open a display, asked before the Qt
// application is made: Qt aborts the process when it cannot.
#pragma once

#include <string>
#include <vector>

// Chooses the window system Qt is to use among those that can be started
// (telling Qt through QT_QPA_PLATFORM when it would try another first) and,
// when one can, keeps the test connection until the object goes: an X server with no other client resets
// when its last one leaves, and a connection made during that reset fails.
// So the probe lives until Qt has made its own connection.
class CDisplayProbe {
public:
    CDisplayProbe();
    ~CDisplayProbe();
    CDisplayProbe(const CDisplayProbe&) = delete;
    CDisplayProbe& operator=(const CDisplayProbe&) = delete;

    // Why no display can be opened, for the user; empty when one can (or
    // when there is no way to tell beforehand).
    const std::string& Problem() const { return m_strProblem; }

private:
    // Each returns why the window system cannot be used, empty when it can.
    std::string TryX(const std::string& display);
    std::string TryWayland(const std::string& wayland);

    struct Connection {
        void* library = nullptr;
        void (*disconnect)(void*) = nullptr;
        void* connection = nullptr;
    };
    std::string m_strProblem;
    std::vector<Connection> m_disconnect;
};
