#include "DialogsTest.h"

#include "platform/CommCtrl.h"
#include "platform/Shell.h"
#include "platform/qt/QtBridge.h"
#include "support/TempFolder.h"
#include "support/TestSupport.h"

#include <cstdio>
#include <cstdlib>

namespace dialogstest {

ScopedLocale::ScopedLocale(const char* locale)
{
    if (const char* previous = std::getenv("LC_ALL"))
        m_previous = previous;
    setenv("LC_ALL", locale, 1);
}

ScopedLocale::~ScopedLocale()
{
    if (m_previous)
        setenv("LC_ALL", m_previous->c_str(), 1);
    else
        unsetenv("LC_ALL");
}

std::string WrittenFile(const std::vector<BYTE>& bytes)
{
    static CTempFolder folder;
    static int counter = 0;
    return folder.Write(std::to_string(++counter) + ".bin", std::string(bytes.begin(), bytes.end()));
}

res::VersionBlock LabelledBlock(const std::vector<DWORD>& translations)
{
    res::VersionBlock block{};
    block.fixed.dwSignature = 0xFEEF04BD;
    block.fixed.dwFileVersionMS = 0x00020003;
    for (DWORD translation : translations) {
        char name[9];
        std::snprintf(name, sizeof name, "%04X%04X", static_cast<unsigned>(translation & 0xFFFF),
                      static_cast<unsigned>(translation >> 16));
        res::VersionTranslation table{translation, {}};
        for (const char* key : {"CompanyName", "FileDescription", "FileVersion", "InternalName",
                                "LegalCopyright", "OriginalFilename", "ProductName", "ProductVersion",
                                "Comments", "LegalTrademarks", "PrivateBuild", "SpecialBuild"})
            table.strings.push_back({key, std::string(key) + " " + name});
        block.translations.push_back(std::move(table));
    }
    return block;
}

OpenedTargets::OpenedTargets()
{
    SetShellOpenHook([this](const std::string& target) {
        targets.push_back(target);
        return accept;
    });
}

OpenedTargets::~OpenedTargets()
{
    SetShellOpenHook(nullptr);
}

std::string TipText(const CLinkLabel& link)
{
    char buffer[128] = "unchanged";
    TOOLINFOA ti;
    ti.hwnd = link.GetSafeHwnd();
    ti.uId = CLinkLabel::kTipToolId;
    ti.lpszText = buffer;
    SendMessageA(link.GetTipWindow(), TTM_GETTEXTA, sizeof buffer, reinterpret_cast<LPARAM>(&ti));
    return buffer;
}

int CountColour(const QImage& image, COLORREF colour)
{
    const QRgb wanted = QColorOf(colour).rgb() & 0xFFFFFF;
    return testsupport::CountPixels(image, [wanted](QRgb p) { return (p & 0xFFFFFF) == wanted; });
}

} // namespace dialogstest
