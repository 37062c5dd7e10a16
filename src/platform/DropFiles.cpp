// Files dropped on a window that accepts them arrive as WM_DROPFILES with
// a handle that lists their paths (file-system bytes).
#include "platform/internal/DropFiles.h"

#include "platform/internal/WindowRecord.h"

#include <QWidget>

#include <algorithm>
#include <cstring>
#include <unordered_set>

struct DropRecord {
    std::vector<std::string> files;
};

namespace {

std::unordered_set<const DropRecord*> g_liveDrops;

} // namespace

HDROP NewDropRecord(std::vector<std::string> files)
{
    auto* drop = new DropRecord{std::move(files)};
    g_liveDrops.insert(drop);
    return drop;
}

void DragAcceptFiles(HWND hwnd, BOOL accept)
{
    WindowRecord* rec = LiveWindow(hwnd);
    if (!rec)
        return;
    rec->exStyle = accept ? (rec->exStyle | WS_EX_ACCEPTFILES) : (rec->exStyle & ~WS_EX_ACCEPTFILES);
    rec->widget->setAcceptDrops(accept != FALSE);
}

UINT DragQueryFileA(HDROP drop, UINT index, char* buffer, UINT size)
{
    if (!drop || !g_liveDrops.count(drop))
        return 0;
    if (index == 0xFFFFFFFF)
        return static_cast<UINT>(drop->files.size());
    if (index >= drop->files.size())
        return 0;
    const std::string& path = drop->files[index];
    if (!buffer || size == 0)
        return static_cast<UINT>(path.size());
    const size_t n = std::min<size_t>(path.size(), size - 1);
    std::memcpy(buffer, path.data(), n);
    buffer[n] = '\0';
    return static_cast<UINT>(n);
}

void DragFinish(HDROP drop)
{
    if (drop && g_liveDrops.erase(drop))
        delete drop;
}
