#pragma once
// What the benchmarks share: medians of timed rounds, the paired timing of a query against its
// base, and reading a whole file.

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace vl::bench {

using Clock = std::chrono::steady_clock;

inline double Ms(Clock::time_point from, Clock::time_point to) {
  return std::chrono::duration<double, std::milli>(to - from).count();
}

inline double Median(std::vector<double> v) {
  std::nth_element(v.begin(), v.begin() + std::ptrdiff_t(v.size() / 2), v.end());
  return v[v.size() / 2];
}

// The time of fn and its ratio to the time of base, each the median over rounds of one base
// run followed by one fn run: the machine's load drifts, and pairing the two keeps the ratio
// honest when it does.
struct Paired {
  double base_ms;
  double ms;
  double ratio;
};

inline Paired MedianPaired(int runs, const std::function<void()>& base,
                           const std::function<void()>& fn) {
  std::vector<double> base_times, times, ratios;
  for (int i = 0; i < runs; ++i) {
    auto start = Clock::now();
    base();
    auto middle = Clock::now();
    fn();
    auto end = Clock::now();
    base_times.push_back(Ms(start, middle));
    times.push_back(Ms(middle, end));
    ratios.push_back(times.back() / base_times.back());
  }
  return {Median(base_times), Median(times), Median(ratios)};
}

inline std::string ReadFile(const std::string& path) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return {};
  std::fseek(f, 0, SEEK_END);
  std::string bytes(std::size_t(std::ftell(f)), '\0');
  std::fseek(f, 0, SEEK_SET);
  std::size_t got = std::fread(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);
  bytes.resize(got);
  return bytes;
}

}  // namespace vl::bench
