// What the benchmarks share beside the test support (tests/support: sample
// files, windows, tree items): entity lines of a file, the one way of timing
// and the process's memory figures.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstring>
#include <ctime>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

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

// Milliseconds since it was made or restarted, of the wall clock and of this
// thread's processor time (on a busy machine the wall time also counts other
// programs): the one clock the benchmarks time with.
class Stopwatch {
public:
    Stopwatch() { Restart(); }
    void Restart()
    {
        m_start = Clock::now();
        m_cpuStart = ThreadCpuMs();
    }
    double Ms() const { return std::chrono::duration<double, std::milli>(Clock::now() - m_start).count(); }
    double CpuMs() const { return ThreadCpuMs() - m_cpuStart; }

private:
    using Clock = std::chrono::steady_clock;
    static double ThreadCpuMs()
    {
        timespec ts;
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
        return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) * 1e-6;
    }
    Clock::time_point m_start;
    double m_cpuStart = 0;
};

// Wall and processor seconds of one call of f.
struct WallAndCpu {
    double fWall = 0;
    double fCpu = 0;
};

inline WallAndCpu TimeOnce(const std::function<void()>& f)
{
    const Stopwatch watch;
    f();
    return {watch.Ms() / 1e3, watch.CpuMs() / 1e3};
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
        const Stopwatch watch;
        f();
        ms.push_back(watch.Ms());
    }
    std::sort(ms.begin(), ms.end());
    return Timing{ms[ms.size() / 2], ms.front()};
}

// Milliseconds per call of f(0) .. f(calls - 1), timed together: for calls
// too short to time one by one.
inline double MsPerCall(int calls, const std::function<void(int)>& f)
{
    const Stopwatch watch;
    for (int i = 0; i < calls; ++i)
        f(i);
    return watch.Ms() / calls;
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
