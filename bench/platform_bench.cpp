// Platform drawing benchmark: the text and focus-frame operations that the
// tree control paints with, on a 1200 x 1000 bitmap, with labels taken from
// a real file. Prints median and minimum per call; never run by the tests.
// Run with QT_QPA_PLATFORM=offscreen.
//
//   platform_bench [file.ifc] [repeats]
#include "BenchSupport.h"
#include "platform/Gdi.h"
#include "platform/MessageLoop.h"
#include "support/SampleFiles.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 1200;
constexpr int kHeight = 1000;
constexpr int kRowHeight = 16;
constexpr int kIndent = 19;
constexpr UINT kLabelFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX;

// Prints the median and minimum microseconds per call of f, which makes
// `calls` calls, over `repeat` runs.
void Report(const char* what, int repeat, int calls, const std::function<void()>& f)
{
    const Timing t = TimeMs(repeat, f);
    std::printf("  %-58s median %8.2f us, min %8.2f us\n", what, t.median * 1000.0 / calls,
                t.min * 1000.0 / calls);
}

int Width(HDC dc, const std::string& text)
{
    SIZE size{};
    GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
    return size.cx;
}

// A label drawn as the tree draws it: in a rectangle 4 px wider than the
// text, from the indent of the first level.
void DrawLabel(HDC dc, const std::string& text, int top)
{
    RECT r{kIndent, top, kIndent + Width(dc, text) + 4, top + kRowHeight};
    DrawTextA(dc, text.data(), static_cast<int>(text.size()), &r, kLabelFormat);
}

} // namespace

int main(int argc, char** argv)
{
    if (!InitPlatform(argc, argv)) {
        std::fprintf(stderr, "no display: %s\n", PlatformInitError().c_str());
        return 1;
    }
    const std::string path = argc > 1 ? argv[1] : testsupport::SamplePath("AC20-FZK-Haus.ifc");
    const int repeat = argc > 2 ? std::atoi(argv[2]) : 200;
    const std::vector<std::string> lines = ReadEntityLines(path);
    if (lines.size() < 100) {
        std::fprintf(stderr, "too few entity lines in %s\n", path.c_str());
        return 1;
    }
    const std::vector<std::string> page(lines.begin() + static_cast<long>(lines.size() / 2),
                                        lines.begin() + static_cast<long>(lines.size() / 2) + 62);
    const std::string longest =
        *std::max_element(lines.begin(), lines.end(),
                          [](const std::string& a, const std::string& b) { return a.size() < b.size(); });

    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateBitmap(kWidth, kHeight);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    std::size_t bytes = 0;
    for (const std::string& line : page)
        bytes += line.size();
    std::printf("%s: a page of %zu labels of %.0f bytes on average; the longest label %zu bytes, %d px\n",
                path.c_str(), page.size(), static_cast<double>(bytes) / static_cast<double>(page.size()),
                longest.size(), Width(dc, longest));

    std::printf("DrawTextA (single line, centred, not clipped, no prefixes):\n");
    Report("a page's labels, per label", repeat, static_cast<int>(page.size()), [&] {
        int top = 0;
        for (const std::string& line : page) {
            DrawLabel(dc, line, top);
            top += kRowHeight;
        }
    });
    Report("the longest label, whole bitmap visible", repeat, 1, [&] { DrawLabel(dc, longest, 0); });
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, 600, 0, 800, kHeight);
    Report("the longest label, clipped to x 600..800", repeat, 1, [&] { DrawLabel(dc, longest, 0); });
    RestoreDC(dc, saved);

    std::printf("ExtTextOutA:\n");
    Report("a page's labels, per label", repeat, static_cast<int>(page.size()), [&] {
        int top = 0;
        for (const std::string& line : page) {
            ExtTextOutA(dc, kIndent, top, 0, nullptr, line.data(), static_cast<UINT>(line.size()), nullptr);
            top += kRowHeight;
        }
    });

    std::printf("DrawFocusRect:\n");
    for (int width : {650, 30000}) {
        const RECT frame{kIndent, 100, kIndent + width, 100 + kRowHeight};
        const std::string what = "a frame " + std::to_string(width) + " px wide";
        Report(what.c_str(), repeat, 1, [&] { DrawFocusRect(dc, &frame); });
    }

    SelectObject(dc, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return 0;
}
