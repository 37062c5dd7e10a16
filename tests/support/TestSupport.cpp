#include "support/TestSupport.h"

#include "platform/MessageLoop.h"
#include "platform/qt/QtBridge.h"

#include <QCoreApplication>
#include <QTest>
#include <QWidget>

#include <algorithm>
#include <set>
#include <string>
#include <utility>

namespace testsupport {

namespace {

constexpr const char* kRecorderProp = "testsupport.recorder";
constexpr const char* kPreviousProp = "testsupport.previous";

} // namespace

void ProcessEvents()
{
    PumpWaitingMessages();
}

const char* TestWindowClass(const char* name, WNDPROC proc)
{
    static std::set<std::string> registered;
    if (registered.insert(name).second) {
        WNDCLASSA wc;
        wc.lpfnWndProc = proc;
        wc.lpszClassName = name;
        RegisterClassA(&wc);
    }
    return name;
}

HWND CreateChild(const char* className, HWND parent, int id, int x, int y, int width, int height, DWORD style)
{
    return CreateWindowExA(0, className, "", WS_CHILD | WS_VISIBLE | style, x, y, width, height, parent,
                           static_cast<HMENU>(id), nullptr, nullptr);
}

HWND CreateShownTopWindow(int clientWidth, int clientHeight)
{
    HWND hwnd = CreateWindowExA(0, TestWindowClass("TestSupportTop"), "test", WS_OVERLAPPEDWINDOW, 40, 40,
                                clientWidth, clientHeight, nullptr, 0, nullptr, nullptr);
    if (!hwnd)
        return nullptr;
    ShowWindow(hwnd, SW_SHOW);
    if (QWidget* widget = WidgetOfWindow(hwnd))
        (void)QTest::qWaitForWindowExposed(widget);
    ProcessEvents();
    return hwnd;
}

QImage GrabClient(HWND hwnd)
{
    return GrabWindowImage(hwnd);
}

QImage RenderClient(HWND hwnd)
{
    RECT client;
    GetClientRect(hwnd, &client);
    return WidgetOfWindow(hwnd)
        ->grab(QRect(0, 0, client.right, client.bottom))
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

namespace {

// How many pixels pass the test, and their box.
std::pair<int, QRect> PixelsOf(const QImage& image, const std::function<bool(QRgb)>& test, QRect area)
{
    area = area.isNull() ? image.rect() : area & image.rect();
    QRect box;
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (test(image.pixel(x, y))) {
                ++count;
                box |= QRect(x, y, 1, 1);
            }
    return {count, box};
}

} // namespace

int CountPixels(const QImage& image, const std::function<bool(QRgb)>& test, QRect area)
{
    return PixelsOf(image, test, area).first;
}

QRect PixelBox(const QImage& image, const std::function<bool(QRgb)>& test, QRect area)
{
    return PixelsOf(image, test, area).second;
}

MessageRecorder::~MessageRecorder()
{
    for (HWND hwnd : m_watched) {
        if (!IsWindow(hwnd) || GetPropA(hwnd, kRecorderProp) != this)
            continue;
        SetWindowLongPtrA(hwnd, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(GetPropA(hwnd, kPreviousProp)));
        RemovePropA(hwnd, kRecorderProp);
        RemovePropA(hwnd, kPreviousProp);
    }
}

void MessageRecorder::Watch(HWND hwnd)
{
    m_watched.push_back(hwnd);
    SetPropA(hwnd, kRecorderProp, this);
    const LONG_PTR previous =
        SetWindowLongPtrA(hwnd, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&MessageRecorder::Proc));
    SetPropA(hwnd, kPreviousProp, reinterpret_cast<void*>(previous));
}

LRESULT MessageRecorder::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto* recorder = static_cast<MessageRecorder*>(GetPropA(hwnd, kRecorderProp));
    auto previous = reinterpret_cast<WNDPROC>(GetPropA(hwnd, kPreviousProp));
    if (recorder)
        recorder->m_messages.push_back(Recorded{hwnd, msg, wParam, lParam});
    return CallWindowProcA(previous, hwnd, msg, wParam, lParam);
}

std::vector<UINT> MessageRecorder::Codes(std::initializer_list<UINT> wanted) const
{
    std::vector<UINT> codes;
    for (const Recorded& r : m_messages)
        if (std::ranges::find(wanted, r.message) != wanted.end())
            codes.push_back(r.message);
    return codes;
}

int MessageRecorder::Count(UINT message) const
{
    return static_cast<int>(std::ranges::count(m_messages, message, &Recorded::message));
}

} // namespace testsupport
