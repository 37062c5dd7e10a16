// The recent-file list: the last opened paths, most recent first, kept in
// the per-user settings and shown in the File menu in place of its first
// command id.
#pragma once

#include <string>
#include <vector>

class CCmdUI;
class CProfileSettings;

class CRecentFileList {
public:
    // Entries are stored as section/entryFormat with %d = 1, 2, ...;
    // menu items get the command ids nStart, nStart + 1, ...
    CRecentFileList(unsigned nStart, std::string section, std::string entryFormat, int nSize,
                    int nMaxDisplayLength = 30);

    int GetSize() const { return m_nSize; }
    int GetCount() const { return static_cast<int>(m_names.size()); }
    const std::string& operator[](int index) const { return m_names.at(static_cast<size_t>(index)); }

    // Moves (or puts) the path to the front; the oldest entry drops out.
    void Add(const std::string& path);
    void Remove(int index);

    // The menu text of an entry: the file name alone when the file is in
    // currentDir, else the path shortened in the middle to the display length.
    std::string GetDisplayName(int index, const std::string& currentDir) const;
    // Replaces the placeholder item (or the entries shown before) with one
    // item per entry, "&1 name" and so on; grays the placeholder when empty.
    void UpdateMenu(CCmdUI* pCmdUI);

    void ReadList(const CProfileSettings& settings);
    void WriteList(CProfileSettings& settings) const;

private:
    std::string EntryName(int index) const;

    unsigned m_nStart;
    std::string m_strSection;
    std::string m_strEntryFormat;
    int m_nSize;
    int m_nMaxDisplayLength;
    std::vector<std::string> m_names;
    std::string m_strOriginal; // the placeholder's text
};
