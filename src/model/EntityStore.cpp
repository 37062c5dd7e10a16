#include "model/EntityStore.h"

#include "model/EntityNumbers.h"

#include <algorithm>

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
    const std::uint32_t nPos = PositionOf(n);
    if (nPos == kNone)
        return false;
    strText = TextAt(m_aEntries[nPos].nText);
    return true;
}

void CEntityStore::RemoveAll()
{
    m_pText.reset();
    std::vector<std::uint64_t>().swap(m_aTextStart);
    std::vector<Record>().swap(m_aEntries);
    std::vector<std::uint32_t>().swap(m_aPosition);
    std::unordered_map<std::int32_t, std::uint32_t>().swap(m_mapSparsePosition);
}

std::uint32_t CEntityStore::PositionOf(std::int32_t n) const
{
    if (static_cast<std::uint32_t>(n) < m_aPosition.size())
        return m_aPosition[static_cast<std::uint32_t>(n)];
    const auto it = m_mapSparsePosition.find(n);
    return it == m_mapSparsePosition.end() ? kNone : it->second;
}

std::uint32_t& CEntityStore::SlotOf(std::int32_t n)
{
    if (static_cast<std::uint32_t>(n) < m_aPosition.size())
        return m_aPosition[static_cast<std::uint32_t>(n)];
    return m_mapSparsePosition.try_emplace(n, kNone).first->second;
}

void CEntityStore::Assign(FileTexts texts)
{
    RemoveAll();
    m_pText = std::move(texts.pText);
    m_aTextStart = std::move(texts.aTextStart);
    const std::vector<std::int32_t>& aNumbers = texts.aNumbers;
    if (aNumbers.empty())
        return;

    const std::int32_t nMax = *std::max_element(aNumbers.begin(), aNumbers.end());
    m_aPosition.assign(DenseNumberLimit(nMax, aNumbers.size()), kNone);

    // One record per number in order of first insertion; a duplicate only
    // points the record at its text. Slots hold record indices meanwhile.
    std::vector<Record> aInserted;
    aInserted.reserve(aNumbers.size());
    for (std::uint32_t i = 0; i < aNumbers.size(); ++i) {
        std::uint32_t& nSlot = SlotOf(aNumbers[i]);
        if (nSlot != kNone) {
            aInserted[nSlot].nText = i;
        } else {
            nSlot = static_cast<std::uint32_t>(aInserted.size());
            aInserted.push_back({i, aNumbers[i]});
        }
    }

    std::vector<std::uint32_t> aNext(kBucketCount + 1, 0);
    for (const Record& r : aInserted)
        ++aNext[BucketOf(r.nNumber) + 1];
    for (std::uint32_t b = 1; b <= kBucketCount; ++b)
        aNext[b] += aNext[b - 1];
    // Scattering from the last insertion backwards puts the most recent
    // first within each bucket.
    m_aEntries.resize(aInserted.size());
    for (std::size_t i = aInserted.size(); i-- > 0;) {
        const std::uint32_t nPos = aNext[BucketOf(aInserted[i].nNumber)]++;
        m_aEntries[nPos] = aInserted[i];
        SlotOf(aInserted[i].nNumber) = nPos;
    }
}
