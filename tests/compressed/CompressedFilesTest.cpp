// Gzip and zip files, made here from the real samples, read through the
// compressed-file reader: the same store as the plain file, progress by the
// file's bytes, and damaged archives refused with the open document kept.
#include "compressed/FileTextSource.h"
#include "model/FakeDocumentHost.h"
#include "model/ModelTestFiles.h"
#include "support/SampleFiles.h"

#include <archive.h>
#include <archive_entry.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Pair;

namespace {

// A zip archive of the files (deflated, in this order), or a gzip file of
// the one file's content, written with libarchive.
void Check(archive* pArchive, int nResult)
{
    if (nResult != ARCHIVE_OK)
        throw std::runtime_error(archive_error_string(pArchive));
}

void WriteArchive(const std::string& strPath, bool bZip,
                  const std::vector<std::pair<std::string, std::string>>& aFiles)
{
    archive* pArchive = archive_write_new();
    Check(pArchive, bZip ? archive_write_set_format_zip(pArchive) : archive_write_add_filter_gzip(pArchive));
    if (!bZip)
        Check(pArchive, archive_write_set_format_raw(pArchive));
    Check(pArchive, archive_write_open_filename(pArchive, strPath.c_str()));
    for (const auto& [strName, strContent] : aFiles) {
        archive_entry* pEntry = archive_entry_new();
        archive_entry_set_pathname(pEntry, strName.c_str());
        archive_entry_set_filetype(pEntry, AE_IFREG);
        archive_entry_set_perm(pEntry, 0644);
        archive_entry_set_size(pEntry, static_cast<la_int64_t>(strContent.size()));
        Check(pArchive, archive_write_header(pArchive, pEntry));
        archive_entry_free(pEntry);
        if (archive_write_data(pArchive, strContent.data(), strContent.size())
            != static_cast<la_ssize_t>(strContent.size()))
            throw std::runtime_error(archive_error_string(pArchive));
    }
    Check(pArchive, archive_write_close(pArchive));
    archive_write_free(pArchive);
}

std::string ReadWholeFile(const std::string& strPath)
{
    std::ifstream file(strPath, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

class CompressedFileDoc {
public:
    CompressedFileDoc()
    {
        m_doc.SetHost(&m_host);
        m_doc.SetTextSourceOpener(&OpenFileTextSource);
    }

    CFakeDocumentHost m_host;
    CKantorDoc m_doc;
};

void ExpectSameStore(const CKantorDoc& plain, const CKantorDoc& other)
{
    EXPECT_EQ(other.GetMaxEntityNumber(), plain.GetMaxEntityNumber());
    ASSERT_EQ(IterationOrder(other), IterationOrder(plain));
    for (std::int32_t n : IterationOrder(plain))
        ASSERT_EQ(EntityText(other, n), EntityText(plain, n)) << "entity " << n;
}

// Gzip and zip files are known by their first bytes, whatever their names say
// (a plain file named .gz stays plain); the bar's range is the file's length
// and it moves by the bytes read.
TEST(CompressedSampleTest, GzipAndZipOfEverySampleGiveTheStoreOfThePlainFile)
{
    SKIP_WITHOUT_SAMPLES();
    CTempFolder folder;
    for (const std::string& strSample : testsupport::SampleIfcFiles()) {
        SCOPED_TRACE(strSample);
        const std::string strText = ReadWholeFile(strSample);
        CompressedFileDoc plain;
        ASSERT_TRUE(plain.m_doc.OnOpenDocument(folder.Write("plain.ifc.gz", strText)));

        const std::string strGzip = (folder.GetPath() / "gzip.ifc").string();
        WriteArchive(strGzip, false, {{"data", strText}});
        // The first .ifc file of the archive, whatever comes before it and
        // however its name is written.
        const std::string strZip = (folder.GetPath() / "zip.ifc").string();
        WriteArchive(strZip, true,
                     {{"readme.txt", "#1=NOT(#2);\n"}, {"model/Model.IFC", strText}, {"b.ifc", "#1=B;\n"}});

        for (const std::string& strPath : {strGzip, strZip}) {
            CompressedFileDoc compressed;
            ASSERT_TRUE(compressed.m_doc.OnOpenDocument(strPath)) << strPath;
            EXPECT_THAT(compressed.m_host.m_aFileErrors, IsEmpty());
            ExpectSameStore(plain.m_doc, compressed.m_doc);

            const std::vector<std::string>& aCalls = compressed.m_host.m_statusBar.m_aProgressCalls;
            const auto nFileLength = static_cast<long>(std::filesystem::file_size(strPath));
            EXPECT_THAT(aCalls, Contains("SetRange32 0 " + std::to_string(nFileLength)));
            const long nSteps = std::count(aCalls.begin(), aCalls.end(), "StepIt");
            EXPECT_GE(nSteps, nFileLength / 100000 - 1);
            EXPECT_LE(nSteps, nFileLength / 100000);
        }
    }
}

class DamagedArchiveTest : public ::testing::Test {
protected:
    DamagedArchiveTest()
    {
        m_strText = ReadWholeFile(testsupport::SamplePath("duplex.ifc"));
        EXPECT_TRUE(m_file.m_doc.OnOpenDocument(m_folder.Write("open.ifc", "#1=A(#2);\n#2=B(#1);\n")));
        m_file.m_doc.SetCurrentEntity(2, nullptr);
        m_file.m_host = CFakeDocumentHost();
    }

    struct Damage {
        const char* pName;
        std::string strBytes;
        const char* pReason;
    };

    // Opening each file fails with one message naming it and the reason,
    // and the open document stays as it was.
    void ExpectEachRefused(const std::vector<Damage>& aDamaged)
    {
        for (const Damage& damage : aDamaged) {
            SCOPED_TRACE(damage.pName);
            const std::string strPath = m_folder.Write(damage.pName, damage.strBytes);
            EXPECT_FALSE(m_file.m_doc.OnOpenDocument(strPath));
            EXPECT_THAT(m_file.m_host.m_aFileErrors, ElementsAre(Pair(strPath, HasSubstr(damage.pReason))));
            EXPECT_EQ(m_file.m_host.m_statusBar.m_aProgressCalls.back(), "ShowProgress off");
            EXPECT_EQ(m_file.m_doc.GetEntityMap().GetCount(), 3u);
            EXPECT_EQ(m_file.m_doc.GetCurrentEntity(), 2);
            CompleteInverse(m_file.m_doc);
            EXPECT_THAT(Referrers(m_file.m_doc, 1), ElementsAre(2));
            m_file.m_host = CFakeDocumentHost();
        }
    }

    // The bytes of strFile with nCount of them from nFrom on inverted.
    static std::string Corrupted(std::string strFile, std::size_t nFrom, std::size_t nCount)
    {
        for (std::size_t i = nFrom; i < nFrom + nCount; ++i)
            strFile[i] = static_cast<char>(~strFile[i]);
        return strFile;
    }

    CTempFolder m_folder;
    CompressedFileDoc m_file;
    std::string m_strText;
};

TEST_F(DamagedArchiveTest, TruncatedOrCorruptedGzipOrZipIsRefusedAndKeepsTheDocument)
{
    SKIP_WITHOUT_SAMPLES();
    const std::string strGzip = (m_folder.GetPath() / "whole.ifc.gz").string();
    WriteArchive(strGzip, false, {{"data", m_strText}});
    const std::string strGz = ReadWholeFile(strGzip);
    const std::string strZip = (m_folder.GetPath() / "whole.ifczip").string();
    WriteArchive(strZip, true, {{"duplex.ifc", m_strText}});
    const std::string strZ = ReadWholeFile(strZip);
    const std::string strNoIfc = (m_folder.GetPath() / "text.zip").string();
    WriteArchive(strNoIfc, true, {{"duplex.txt", m_strText}});
    // The gzip file's last eight bytes hold the check value and the length;
    // the zip's check value is in the file's entry in the archive's directory.
    const std::size_t nCheck = strZ.rfind("PK\x01\x02") + 16;
    ExpectEachRefused({
        {"half.ifc.gz", strGz.substr(0, strGz.size() / 2), "the gzip file is cut short"},
        {"trailer.ifc.gz", strGz.substr(0, strGz.size() - 4), "the gzip file is cut short"},
        {"data.ifc.gz", Corrupted(strGz, strGz.size() / 2, 64), "the gzip data is damaged ("},
        {"check.ifc.gz", Corrupted(strGz, strGz.size() - 8, 4),
         "the gzip data is damaged (incorrect data check)"},
        {"half.ifczip", strZ.substr(0, strZ.size() / 2), "the zip archive is damaged ("},
        {"data.ifczip", Corrupted(strZ, strZ.size() / 2, 64), "the zip archive is damaged ("},
        {"check.ifczip", Corrupted(strZ, nCheck, 4), "the zip archive is damaged (ZIP bad CRC"},
        {"none.ifczip", ReadWholeFile(strNoIfc), "the zip archive holds no .ifc file"},
    });
}

} // namespace
