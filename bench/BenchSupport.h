// What the benchmarks share: the sample files, their entity lines, timing
// of repeated runs and the process's memory figures.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

// The real sample files beside the checkout: <checkout>/../shared/ifc-samples.
inline std::filesystem::path SamplesDir()
{
    return std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "shared"
        / "ifc-samples";
}

// Every line of the file that begins with '#', without its line end.
inline std::vector<std::string> ReadEntityLines(const std::string& path)
{
    std::vector<std::string> lines;
    std::ifstream in(path, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.size() > 1 && line[0] == '#')
            lines.push_back(line);
    }
    return lines;
}

// Median and minimum milliseconds of `repeat` calls of f.
struct Timing {
    double median;
    double min;
};

inline Timing TimeMs(int repeat, const std::function<void()>& f)
{
    std::vector<double> ms;
    for (int i = 0; i < repeat; ++i) {
        const auto start = std::chrono::steady_clock::now();
        f();
        ms.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(ms.begin(), ms.end());
    return Timing{ms[ms.size() / 2], ms.front()};
}

// A figure of /proc/self/status in kilobytes ("VmHWM:" the peak resident
// set, "VmRSS:" the current one); -1 when it cannot be read.
inline long ProcessStatusKb(const char* key)
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind(key, 0) == 0)
            return std::stol(line.substr(std::strlen(key)));
    return -1;
}
