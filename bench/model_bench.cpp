// Loads one IFC file into a document and builds its inverse index the way the
// idle handler does, one slice per call, and prints the figures that matter to
// a user waiting for a large file:
//
//     model_bench FILE.ifc       (or FILE.ifc.gz, FILE.ifczip)
//
// The file is read once beforehand so that the load is measured with a warm
// page cache.
#include "BenchSupport.h"
#include "compressed/FileTextSource.h"
#include "model/FileSummary.h"
#include "model/KantorDoc.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace {

// The peak resident set size of this process in bytes.
double PeakResidentBytes()
{
    return static_cast<double>(ProcessStatusKb("VmHWM:")) * 1024.0;
}

void WarmPageCache(const std::string& strPath)
{
    std::ifstream file(strPath, std::ios::binary);
    static char buffer[1 << 20];
    while (file.read(buffer, sizeof buffer) || file.gcount() > 0) { }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: model_bench FILE.ifc\n");
        return 2;
    }
    const std::string strPath = argv[1];
    std::error_code ec;
    const double fFileBytes = static_cast<double>(std::filesystem::file_size(strPath, ec));
    if (ec) {
        std::fprintf(stderr, "%s: %s\n", strPath.c_str(), ec.message().c_str());
        return 1;
    }
    WarmPageCache(strPath);
    const double fBaseBytes = PeakResidentBytes();

    auto pDoc = std::make_unique<CKantorDoc>();
    pDoc->SetTextSourceOpener(&OpenFileTextSource);
    const Stopwatch loadWatch;
    if (!pDoc->LoadEntityFile(strPath)) {
        std::fprintf(stderr, "%s: load failed\n", strPath.c_str());
        return 1;
    }
    const double fLoad = loadWatch.Ms() / 1e3;
    const double fLoadPeak = PeakResidentBytes();

    // Wall time is what the user feels, but on a shared machine a slice can
    // be preempted; its processor time tells the two apart.
    double fIndex = 0.0;
    double fLongest = 0.0;
    double fLongestCpu = 0.0;
    long nSlices = 0;
    for (bool bMore = true; bMore;) {
        const Stopwatch sliceWatch;
        bMore = pDoc->ComputeInverseStep();
        const double fSliceCpu = sliceWatch.CpuMs() / 1e3;
        const double fSlice = sliceWatch.Ms() / 1e3;
        fIndex += fSlice;
        fLongest = std::max(fLongest, fSlice);
        fLongestCpu = std::max(fLongestCpu, fSliceCpu);
        ++nSlices;
    }
    const double fPeak = PeakResidentBytes();

    // The file summary is worked out when asked for, after the index.
    const Stopwatch summaryWatch;
    const std::size_t nTypes = CountEntityTypes(*pDoc).size();
    const std::size_t nProblems = FindMissingReferences(*pDoc).size() + FindDuplicateNumbers(*pDoc).size();
    const std::size_t nIsolated = FindIsolatedEntities(*pDoc).size();
    const double fSummary = summaryWatch.Ms() / 1e3;

    const double fMB = fFileBytes / 1e6;
    std::printf("file            %s\n", strPath.c_str());
    std::printf("size            %.1f MB, %zu entities, highest number %d\n", fMB,
                pDoc->GetEntityMap().GetCount(), pDoc->GetMaxEntityNumber());
    std::printf("load            %.3f s, %.0f MB/s\n", fLoad, fMB / fLoad);
    std::printf("inverse index   %.3f s in %ld slices, longest slice %.2f ms (processor time %.2f ms)\n",
                fIndex, nSlices, fLongest * 1e3, fLongestCpu * 1e3);
    std::printf("summary         %.3f s on request: %zu types, %zu problems, %zu isolated entities\n",
                fSummary, nTypes, nProblems, nIsolated);
    std::printf("peak memory     %.1f MB after load, %.1f MB with index = %.2f x file size\n",
                (fLoadPeak - fBaseBytes) / 1e6, (fPeak - fBaseBytes) / 1e6,
                (fPeak - fBaseBytes) / fFileBytes);
    std::printf("process peak    %.1f MB = %.2f x file size\n", fPeak / 1e6, fPeak / fFileBytes);
    return 0;
}
