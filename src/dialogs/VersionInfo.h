// CVersionInfo: reads a module's version block: the fixed file information
// and twelve named strings, in the translation that best fits the user's
// language.
#pragma once

#include "dialogs/UserLanguage.h"
#include "dialogs/VersionFunctions.h"

#include <string>

class CVersionInfo {
public:
    CVersionInfo();
    virtual ~CVersionInfo() = default;

    // Zeroes the fixed information and empties the strings.
    virtual void Reset();

    // Reads the version block of the module's file (a null module: the
    // running program).
    BOOL ReadFromModule(HMODULE hModule);
    // Reads the file's version block; FALSE, with everything reset, when it
    // has none or it cannot be read. A fixed part of another size than
    // VS_FIXEDFILEINFO stays zero, missing strings stay empty, and a block
    // without a translation table gives no strings.
    BOOL ReadFromFile(const std::string& strPath);

    std::string GetFileVersion() const { return m_strFileVersion; }

    // Looks through a translation table (4 bytes per entry: language in the
    // low word, code page in the high word; nLength in bytes) for the
    // language, then, when allowed, for the first entry of the same primary
    // language (equal lowest 8 bits). The first match in table order.
    static BOOL FindTranslation(const void* pTranslations, UINT nLength, LANGID wLangId, DWORD& dwTranslation,
                                BOOL bAllowPrimaryMatch);

    VS_FIXEDFILEINFO m_fixedInfo;
    std::string m_strCompanyName;
    std::string m_strFileDescription;
    std::string m_strFileVersion;
    std::string m_strInternalName;
    std::string m_strLegalCopyright;
    std::string m_strOriginalFileName;
    std::string m_strProductName;
    std::string m_strProductVersion;
    std::string m_strComments;
    std::string m_strLegalTrademarks;
    std::string m_strPrivateBuild;
    std::string m_strSpecialBuild;

private:
    BOOL ReadBlock(const void* pBlock);
};
