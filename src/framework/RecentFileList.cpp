#include "framework/RecentFileList.h"

#include "framework/CmdUI.h"
#include "framework/Menu.h"
#include "framework/ProfileSettings.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

std::string Normalised(const std::string& path)
{
    std::error_code ec;
    const fs::path full = fs::absolute(path, ec);
    return ec ? path : full.lexically_normal().string();
}

std::string EscapeMnemonics(const std::string& text)
{
    std::string out;
    for (char c : text) {
        if (c == '&')
            out += '&';
        out += c;
    }
    return out;
}

} // namespace

CRecentFileList::CRecentFileList(unsigned nStart, std::string section, std::string entryFormat, int nSize,
                                 int nMaxDisplayLength)
    : m_nStart(nStart),
      m_strSection(std::move(section)),
      m_strEntryFormat(std::move(entryFormat)),
      m_nSize(std::max(0, nSize)),
      m_nMaxDisplayLength(nMaxDisplayLength)
{
}

void CRecentFileList::Add(const std::string& path)
{
    if (path.empty() || m_nSize == 0)
        return;
    const std::string name = Normalised(path);
    m_names.erase(std::remove(m_names.begin(), m_names.end(), name), m_names.end());
    m_names.insert(m_names.begin(), name);
    if (static_cast<int>(m_names.size()) > m_nSize)
        m_names.resize(static_cast<size_t>(m_nSize));
}

void CRecentFileList::Remove(int index)
{
    if (index >= 0 && index < GetCount())
        m_names.erase(m_names.begin() + index);
}

std::string CRecentFileList::GetDisplayName(int index, const std::string& currentDir) const
{
    if (index < 0 || index >= GetCount())
        return {};
    const fs::path path(m_names[static_cast<size_t>(index)]);
    const std::string fileName = path.filename().string();
    if (!currentDir.empty() && path.parent_path() == fs::path(currentDir).lexically_normal())
        return fileName;
    const std::string full = path.string();
    if (static_cast<int>(full.size()) <= m_nMaxDisplayLength)
        return full;
    // Keep the root folder and as many trailing folders as fit.
    std::vector<std::string> parts;
    for (const fs::path& part : path.relative_path())
        parts.push_back(part.string());
    if (parts.size() < 2)
        return fileName;
    const std::string head = path.root_path().string() + parts.front() + "/...";
    for (size_t first = 2; first < parts.size(); ++first) {
        std::string candidate = head;
        for (size_t i = first; i < parts.size(); ++i)
            candidate += "/" + parts[i];
        if (static_cast<int>(candidate.size()) <= m_nMaxDisplayLength)
            return candidate;
    }
    return fileName;
}

void CRecentFileList::UpdateMenu(CCmdUI* pCmdUI)
{
    CMenu* menu = pCmdUI->m_pMenu;
    if (!menu)
        return;
    const int index = static_cast<int>(pCmdUI->m_nIndex);
    if (m_strOriginal.empty())
        m_strOriginal = menu->GetMenuString(index);
    // Remove the placeholder or the entries shown last time.
    while (index < static_cast<int>(menu->GetMenuItemCount())) {
        const UINT id = menu->GetMenuItemID(index);
        if (id < m_nStart || id >= m_nStart + static_cast<unsigned>(m_nSize) || id == static_cast<UINT>(-1))
            break;
        menu->RemoveMenuItem(index);
    }
    if (m_names.empty()) {
        menu->InsertMenuItem(index, m_nStart, m_strOriginal);
        menu->EnableMenuItem(static_cast<UINT>(index), MF_BYPOSITION | MF_GRAYED);
    } else {
        const std::string currentDir = fs::current_path().string();
        for (int i = 0; i < GetCount(); ++i) {
            const std::string text =
                "&" + std::to_string(i + 1) + " " + EscapeMnemonics(GetDisplayName(i, currentDir));
            menu->InsertMenuItem(index + i, m_nStart + static_cast<unsigned>(i), text);
        }
    }
    const int shown = std::max(1, GetCount());
    pCmdUI->m_nIndex = static_cast<UINT>(index + shown - 1);
    pCmdUI->m_nIndexMax = menu->GetMenuItemCount();
    pCmdUI->m_bEnableChanged = TRUE;
}

std::string CRecentFileList::EntryName(int index) const
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, m_strEntryFormat.c_str(), index + 1);
    return buffer;
}

void CRecentFileList::ReadList(const CProfileSettings& settings)
{
    m_names.clear();
    for (int i = 0; i < m_nSize; ++i) {
        const std::string name = settings.GetString(m_strSection, EntryName(i));
        if (!name.empty() && std::find(m_names.begin(), m_names.end(), name) == m_names.end())
            m_names.push_back(name);
    }
}

void CRecentFileList::WriteList(CProfileSettings& settings) const
{
    for (int i = 0; i < m_nSize; ++i) {
        if (i < GetCount())
            settings.WriteString(m_strSection, EntryName(i), m_names[static_cast<size_t>(i)]);
        else
            settings.RemoveEntry(m_strSection, EntryName(i));
    }
    settings.Flush();
}
