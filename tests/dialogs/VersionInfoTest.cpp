// Reading version blocks: the choice of translation for the user's
// language, the fixed part's size rule, missing strings, files without a
// block, and the program's own block.
#include "DialogsTest.h"

#include "dialogs/VersionInfo.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using dialogstest::LabelledBlock;
using dialogstest::ScopedLocale;
using dialogstest::WrittenFile;

constexpr DWORD kUnicode = 1200u << 16;
constexpr DWORD kWestern = 1252u << 16;

// The file version string tells which translation's table was read.
std::string ChosenTable(const char* locale, const std::vector<DWORD>& translations)
{
    ScopedLocale userLocale(locale);
    const std::string file = WrittenFile(EncodeVersionNode(VersionBlockNodes(LabelledBlock(translations))));
    CVersionInfo info;
    EXPECT_TRUE(info.ReadFromFile(file));
    return info.GetFileVersion();
}

TEST(VersionTranslation, TheBestTranslationForTheUserIsRead)
{
    // Missing user language, English present: English, wherever it stands.
    EXPECT_EQ(ChosenTable("fr_FR.UTF-8", {0x0407 | kUnicode, 0x0409 | kWestern}), "FileVersion 040904E4");
    // The user's language in another country: the same primary language.
    EXPECT_EQ(ChosenTable("de_AT.UTF-8", {0x0409 | kUnicode, 0x0407 | kUnicode}), "FileVersion 040704B0");
    // The exact language beats an earlier one of the same primary language.
    EXPECT_EQ(ChosenTable("de_CH", {0x0407 | kUnicode, 0x0807 | kUnicode}), "FileVersion 080704B0");
    // Neutral beats English.
    EXPECT_EQ(ChosenTable("it_IT", {0x0409 | kUnicode, 0x0000 | kUnicode}), "FileVersion 000004B0");
    // Neither the user's, neutral nor English: the first entry.
    EXPECT_EQ(ChosenTable("fr_FR", {0x0410 | kWestern, 0x0407 | kUnicode}), "FileVersion 041004E4");
}

TEST(VersionTranslation, FindTranslationReturnsTheWholeEntryAndSkipsAPartialOne)
{
    const DWORD table[] = {0x0409 | kWestern, 0x0C07 | kUnicode, 0x0407 | kUnicode};
    DWORD found = 0;
    EXPECT_TRUE(CVersionInfo::FindTranslation(table, sizeof table, 0x0807, found, TRUE));
    EXPECT_EQ(found, 0x0C07 | kUnicode) << "the first of the primary language, with its code page";
    EXPECT_FALSE(CVersionInfo::FindTranslation(table, 2 * sizeof(DWORD) + 3, 0x0407, found, FALSE));
    EXPECT_FALSE(CVersionInfo::FindTranslation(nullptr, 8, 0x0409, found, TRUE));
}

TEST(VersionBlock, TheFixedPartIsTakenOnlyWhenItHasTheRightSize)
{
    VersionNode root = VersionBlockNodes(LabelledBlock({0x0409 | kUnicode}));
    const std::string exact = WrittenFile(EncodeVersionNode(root));
    CVersionInfo info;
    ASSERT_TRUE(info.ReadFromFile(exact));
    EXPECT_EQ(info.m_fixedInfo.dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(info.m_fixedInfo.dwFileVersionMS, 0x00020003u);
    // Without a translation table only the fixed part is read.
    VersionNode withoutTable = root;
    withoutTable.children.pop_back(); // VarFileInfo
    ASSERT_TRUE(info.ReadFromFile(WrittenFile(EncodeVersionNode(withoutTable))));
    EXPECT_EQ(info.m_fixedInfo.dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(info.m_strCompanyName, "");

    for (size_t size : {48u, 56u}) {
        root.value.resize(size, 0x11);
        const std::string other = WrittenFile(EncodeVersionNode(root));
        ASSERT_TRUE(info.ReadFromFile(other));
        EXPECT_EQ(info.m_fixedInfo.dwSignature, 0u) << size << " bytes";
        EXPECT_EQ(info.m_fixedInfo.dwFileVersionMS, 0u);
        EXPECT_EQ(info.m_strCompanyName, "CompanyName 040904B0") << "the strings are read all the same";
    }
}

TEST(VersionBlock, MissingStringsStayEmptyAndKeysIgnoreCase)
{
    res::VersionBlock block = LabelledBlock({});
    block.translations.push_back({0x0409 | kUnicode,
                                  {{"companyname", "Velmora"},
                                   {"OriginalFilename", "lumenor"},
                                   {"FileVersion", "1, 1, 0, 0"},
                                   {"Comments", "a \xA9 b"}}});
    const std::string file = WrittenFile(EncodeVersionNode(VersionBlockNodes(block)));
    CVersionInfo info;
    ASSERT_TRUE(info.ReadFromFile(file));
    EXPECT_EQ(info.m_strCompanyName, "Velmora");
    EXPECT_EQ(info.m_strOriginalFileName, "lumenor") << "looked up as OriginalFileName";
    EXPECT_EQ(info.GetFileVersion(), "1, 1, 0, 0");
    EXPECT_EQ(info.m_strComments, "a \xA9 b") << "bytes come back as they were";
    for (const std::string* missing :
         {&info.m_strFileDescription, &info.m_strInternalName, &info.m_strLegalCopyright,
          &info.m_strProductName, &info.m_strProductVersion, &info.m_strLegalTrademarks,
          &info.m_strPrivateBuild, &info.m_strSpecialBuild})
        EXPECT_EQ(*missing, "");
}

TEST(VersionBlock, FilesWithoutABlockGiveFalseAndResetEverything)
{
    std::vector<BYTE> truncated = EncodeVersionNode(VersionBlockNodes(LabelledBlock({0x0409 | kUnicode})));
    const std::string good = WrittenFile(truncated);
    truncated.resize(truncated.size() / 2);
    const std::string text = "#1=IFCWALL('x');\n";
    const std::string cut = WrittenFile(truncated);
    const std::string plain = WrittenFile(std::vector<BYTE>(text.begin(), text.end()));

    for (const std::string& path : {cut, plain, std::string("/nonexistent/lumenor"), std::string()}) {
        CVersionInfo info;
        ASSERT_TRUE(info.ReadFromFile(good));
        EXPECT_FALSE(info.ReadFromFile(path)) << path;
        EXPECT_EQ(info.m_fixedInfo.dwSignature, 0u) << path;
        EXPECT_EQ(info.m_strCompanyName, "") << path;
        EXPECT_EQ(info.GetFileVersion(), "") << path;
    }
}

TEST(VersionBlock, TheRunningProgramReadsItsOwnBlock)
{
    const res::VersionBlock& own = res::ProgramVersionBlock();
    CVersionInfo info;
    ASSERT_TRUE(info.ReadFromModule(nullptr));
    EXPECT_EQ(std::memcmp(&info.m_fixedInfo, &own.fixed, sizeof own.fixed), 0);
    EXPECT_EQ(info.GetFileVersion(), "1, 1, 0, 0");
}

} // namespace
