// Helpers of the dialogs' tests: the user's locale for one test, version
// blocks written to files, the desktop's open operation recorded, colours
// counted in grabbed pixels.
#pragma once

#include "dialogs/LinkLabel.h"
#include "dialogs/VersionBlockFormat.h"
#include "platform/WinTypes.h"

#include <QImage>

#include <optional>
#include <string>
#include <vector>

namespace dialogstest {

// Sets LC_ALL for the scope (the user's default language follows it).
class ScopedLocale {
public:
    explicit ScopedLocale(const char* locale);
    ~ScopedLocale();
    ScopedLocale(const ScopedLocale&) = delete;
    ScopedLocale& operator=(const ScopedLocale&) = delete;

private:
    std::optional<std::string> m_previous;
};

// The bytes written to a file of a folder that lives as long as the test
// program; gives back its path.
std::string WrittenFile(const std::vector<BYTE>& bytes);

// A version block whose string tables each say which translation they are:
// every string is "<key> <llllcccc>".
res::VersionBlock LabelledBlock(const std::vector<DWORD>& translations);

// Records what is handed to the desktop to open, answering `accept`.
class OpenedTargets {
public:
    OpenedTargets();
    ~OpenedTargets();
    OpenedTargets(const OpenedTargets&) = delete;
    OpenedTargets& operator=(const OpenedTargets&) = delete;

    std::vector<std::string> targets;
    bool accept = true;
};

// The text of a link label's tip.
std::string TipText(const CLinkLabel& link);

// How many pixels have exactly this colour.
int CountColour(const QImage& image, COLORREF colour);

} // namespace dialogstest
