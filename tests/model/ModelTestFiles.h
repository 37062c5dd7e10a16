// Small readers of the document's state for the model tests and the layers
// above, and the temporary folder their files go into.
#pragma once

#include "model/EntityNumberArray.h"
#include "model/KantorDoc.h"
#include "support/TempFolder.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

inline std::optional<std::string> EntityText(const CKantorDoc& doc, std::int32_t n)
{
    std::string_view strText;
    if (!doc.GetEntityMap().Lookup(n, strText))
        return std::nullopt;
    return std::string(strText);
}

// The store's entity numbers in its iteration order.
inline std::vector<std::int32_t> IterationOrder(const CKantorDoc& doc)
{
    std::vector<std::int32_t> aOrder;
    for (std::size_t i = 0; i < doc.GetEntityMap().GetCount(); ++i)
        aOrder.push_back(doc.GetEntityMap().GetAt(i).nNumber);
    return aOrder;
}

inline std::vector<std::int32_t> ToVector(const CEntityNumberArray& arr)
{
    return {arr.begin(), arr.end()};
}

inline std::vector<std::int32_t> Referrers(const CKantorDoc& doc, std::int32_t n)
{
    CEntityNumberArray arr;
    doc.GetInverseReferences(n, arr);
    return ToVector(arr);
}

inline std::vector<std::int32_t> References(const std::string& strText)
{
    CEntityNumberArray arr;
    CKantorDoc::ExtractReferences(strText, arr);
    return ToVector(arr);
}

inline void CompleteInverse(CKantorDoc& doc)
{
    while (doc.ComputeInverseStep()) { }
}
