// Reading a file into the entity store: entity starts, joined lines, header
// entry, duplicates, line ends, failures and progress output.
#include "FakeDocumentHost.h"
#include "ModelTestFiles.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <tuple>

using ::testing::ElementsAre;
using ::testing::Optional;

namespace {

class LoaderTest : public ::testing::Test {
protected:
    LoaderTest() { m_doc.SetHost(&m_host); }

    bool Load(const std::string& strContent)
    {
        return m_doc.LoadEntityFile(m_folder.Write("test.ifc", strContent));
    }
    std::vector<std::string>& ProgressCalls() { return m_host.m_statusBar.m_aProgressCalls; }

    CTempFolder m_folder;
    CFakeDocumentHost m_host;
    CKantorDoc m_doc;
};

// Which lines start an entity and how the others join it: the texts stored,
// how many entries there are (entry 0, the header, among them) and the
// highest entity number.
TEST_F(LoaderTest, EntityTextsOfLines)
{
    using Texts = std::vector<std::pair<std::int32_t, std::string>>;
    const struct {
        const char* file;
        Texts texts;
        std::size_t count;
        std::int32_t max;
    } rows[] = {
        {"#12=IFCWALL('a',\n'b');\n", {{12, "#12=IFCWALL('a','b');"}}, 2, 12},
        // Blanks and tabs may stand before the equals sign.
        {"#1=A;\n#12 =X\n#13\t=X\n#14  \t =X\n",
         {{12, "#12 =X"}, {13, "#13\t=X"}, {14, "#14  \t =X"}},
         5,
         14},
        // Header lines form entry 0, trailing lines join the last entity.
        {"ISO-10303-21;\nHEADER;\n\nENDSEC;\nDATA;\n#1=A;\n/* note */\n#2=B;\nENDSEC;\nEND-ISO-10303-21;\n",
         {{0, "ISO-10303-21;HEADER;ENDSEC;DATA;"},
          {1, "#1=A;/* note */"},
          {2, "#2=B;ENDSEC;END-ISO-10303-21;"}},
         3,
         2},
        {"HEAD;\n#abc\n#1=A;\n", {{0, "HEAD;#abc"}, {1, "#1=A;"}}, 2, 1},
        {"#1=A;\n#12X=\n# 12=\n#12\n#12   \n#=\n#\n", {{1, "#1=A;#12X=# 12=#12#12   #=#"}}, 2, 1},
        // Without a header entry 0 is empty; an entity #0 replaces it.
        {"#1=A;", {{0, ""}}, 2, 1},
        {"HEAD;\n#0=Z;\n#1=A;\n", {{0, "#0=Z;"}}, 2, 1},
        {"H;\n#7=A;\n#100=B;\n#3=C;\n", {{3, "#3=C;"}, {7, "#7=A;"}, {100, "#100=B;"}}, 4, 100},
        // CR LF ends a line like LF; a lone CR stays in the text.
        {"H1;\r\nH2;\r\n#1=A(\r\n#2);\r\n#2=B;\r\n", {{0, "H1;H2;"}, {1, "#1=A(#2);"}, {2, "#2=B;"}}, 3, 2},
        {"#1=A;\rB\n\r\n#2=C;\r\r\n#3=D;\r", {{1, "#1=A;\rB"}, {2, "#2=C;\r"}, {3, "#3=D;\r"}}, 4, 3},
        {"#1=A;\r#2=B;\r", {{1, "#1=A;\r#2=B;\r"}}, 2, 1},
        // Mend: a digit run too large for 32 bits signed names no entity; it
        // must not wrap around into a small number.
        {"#1=A;\n#4294967297=B;\n#2147483648=C;\n#99999999999999999999999=D;\n#2147483647=E;\n",
         {{1, "#1=A;#4294967297=B;#2147483648=C;#99999999999999999999999=D;"},
          {2147483647, "#2147483647=E;"}},
         3,
         2147483647},
    };
    for (const auto& row : rows) {
        ASSERT_TRUE(Load(row.file)) << row.file;
        for (const auto& [n, text] : row.texts)
            EXPECT_THAT(EntityText(m_doc, n), Optional(text)) << row.file;
        EXPECT_EQ(m_doc.GetEntityMap().GetCount(), row.count) << row.file;
        EXPECT_EQ(m_doc.GetMaxEntityNumber(), row.max) << row.file;
    }
}

TEST_F(LoaderTest, LaterDuplicateReplacesTheTextInPlace)
{
    ASSERT_TRUE(Load("#5=A(#1);\n#6=C;\n#5=B(#2);\n#40=D;\n#5=E(#3);\n"));
    EXPECT_THAT(EntityText(m_doc, 5), Optional(std::string("#5=E(#3);")));
    EXPECT_EQ(m_doc.GetEntityMap().GetCount(), 4u);
    // 0, 5 and 6 share bucket 0; 5 keeps the place of its first insertion.
    EXPECT_THAT(IterationOrder(m_doc), ElementsAre(6, 5, 0, 40));
    EXPECT_EQ(m_doc.GetEntityMap().GetAt(1).strText, "#5=E(#3);");
    // Only the text that was kept is indexed.
    CompleteInverse(m_doc);
    EXPECT_EQ((std::vector{Referrers(m_doc, 1), Referrers(m_doc, 2), Referrers(m_doc, 3)}),
              (std::vector<std::vector<std::int32_t>>{{}, {}, {5}}));
}

// Labels end at a NUL byte, so the texts hold a visible mark instead: the
// references after it are seen by unfolding and the lower tree alike.
TEST_F(LoaderTest, NulBytesAreReadAsAMiddleDot)
{
    ASSERT_TRUE(Load(std::string("#1=A;\n#2=B('\0\0',\0#1);\n", 22)));
    EXPECT_THAT(EntityText(m_doc, 2), Optional(std::string("#2=B('\xB7\xB7',\xB7#1);")));
    EXPECT_THAT(References(*EntityText(m_doc, 2)), ElementsAre(1));
}

// Mend: a file without an entity line fails without emptying the open
// document, which the views still show.
TEST_F(LoaderTest, FileWithoutEntityLinesFailsAndKeepsTheOpenDocument)
{
    for (const char* pContent :
         {"", "ISO-10303-21;\nHEADER;\nENDSEC;\n", "\n\n", " #1=A;\n", "HEAD;\r#1=A;\r"}) {
        ASSERT_TRUE(Load("#1=A(#1);\n#2=B;\n"));
        CompleteInverse(m_doc);
        EXPECT_FALSE(Load(pContent)) << pContent;
        EXPECT_EQ(std::tuple(m_doc.GetEntityMap().GetCount(), m_doc.GetMaxEntityNumber(), Referrers(m_doc, 1),
                             m_doc.GetInversePercent(), ProgressCalls().back()),
                  std::tuple(3u, 2, std::vector<std::int32_t>{1}, 100, "ShowProgress off"))
            << pContent;
    }
}

TEST_F(LoaderTest, ReportsProgressOneStepPerHundredThousandStoredCharacters)
{
    // Each stored text counts its length + 1. Entry 0 (empty) makes 1;
    // #1 100000 more: 100001 > 100000, step, 1 left; #2 99999: 100000, no
    // step; #3 300001: 400001, one step only, 300001 left; #4, #5 and #6
    // (6 each) step on the surplus, leaving 19; #7 does not step.
    const std::string strFile = "#1=" + std::string(99996, 'a') + "\n#2=" + std::string(99995, 'b')
        + "\n#3=" + std::string(299997, 'c') + "\n#4=A;\n#5=A;\n#6=A;\n#7=A;\n";
    ASSERT_TRUE(Load(strFile));
    std::vector<std::string> aExpected = {"SetProgressText Loading", "ShowProgress on",
                                          "SetRange32 0 " + std::to_string(strFile.size()), "SetStep 100000"};
    aExpected.insert(aExpected.end(), 5, "StepIt");
    aExpected.push_back("ShowProgress off");
    EXPECT_EQ(ProgressCalls(), aExpected);
}

} // namespace
