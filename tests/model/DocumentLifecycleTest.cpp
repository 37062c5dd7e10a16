// Opening files that cannot be read, read errors, new documents and the
// current entity.
#include "FakeDocumentHost.h"
#include "ModelTestFiles.h"
#include "model/PlainTextSource.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <functional>
#include <tuple>
#include <utility>

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::Pair;

namespace {

class DocumentLifecycleTest : public ::testing::Test {
protected:
    DocumentLifecycleTest()
    {
        m_doc.SetHost(&m_host);
        m_strOpen = m_folder.Write("open.ifc", "HEAD;\n#1=A(#2);\n#2=B(#1);\n");
        EXPECT_TRUE(m_doc.OnOpenDocument(m_strOpen));
        m_doc.SetCurrentEntity(2, nullptr);
        m_host = CFakeDocumentHost();
    }

    // The document still holds open.ifc, with entity 2 current.
    void ExpectOpenFileUnchanged()
    {
        CompleteInverse(m_doc);
        EXPECT_EQ(std::tuple(m_doc.GetEntityMap().GetCount(), EntityText(m_doc, 1),
                             m_doc.GetMaxEntityNumber(), m_doc.GetCurrentEntity(), Referrers(m_doc, 1),
                             m_host.m_statusBar.m_aProgressCalls),
                  std::tuple(3u, std::optional<std::string>("#1=A(#2);"), 2, 2, std::vector<std::int32_t>{2},
                             std::vector<std::string>{}));
    }

    CTempFolder m_folder;
    CFakeDocumentHost m_host;
    CKantorDoc m_doc;
    std::string m_strOpen;
};

// Mend: a file that holds no entity line (here a header, and an empty
// file) is refused with a reason instead of emptying the open document.
TEST_F(DocumentLifecycleTest, FilesThatCannotBeOpenedAreReportedAndChangeNothing)
{
    const std::string strNoEntities = "No line begins with #: it holds no IFC entities";
    const struct {
        std::string strPath;
        std::string strReason;
    } rows[] = {
        {(m_folder.GetPath() / "missing.ifc").string(), "No such file or directory"},
        {m_folder.GetPath().string(), "Is a directory"},
        {m_folder.Write("header.ifc", "ISO-10303-21;\nHEADER;\n/* #1 */ ENDSEC;\n"), strNoEntities},
        {m_folder.Write("empty.ifc", ""), strNoEntities},
    };
    for (const auto& row : rows) {
        m_host.m_aFileErrors.clear();
        EXPECT_FALSE(m_doc.OnOpenDocument(row.strPath));
        EXPECT_THAT(m_host.m_aFileErrors, ElementsAre(Pair(row.strPath, row.strReason)));
        ExpectOpenFileUnchanged();
    }
    // A load, unlike an open, leaves a file that cannot be opened unreported.
    m_host.m_aFileErrors.clear();
    EXPECT_FALSE(m_doc.LoadEntityFile(rows[0].strPath));
    EXPECT_THAT(m_host.m_aFileErrors, IsEmpty());
    ExpectOpenFileUnchanged();
}

// Finding out that a large file holds no entity line means reading all of
// it; past its first megabyte that shows as the load's progress.
TEST_F(DocumentLifecycleTest, ALongSearchForAnEntityLineShowsProgress)
{
    std::string strContent;
    while (strContent.size() < 1500000)
        strContent += "no entity on this line, nor on the next one\n";
    const std::string strPath = m_folder.Write("long.ifc", strContent);
    EXPECT_FALSE(m_doc.OnOpenDocument(strPath));
    const std::vector<std::string>& calls = m_host.m_statusBar.m_aProgressCalls;
    ASSERT_GE(calls.size(), 6u);
    EXPECT_THAT(std::vector<std::string>(calls.begin(), calls.begin() + 4),
                ElementsAre("SetProgressText Loading", "ShowProgress on",
                            "SetRange32 0 " + std::to_string(strContent.size()), "SetStep 100000"));
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "StepIt"), 15);
    EXPECT_EQ(calls.back(), "ShowProgress off");
    EXPECT_THAT(m_host.m_aFileErrors,
                ElementsAre(Pair(strPath, "No line begins with #: it holds no IFC entities")));
    m_host.m_statusBar.m_aProgressCalls.clear();
    ExpectOpenFileUnchanged();
}

// Mend: a file that opens but fails while it is read is reported with the
// reason, switches progress off and leaves the open document as it was.
// Opening a folder succeeds on this system; reading it fails.
TEST_F(DocumentLifecycleTest, ReadErrorKeepsTheDocumentAndIsReported)
{
    const std::string strPath = m_folder.GetPath().string();
    EXPECT_FALSE(m_doc.LoadEntityFile(strPath));
    EXPECT_THAT(m_host.m_aFileErrors, ElementsAre(Pair(strPath, "Is a directory")));
    ASSERT_FALSE(m_host.m_statusBar.m_aProgressCalls.empty());
    EXPECT_EQ(m_host.m_statusBar.m_aProgressCalls.front(), "SetProgressText Loading");
    EXPECT_EQ(m_host.m_statusBar.m_aProgressCalls.back(), "ShowProgress off");
    m_host.m_statusBar.m_aProgressCalls.clear();
    ExpectOpenFileUnchanged();
}

// A file larger than the memory of any machine here: sparse, so it takes no
// disk space. Only meaningful where the system refuses such an allocation.
TEST_F(DocumentLifecycleTest, FileTooLargeForMemoryIsReportedAndKeepsTheDocument)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer's operator new ends the process where it cannot allocate; "
                    "it throws no std::bad_alloc";
#endif
    std::ifstream overcommit("/proc/sys/vm/overcommit_memory");
    int nOvercommit = 1;
    if (!(overcommit >> nOvercommit) || nOvercommit == 1)
        GTEST_SKIP() << "this system grants any allocation";
    const std::string strPath = m_folder.Write("huge.ifc", "#1=A;\n");
    std::error_code ec;
    std::filesystem::resize_file(strPath, std::uintmax_t{1} << 43, ec);
    if (ec)
        GTEST_SKIP() << "no sparse file: " << ec.message();

    EXPECT_FALSE(m_doc.OnOpenDocument(strPath));
    EXPECT_THAT(m_host.m_aFileErrors, ElementsAre(Pair(strPath, "Cannot allocate memory")));
    EXPECT_EQ(m_host.m_statusBar.m_aProgressCalls.back(), "ShowProgress off");
    m_host.m_statusBar.m_aProgressCalls.clear();
    ExpectOpenFileUnchanged();
}

// Mend: a file that another program cuts, grows or rewrites while it loads
// fails the read with a reason, not shown as a mix of its versions or as a
// part; the document reports a failed read and stays as it was (above, and
// for damaged archives). The change is made after the first block is read.
TEST(PlainTextSourceTest, AFileChangedWhileItIsReadFailsTheRead)
{
    CTempFolder folder;
    const std::vector<std::pair<const char*, std::function<void(const std::string&)>>> aChanges = {
        {"cut", [](const std::string& strPath) { std::filesystem::resize_file(strPath, 1000); }},
        {"grown", [](const std::string& strPath) { std::ofstream(strPath, std::ios::app) << "#2=B;\n"; }},
        {"rewritten in place",
         [](const std::string& strPath) {
             std::fstream(strPath, std::ios::in | std::ios::out | std::ios::binary) << "#7";
             std::filesystem::last_write_time(
                 strPath, std::filesystem::last_write_time(strPath) + std::chrono::seconds(1));
         }},
    };
    for (const auto& [pName, change] : aChanges) {
        const std::string strPath =
            folder.Write("changing.ifc", "#1=A('" + std::string(1 << 20, 'x') + "');\n");
        const std::unique_ptr<ITextSource> pSource = CPlainTextSource::Open(strPath);
        std::vector<char> buffer(1 << 16);
        std::size_t nRead = 0;
        ASSERT_TRUE(pSource->Read(buffer.data(), buffer.size(), nRead)) << pName;
        change(strPath);
        bool bRead = true;
        while (bRead && nRead == buffer.size())
            bRead = pSource->Read(buffer.data(), buffer.size(), nRead);
        EXPECT_FALSE(bRead) << pName;
        EXPECT_EQ(pSource->GetError(), "The file changed while it was being read") << pName;
    }
}

TEST_F(DocumentLifecycleTest, NewDocumentIsEmpty)
{
    EXPECT_TRUE(m_doc.OnNewDocument());
    EXPECT_EQ(std::tuple(m_doc.GetEntityMap().IsEmpty(), m_doc.GetEntityMap().Contains(0),
                         m_doc.GetMaxEntityNumber(), m_doc.GetCurrentEntity(), m_doc.ComputeInverseStep(),
                         Referrers(m_doc, 2).size(), m_host.m_aUpdateSenders.size()),
              std::tuple(true, false, 0, 0, false, 0u, 0u));
}

TEST_F(DocumentLifecycleTest, ChangedCurrentEntityUpdatesTheOtherViews)
{
    const int nSender = 0;
    m_doc.SetCurrentEntity(1, &nSender);
    EXPECT_EQ(m_doc.GetCurrentEntity(), 1);
    m_doc.SetCurrentEntity(1, nullptr);
    m_doc.SetCurrentEntity(0, nullptr);
    EXPECT_EQ(m_doc.GetCurrentEntity(), 0);
    EXPECT_THAT(m_host.m_aUpdateSenders, ElementsAre(&nSender, nullptr));
}

} // namespace
