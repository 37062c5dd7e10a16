// The real IFC sample files kept beside the checkout (../shared/ifc-samples,
// or the folder the LUMENOR_SAMPLES_DIR cache variable names; the variable
// of that name in the environment overrides it, which is how the suite
// checks that it runs without them). A clone of the project without them
// still passes its suite: the tests that read them skip, saying why, and
// everything else runs. Standard library only, for the model tests too.
#pragma once

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

namespace testsupport {

inline std::string SamplesDir()
{
    if (const char* pszDir = std::getenv("LUMENOR_SAMPLES_DIR"); pszDir && *pszDir)
        return pszDir;
    return LUMENOR_SAMPLES_DIR;
}

// Why a test that reads the sample files skips; empty when they are here.
inline std::string NoSamplesReason()
{
    std::error_code ec;
    if (std::filesystem::is_directory(SamplesDir(), ec))
        return {};
    return "the shared sample files are not here (" + SamplesDir() + ")";
}

inline std::string SamplePath(const std::string& strName)
{
    return SamplesDir() + "/" + strName;
}

// The .ifc files of the folder in name order; none when it is missing.
inline std::vector<std::string> SampleIfcFiles()
{
    std::vector<std::string> aPaths;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(SamplesDir(), ec), end; !ec && it != end; it.increment(ec)) {
        if (it->path().extension() == ".ifc")
            aPaths.push_back(it->path().string());
    }
    std::sort(aPaths.begin(), aPaths.end());
    return aPaths;
}

} // namespace testsupport

// At the top of a test that reads the sample files.
#define SKIP_WITHOUT_SAMPLES()                                                                               \
    if (const std::string strNoSamples = testsupport::NoSamplesReason(); !strNoSamples.empty())              \
    GTEST_SKIP() << strNoSamples
