// The loader on arbitrary bytes: what the document holds after a load (entry
// count, every text, highest number, iteration order, repeats, referrer
// lists) equals a plain reading of the same bytes. Each input is loaded
// three times into one document: whole, then from a source that fails
// partway (the document must stay as it was and the failure be reported),
// then with a size hint that puts the first block boundary at a place the
// input chooses. The check that opening does first, for a line that begins
// with '#', must agree.
#include "PlainReading.h"

#include "model/FakeDocumentHost.h"
#include "model/KantorDoc.h"
#include "model/ReadableFile.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <tuple>

namespace {

// The bytes of a file, read as a plain source reads them: nMax bytes at a
// time unless the text ends first. Reading past nFailAt fails.
class MemorySource : public ITextSource {
public:
    MemorySource(std::string_view bytes, std::uint64_t nHint, std::size_t nFailAt)
        : m_bytes(bytes), m_nHint(nHint), m_nFailAt(nFailAt)
    {
    }
    bool Read(char* pBuffer, std::size_t nMax, std::size_t& nRead) override
    {
        nRead = std::min(nMax, m_bytes.size() - m_nPos);
        if (m_nPos + nRead > m_nFailAt) {
            nRead = 0;
            m_strError = "Input/output error";
            return false;
        }
        std::copy_n(m_bytes.data() + m_nPos, nRead, pBuffer);
        m_nPos += nRead;
        return true;
    }
    const std::string& GetError() const override { return m_strError; }
    std::uint64_t GetTextLengthHint() const override { return m_nHint; }
    std::uint64_t GetFileLength() const override { return m_bytes.size(); }
    std::uint64_t GetFileBytesRead() const override { return m_nPos; }
    bool IsCompressed() const override { return false; }

private:
    std::string_view m_bytes;
    std::uint64_t m_nHint;
    std::size_t m_nFailAt;
    std::size_t m_nPos = 0;
    std::string m_strError;
};

void ExpectEqual(const char* what, long long expected, long long actual)
{
    if (expected == actual)
        return;
    std::fprintf(stderr, "loader mismatch: %s: expected %lld, got %lld\n", what, expected, actual);
    std::abort();
}

void Expect(bool holds, const char* what)
{
    ExpectEqual(what, 1, holds);
}

std::uint32_t BucketOf(std::int32_t n)
{
    return (static_cast<std::uint32_t>(n) >> 4) % 100001;
}

// The document holds exactly what the plain reading found.
void CheckDocument(const CKantorDoc& doc, const plain::File& file)
{
    const CEntityStore& store = doc.GetEntityMap();
    if (!file.hasHashLine) {
        Expect(store.IsEmpty(), "a file without '#' lines leaves the document empty");
        return;
    }
    // Per number: the last text, where it was first given, how many texts.
    struct Entry {
        std::string text;
        std::size_t first;
        std::size_t texts = 0;
    };
    std::map<std::int32_t, Entry> entries;
    for (std::size_t i = 0; i < file.texts.size(); ++i) {
        const auto& [n, text] = file.texts[i];
        Entry& entry = entries.try_emplace(n, Entry{text, i}).first->second;
        entry.text = text;
        ++entry.texts;
    }
    ExpectEqual("entry count", static_cast<long long>(entries.size()),
                static_cast<long long>(store.GetCount()));
    ExpectEqual("highest number", file.maxNumber, doc.GetMaxEntityNumber());

    // The order: buckets of number >> 4 ascending, the latest first given first.
    std::vector<std::int32_t> order;
    for (const auto& [n, entry] : entries)
        order.push_back(n);
    std::sort(order.begin(), order.end(), [&](std::int32_t a, std::int32_t b) {
        return std::make_tuple(BucketOf(a), entries[b].first) < std::make_tuple(BucketOf(b), entries[a].first);
    });
    for (std::size_t i = 0; i < order.size(); ++i) {
        const CEntityStore::Entry entry = store.GetAt(i);
        ExpectEqual("number in iteration order", order[i], entry.nNumber);
        Expect(entry.strText == entries[order[i]].text, "text at its place in the order");
        std::string_view strText;
        Expect(store.Lookup(order[i], strText) && strText == entries[order[i]].text, "text looked up");
    }
    Expect(!store.Contains(-1) && (file.maxNumber == INT32_MAX || !store.Contains(file.maxNumber + 1)),
           "no entry beyond the numbers read");

    std::vector<CEntityStore::Repeat> repeats;
    for (const auto& [n, entry] : entries)
        if (entry.texts > 1)
            repeats.push_back({n, entry.texts});
    Expect(repeats.size() == store.GetRepeats().size()
               && std::equal(repeats.begin(), repeats.end(), store.GetRepeats().begin(),
                             [](const auto& a, const auto& b) { return a.nNumber == b.nNumber && a.nTexts == b.nTexts; }),
           "repeated numbers");

    // Referrer lists, once computed: in the store's order, once per mention.
    if (!doc.IsInverseComplete())
        return;
    std::map<std::int32_t, std::vector<std::int32_t>> referrers;
    for (std::int32_t n : order)
        for (std::int32_t referred : plain::References(entries[n].text))
            referrers[referred].push_back(n);
    ExpectEqual("numbers referred to", static_cast<long long>(referrers.size()),
                static_cast<long long>(doc.GetInverseIndex().GetCount()));
    for (const auto& [referred, list] : referrers) {
        const CInverseIndex::List found = doc.GetInverseIndex().Lookup(referred);
        Expect(std::equal(list.begin(), list.end(), found.begin(), found.end()), "referrer list");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    const std::string_view bytes(reinterpret_cast<const char*>(pData), nSize);
    const plain::File file = plain::ReadFile(bytes);
    // The place of the failure and of the first block boundary.
    const std::size_t nSplit = nSize == 0 ? 0 : (pData[0] * 257u + pData[nSize - 1]) % (nSize + 1);

    // The check before a load stops at the first line that begins with '#'.
    MemorySource check(bytes, nSize, SIZE_MAX);
    Expect(HoldsEntityLine(check, [](std::uint64_t) {}) == file.hasHashLine, "check for a '#' line");

    CFakeDocumentHost host;
    CKantorDoc doc;
    doc.SetHost(&host);
    std::uint64_t nHint = nSize;
    std::size_t nFailAt = SIZE_MAX;
    doc.SetTextSourceOpener(
        [&](const std::string&) { return std::make_unique<MemorySource>(bytes, nHint, nFailAt); });

    Expect(doc.LoadEntityFile("whole") == file.hasHashLine, "loads when a line begins with '#'");
    while (doc.ComputeInverseStep()) { }
    CheckDocument(doc, file);
    Expect(host.m_aFileErrors.empty(), "no error reported for a file read whole");

    if (nSplit < nSize) {
        nFailAt = nSplit;
        Expect(!doc.LoadEntityFile("failing"), "a read error fails the load");
        Expect(host.m_aFileErrors.size() == 1, "a read error is reported once");
        CheckDocument(doc, file);
        nFailAt = SIZE_MAX;
    }

    nHint = nSplit;
    Expect(doc.LoadEntityFile("split") == file.hasHashLine, "loads with any size hint");
    while (doc.ComputeInverseStep()) { }
    CheckDocument(doc, file);
    return 0;
}
