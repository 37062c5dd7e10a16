#include "model/FileSummary.h"

#include "model/EntityNumbers.h"
#include "model/KantorDoc.h"
#include "model/ReferenceScan.h"

#include <algorithm>
#include <unordered_map>

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool IsWordChar(char c)
{
    return IsDigit(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

// The header entry is stored first under 0, so a file that defines #0 has
// stored more than one text under it.
bool DefinesZero(const CEntityStore& store)
{
    const auto& aRepeats = store.GetRepeats();
    return !aRepeats.empty() && aRepeats.front().nNumber == 0;
}

template <class OnEntity>
void ForEachEntity(const CKantorDoc& doc, OnEntity&& onEntity)
{
    const CEntityStore& store = doc.GetEntityMap();
    const bool bZero = DefinesZero(store);
    for (std::size_t i = 0; i < store.GetCount(); ++i) {
        const CEntityStore::Entry entry = store.GetAt(i);
        if (entry.nNumber != 0 || bZero)
            onEntity(entry);
    }
}

bool HasReference(std::string_view strText)
{
    bool bFound = false;
    ForEachReference(strText, [&](std::int32_t) { bFound = true; });
    return bFound;
}

} // namespace

std::string_view EntityTypeOf(std::string_view strText)
{
    // An entity text begins with its start line, #n=, so the '=' is a few
    // bytes in; the search only serves texts that begin otherwise.
    std::size_t nPos = 1;
    while (nPos < strText.size() && (IsDigit(strText[nPos]) || IsBlank(strText[nPos])))
        ++nPos;
    if (nPos >= strText.size() || strText[nPos] != '=')
        nPos = strText.find('=');
    if (nPos == std::string_view::npos)
        return {};
    ++nPos;
    while (nPos < strText.size() && IsBlank(strText[nPos]))
        ++nPos;
    const std::size_t nStart = nPos;
    while (nPos < strText.size() && IsWordChar(strText[nPos]))
        ++nPos;
    return strText.substr(nStart, nPos - nStart);
}

bool IsEntity(const CKantorDoc& doc, std::int32_t n)
{
    const CEntityStore& store = doc.GetEntityMap();
    return n == 0 ? DefinesZero(store) : store.Contains(n);
}

std::size_t CountEntities(const CKantorDoc& doc)
{
    const CEntityStore& store = doc.GetEntityMap();
    if (store.IsEmpty())
        return 0;
    return store.GetCount() - (DefinesZero(store) ? 0 : 1);
}

std::vector<EntityTypeCount> CountEntityTypes(const CKantorDoc& doc)
{
    // Real files use a few hundred types at most.
    std::unordered_map<std::string_view, std::size_t> mapCounts(512);
    // Entities of one type often come in runs, which skip the hashing.
    std::string_view strLast;
    std::size_t* pLastCount = nullptr;
    ForEachEntity(doc, [&](const CEntityStore::Entry& entry) {
        const std::string_view strType = EntityTypeOf(entry.strText);
        if (!pLastCount || strType != strLast) {
            strLast = strType;
            pLastCount = &mapCounts[strType];
        }
        ++*pLastCount;
    });
    std::vector<EntityTypeCount> aTypes;
    aTypes.reserve(mapCounts.size());
    for (const auto& [strType, nCount] : mapCounts)
        aTypes.push_back({strType, nCount});
    std::sort(aTypes.begin(), aTypes.end(),
              [](const EntityTypeCount& a, const EntityTypeCount& b) { return a.strType < b.strType; });
    return aTypes;
}

std::vector<std::int32_t> EntitiesOfType(const CKantorDoc& doc, std::string_view strType)
{
    std::vector<std::int32_t> aNumbers;
    ForEachEntity(doc, [&](const CEntityStore::Entry& entry) {
        if (EntityTypeOf(entry.strText) == strType)
            aNumbers.push_back(entry.nNumber);
    });
    std::sort(aNumbers.begin(), aNumbers.end());
    return aNumbers;
}

std::vector<DuplicateNumber> FindDuplicateNumbers(const CKantorDoc& doc)
{
    std::vector<DuplicateNumber> aRepeated;
    for (const CEntityStore::Repeat& repeat : doc.GetEntityMap().GetRepeats()) {
        // One of the texts under 0 is the header.
        const std::size_t nTimes = repeat.nNumber == 0 ? repeat.nTexts - 1 : repeat.nTexts;
        if (nTimes > 1)
            aRepeated.push_back({repeat.nNumber, nTimes});
    }
    return aRepeated;
}

std::vector<MissingReference> FindMissingReferences(const CKantorDoc& doc)
{
    const bool bZero = DefinesZero(doc.GetEntityMap());
    std::vector<MissingReference> aMissing;
    doc.GetInverseIndex().ForEach([&](std::int32_t n, CInverseIndex::List referrers) {
        if (IsEntity(doc, n))
            return;
        // A text that names the number twice is listed twice, side by side.
        std::int32_t nPrevious = -1;
        for (std::int32_t nReferrer : referrers) {
            if (nReferrer != nPrevious && (nReferrer != 0 || bZero))
                aMissing.push_back({nReferrer, n});
            nPrevious = nReferrer;
        }
    });
    std::sort(aMissing.begin(), aMissing.end(), [](const MissingReference& a, const MissingReference& b) {
        return a.nReferrer != b.nReferrer ? a.nReferrer < b.nReferrer : a.nNumber < b.nNumber;
    });
    return aMissing;
}

std::vector<std::int32_t> FindIsolatedEntities(const CKantorDoc& doc)
{
    const bool bZero = DefinesZero(doc.GetEntityMap());
    std::vector<std::int32_t> aIsolated;
    ForEachEntity(doc, [&](const CEntityStore::Entry& entry) {
        const CInverseIndex::List referrers = doc.GetInverseIndex().Lookup(entry.nNumber);
        const bool bReferred = std::any_of(referrers.begin(), referrers.end(),
                                           [&](std::int32_t nReferrer) { return nReferrer != 0 || bZero; });
        if (!bReferred && !HasReference(entry.strText))
            aIsolated.push_back(entry.nNumber);
    });
    std::sort(aIsolated.begin(), aIsolated.end());
    return aIsolated;
}

std::vector<FileProblem> ListProblems(const CKantorDoc& doc, bool bIsolated)
{
    using Kind = FileProblem::Kind;
    std::vector<FileProblem> aProblems;
    for (const MissingReference& missing : FindMissingReferences(doc))
        aProblems.push_back({Kind::Missing, missing.nReferrer, missing.nNumber});
    for (const DuplicateNumber& repeated : FindDuplicateNumbers(doc))
        aProblems.push_back({Kind::Duplicate, repeated.nNumber, static_cast<std::int64_t>(repeated.nTimes)});
    if (bIsolated)
        for (std::int32_t n : FindIsolatedEntities(doc))
            aProblems.push_back({Kind::Isolated, n, 0});
    // Each kind is in order already; the stable sort keeps that within an entity.
    std::stable_sort(aProblems.begin(), aProblems.end(),
                     [](const FileProblem& a, const FileProblem& b) { return a.nEntity < b.nEntity; });
    return aProblems;
}
