#include "model/EntityStore.h"

#include "model/EntityNumbers.h"

#include <algorithm>
#include <cassert>

namespace {

// The order of a hash map of this many buckets keyed by number >> 4 is the
// store's iteration order; it is produced by one counting sort after a load
// instead of keeping the buckets themselves.
constexpr std::uint32_t kBucketCount = 100001;

std::uint32_t BucketOf(std::int32_t n)
{
    return (static_cast<std::uint32_t>(n) >> 4) % kBucketCount;
}

} // namespace

bool CEntityStore::Lookup(std::int32_t n, std::string_view& strText) const
{
    const std::uint32_t nText = TextIndexOf(n);
    if (nText == kNone)
        return false;
    strText = TextAt(nText);
    return true;
}

void CEntityStore::RemoveAll()
{
    m_pText.reset();
    m_aTextStart = CTextOffsets(0);
    std::vector<std::int32_t>().swap(m_aOrder);
    std::vector<std::uint32_t>().swap(m_aTextOf);
    std::unordered_map<std::int32_t, std::uint32_t>().swap(m_mapSparseText);
    std::vector<Repeat>().swap(m_aRepeats);
}

std::uint32_t CEntityStore::SparseTextIndexOf(std::int32_t n) const
{
    const auto it = m_mapSparseText.find(n);
    return it == m_mapSparseText.end() ? kNone : it->second;
}

std::uint32_t& CEntityStore::SlotOf(std::int32_t n)
{
    if (static_cast<std::uint32_t>(n) < m_aTextOf.size())
        return m_aTextOf[static_cast<std::uint32_t>(n)];
    return m_mapSparseText.try_emplace(n, kNone).first->second;
}

void CEntityStore::Assign(FileTexts texts)
{
    RemoveAll();
    m_pText = std::move(texts.pText);
    m_aTextStart = std::move(texts.aTextStart);
    const std::vector<std::int32_t> aNumbers = std::move(texts.aNumbers);
    const std::size_t nTexts = aNumbers.size();
    if (nTexts == 0)
        return;

    const std::int32_t nMax = *std::max_element(aNumbers.begin(), aNumbers.end());
    m_aTextOf.assign(DenseNumberLimit(nMax, nTexts), kNone);

    // An entry takes its place from the first text of its number and its
    // text from the last. Slots hold the first text's index meanwhile;
    // duplicates are rare, so they are noted only once one appears.
    std::vector<bool> aSuperseded;
    std::unordered_map<std::uint32_t, std::uint32_t> mapLatestText;
    std::size_t nEntries = 0;
    for (std::uint32_t i = 0; i < nTexts; ++i) {
        std::uint32_t& nSlot = SlotOf(aNumbers[i]);
        if (nSlot == kNone) {
            nSlot = i;
            ++nEntries;
        } else {
            if (aSuperseded.empty())
                aSuperseded.resize(nTexts);
            aSuperseded[i] = true;
            mapLatestText[nSlot] = i;
            NoteRepeat(aNumbers[i]);
        }
    }
    SortRepeats();
    const auto isEntry = [&](std::uint32_t i) { return aSuperseded.empty() || !aSuperseded[i]; };

    std::vector<std::uint32_t> aNext(kBucketCount + 1, 0);
    for (std::uint32_t i = 0; i < nTexts; ++i) {
        if (isEntry(i))
            ++aNext[BucketOf(aNumbers[i]) + 1];
    }
    for (std::uint32_t b = 1; b <= kBucketCount; ++b)
        aNext[b] += aNext[b - 1];
    // Scattering from the last insertion backwards puts the most recent
    // first within each bucket.
    m_aOrder.resize(nEntries);
    for (std::uint32_t i = static_cast<std::uint32_t>(nTexts); i-- > 0;) {
        if (!isEntry(i))
            continue;
        m_aOrder[aNext[BucketOf(aNumbers[i])]++] = aNumbers[i];
        if (!mapLatestText.empty()) {
            const auto itLatest = mapLatestText.find(i);
            if (itLatest != mapLatestText.end())
                SlotOf(aNumbers[i]) = itLatest->second;
        }
    }
    assert(OrderHolds());
}

bool CEntityStore::OrderHolds() const
{
    for (std::size_t nPos = 0; nPos < m_aOrder.size(); ++nPos) {
        const std::int32_t n = m_aOrder[nPos];
        if (TextIndexOf(n) == kNone || (nPos > 0 && BucketOf(m_aOrder[nPos - 1]) > BucketOf(n)))
            return false;
    }
    return true;
}

void CEntityStore::NoteRepeat(std::int32_t n)
{
    // Runs of one number are noted as one entry; a number repeated apart
    // gets entries that SortRepeats merges.
    if (!m_aRepeats.empty() && m_aRepeats.back().nNumber == n)
        ++m_aRepeats.back().nTexts;
    else
        m_aRepeats.push_back({n, 2});
}

void CEntityStore::SortRepeats()
{
    if (m_aRepeats.empty())
        return;
    std::sort(m_aRepeats.begin(), m_aRepeats.end(),
              [](const Repeat& a, const Repeat& b) { return a.nNumber < b.nNumber; });
    std::size_t nOut = 0;
    for (const Repeat& repeat : m_aRepeats) {
        if (nOut > 0 && m_aRepeats[nOut - 1].nNumber == repeat.nNumber)
            m_aRepeats[nOut - 1].nTexts += repeat.nTexts - 1;
        else
            m_aRepeats[nOut++] = repeat;
    }
    m_aRepeats.resize(nOut);
}
