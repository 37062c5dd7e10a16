// Whether Qt will be able to open a display, asked before the Qt
// application is made: Qt aborts the process when it cannot.
#pragma once

#include <string>

// Asks whether a display can be opened and, when it can, keeps the test
// connection until the object goes: an X server with no other client resets
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
    std::string m_strProblem;
    void* m_pLibrary = nullptr;
    void* m_pConnection = nullptr;
};
