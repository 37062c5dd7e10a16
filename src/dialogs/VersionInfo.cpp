#include "dialogs/VersionInfo.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <utility>

namespace {

// The strings in field order, under the keys they are looked up with.
constexpr std::pair<const char*, std::string CVersionInfo::*> kStrings[] = {
    {"CompanyName", &CVersionInfo::m_strCompanyName},
    {"FileDescription", &CVersionInfo::m_strFileDescription},
    {"FileVersion", &CVersionInfo::m_strFileVersion},
    {"InternalName", &CVersionInfo::m_strInternalName},
    {"LegalCopyright", &CVersionInfo::m_strLegalCopyright},
    {"OriginalFileName", &CVersionInfo::m_strOriginalFileName},
    {"ProductName", &CVersionInfo::m_strProductName},
    {"ProductVersion", &CVersionInfo::m_strProductVersion},
    {"Comments", &CVersionInfo::m_strComments},
    {"LegalTrademarks", &CVersionInfo::m_strLegalTrademarks},
    {"PrivateBuild", &CVersionInfo::m_strPrivateBuild},
    {"SpecialBuild", &CVersionInfo::m_strSpecialBuild},
};

constexpr LANGID kNeutral = 0x00;
constexpr LANGID kEnglish = 0x09;
constexpr DWORD kMaxPath = 4096;

// The user's language exactly, then its primary language, then neutral,
// then any English; failing all, the first entry.
bool ChooseTranslation(const void* table, UINT length, DWORD& translation)
{
    if (length < sizeof(DWORD))
        return false;
    const LANGID user = GetUserDefaultLangID();
    if (CVersionInfo::FindTranslation(table, length, user, translation, FALSE)
        || CVersionInfo::FindTranslation(table, length, user, translation, TRUE)
        || CVersionInfo::FindTranslation(table, length, kNeutral, translation, TRUE)
        || CVersionInfo::FindTranslation(table, length, kEnglish, translation, TRUE))
        return true;
    std::memcpy(&translation, table, sizeof translation);
    return true;
}

} // namespace

CVersionInfo::CVersionInfo()
{
    Reset();
}

void CVersionInfo::Reset()
{
    std::memset(&m_fixedInfo, 0, sizeof m_fixedInfo);
    for (const auto& [key, field] : kStrings)
        (this->*field).clear();
}

BOOL CVersionInfo::ReadFromModule(HMODULE hModule)
{
    char path[kMaxPath];
    GetModuleFileNameA(hModule, path, kMaxPath);
    return ReadFromFile(path);
}

BOOL CVersionInfo::ReadFromFile(const std::string& strPath)
{
    Reset();
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(strPath.c_str(), &handle);
    if (size == 0)
        return FALSE;
    std::unique_ptr<BYTE[]> buffer(new (std::nothrow) BYTE[size]);
    if (!buffer || !GetFileVersionInfoA(strPath.c_str(), handle, size, buffer.get()))
        return FALSE;
    try {
        return ReadBlock(buffer.get());
    } catch (const std::bad_alloc&) {
        Reset();
        return FALSE;
    }
}

BOOL CVersionInfo::ReadBlock(const void* pBlock)
{
    void* value = nullptr;
    UINT length = 0;
    if (VerQueryValueA(pBlock, "\\", &value, &length) && length == sizeof m_fixedInfo)
        std::memcpy(&m_fixedInfo, value, sizeof m_fixedInfo);

    DWORD translation = 0;
    if (!VerQueryValueA(pBlock, "\\VarFileInfo\\Translation", &value, &length)
        || !ChooseTranslation(value, length, translation))
        return TRUE;
    char prefix[32];
    std::snprintf(prefix, sizeof prefix, "\\StringFileInfo\\%04X%04X\\",
                  static_cast<unsigned>(LOWORD(translation)), static_cast<unsigned>(HIWORD(translation)));
    for (const auto& [key, field] : kStrings)
        if (VerQueryValueA(pBlock, (std::string(prefix) + key).c_str(), &value, &length))
            this->*field = static_cast<const char*>(value);
    return TRUE;
}

BOOL CVersionInfo::FindTranslation(const void* pTranslations, UINT nLength, LANGID wLangId,
                                   DWORD& dwTranslation, BOOL bAllowPrimaryMatch)
{
    const auto* bytes = static_cast<const BYTE*>(pTranslations);
    const UINT count = pTranslations ? nLength / sizeof(DWORD) : 0;
    auto entry = [bytes](UINT i) {
        DWORD value;
        std::memcpy(&value, bytes + i * sizeof(DWORD), sizeof value);
        return value;
    };
    for (UINT i = 0; i < count; ++i) {
        if (LOWORD(entry(i)) == wLangId) {
            dwTranslation = entry(i);
            return TRUE;
        }
    }
    if (!bAllowPrimaryMatch)
        return FALSE;
    for (UINT i = 0; i < count; ++i) {
        if ((LOWORD(entry(i)) & 0xFF) == (wLangId & 0xFF)) {
            dwTranslation = entry(i);
            return TRUE;
        }
    }
    return FALSE;
}
