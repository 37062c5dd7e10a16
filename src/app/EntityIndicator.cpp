#include "app/EntityIndicator.h"

#include "model/FileSummary.h"
#include "model/KantorDoc.h"
#include "res/Resource.h"
#include "res/StringTable.h"

#include <algorithm>
#include <cstdio>
#include <limits>

namespace {

// A type name longer than this is no real one; the pane stays readable.
constexpr std::size_t kMaxTypeLength = 64;

} // namespace

std::string EntityIndicatorText(const CKantorDoc& doc)
{
    const std::int32_t n = doc.GetCurrentEntity();
    std::string_view strText;
    if (n == 0 || !doc.GetEntityMap().Lookup(n, strText))
        return std::string();
    const std::string strType(EntityTypeOf(strText).substr(0, kMaxTypeLength));
    const std::size_t nReferrers = doc.GetReferrerCount(n);
    const std::string& strFormat =
        res::LoadString(nReferrers == 1 ? res::IDS_ENTITY_ONE_REFERRER : res::IDS_ENTITY_REFERRERS);
    const int nCount = static_cast<int>(std::min<std::size_t>(nReferrers, std::numeric_limits<int>::max()));
    char buffer[256];
    std::snprintf(buffer, sizeof buffer, strFormat.c_str(), n, strType.c_str(), nCount);
    std::string strDescription = buffer;
    if (doc.IsInverseComplete())
        return strDescription;
    std::snprintf(buffer, sizeof buffer, res::LoadString(res::IDS_REFERRERS_SO_FAR).c_str(),
                  strDescription.c_str());
    return buffer;
}
