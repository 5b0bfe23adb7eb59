#pragma once

#include <functional>
#include <vector>

namespace targello::bench {

// How long `work` took, in milliseconds of the steady clock.
double Milliseconds(const std::function<void()>& work);

// The times of `runs` runs of `work`, in milliseconds.
std::vector<double> Measure(int runs, const std::function<void()>& work);

double Median(std::vector<double> values);

// Prints one line: what was measured, its median, 95th percentile and worst time.
void Report(const char* what, std::vector<double> ms);

} // namespace targello::bench
