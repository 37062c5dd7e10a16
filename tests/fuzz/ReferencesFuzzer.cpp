// Reference extraction on arbitrary text equals a plain scan of it.
#include "PlainReading.h"

#include "model/KantorDoc.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    const std::string_view text(reinterpret_cast<const char*>(pData), nSize);
    CEntityNumberArray found;
    // What the array held before must not show through.
    CKantorDoc::ExtractReferences("#1=A(#2,#3,#4);", found);
    CKantorDoc::ExtractReferences(text, found);
    const std::vector<std::int32_t> expected = plain::References(text);
    if (!std::equal(expected.begin(), expected.end(), found.begin(), found.end())) {
        std::fprintf(stderr, "reference mismatch: %zu expected, %zu found\n", expected.size(), found.GetSize());
        std::abort();
    }
    return 0;
}
