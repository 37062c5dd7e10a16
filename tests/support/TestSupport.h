// Small helpers for tests that run windows in process.
#pragma once

#include "platform/Window.h"

#include <QImage>

#include <functional>
#include <string>
#include <vector>

namespace testsupport {

// Lets Qt and the pump handle everything that is waiting, including the
// paint and expose events that showing a window causes.
void ProcessEvents();

// A window class of this name with this procedure, registered on first
// use; gives back the name.
const char* TestWindowClass(const char* name, WNDPROC proc = DefWindowProcA);

// A visible top-level window of a plain class (default procedure) with the
// given client size, shown and exposed; destroy it with DestroyWindow.
HWND CreateShownTopWindow(int clientWidth, int clientHeight);

// A visible child window of a class, with this id and place.
HWND CreateChild(const char* className, HWND parent, int id, int x, int y, int width, int height,
                 DWORD style = 0);

// What a window shows on the screen now, client area only (read from the
// backing store, so no extra paint is caused).
QImage GrabClient(HWND hwnd);
// The client area painted anew, as --screenshot renders it: every widget
// through the event bridge at the screen's ratio, in device pixels (RGB32).
QImage RenderClient(HWND hwnd);

// How many pixels of an image (of `area` in it, when given) pass `test`,
// and the smallest rectangle that holds them (empty when none does).
int CountPixels(const QImage& image, const std::function<bool(QRgb)>& test, QRect area = QRect());
QRect PixelBox(const QImage& image, const std::function<bool(QRgb)>& test, QRect area = QRect());

// One message as a recording procedure saw it.
struct Recorded {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// Records every message of the windows it is installed on (by subclassing)
// and passes them on to the replaced procedure. Its end puts the replaced
// procedures back on the windows that are still alive.
class MessageRecorder {
public:
    MessageRecorder() = default;
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    void Watch(HWND hwnd);
    const std::vector<Recorded>& Messages() const { return m_messages; }
    // Only the messages with these codes, in order.
    std::vector<UINT> Codes(std::initializer_list<UINT> wanted) const;
    int Count(UINT message) const;
    void Clear() { m_messages.clear(); }

private:
    static LRESULT Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    std::vector<Recorded> m_messages;
    std::vector<HWND> m_watched;
};

} // namespace testsupport
