#include "common/BenchTiming.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace targello::bench {

double Milliseconds(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

std::vector<double> Measure(int runs, const std::function<void()>& work) {
    std::vector<double> ms;
    for (int k = 0; k < runs; ++k)
        ms.push_back(Milliseconds(work));
    return ms;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void Report(const char* what, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    std::printf("%-44s median %.3f ms, 95%% %.3f ms, max %.3f ms\n", what, ms[ms.size() / 2],
                ms[ms.size() * 95 / 100], ms.back());
}

} // namespace targello::bench
