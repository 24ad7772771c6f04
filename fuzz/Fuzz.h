// What the fuzz targets share: invariant checks that libFuzzer counts as a
// crash, and the numbers a fuzz input stands for.
#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <limits>
#include <string>
#include <vector>

#include "Values.h"

namespace fuzz {

// A broken invariant aborts, so that libFuzzer keeps the input as a crash.
[[noreturn]] inline void Fail(const char* file, int line, const char* condition, const std::string& detail) {
  std::fprintf(stderr, "%s:%d: invariant broken: %s\n%s\n", file, line, condition, detail.c_str());
  std::abort();
}

#define FUZZ_CHECK(condition, detail) ((condition) ? void(0) : ::fuzz::Fail(__FILE__, __LINE__, #condition, (detail)))

// Same value, same bits: tells -0 from 0 and compares NaN with NaN.
inline bool SameBits(double a, double b) { return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b); }

inline bool SameSingles(const std::vector<fw::Single>& a, const std::vector<fw::Single>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::bit_cast<std::uint32_t>(a[i]) != std::bit_cast<std::uint32_t>(b[i])) return false;
  }
  return true;
}

// A Single: now and then one the program meets every day (0, 1, the ends of
// the range, infinities, NaN), else any bit pattern.
inline fw::Single AnySingle(FuzzedDataProvider& data) {
  using L = std::numeric_limits<fw::Single>;
  static constexpr fw::Single kCommon[] = {
      0.0f,          -0.0f,          1.0f,           -1.0f,         0.5f,          2.0f,           3.0f,
      0.1f,          10.0f,          100.0f,         1e-3f,         0.9f,          -2.0f,          499.0f,
      500.0f,        1e7f,           16777217.0f,    L::max(),      L::lowest(),   L::min(),       L::denorm_min(),
      L::infinity(), -L::infinity(), L::quiet_NaN(), 2147483520.0f, 2147483648.0f, -2147483904.0f,
  };
  const auto pick = data.ConsumeIntegral<std::uint8_t>();
  if (pick < std::size(kCommon) * 4) return kCommon[pick % std::size(kCommon)];
  return std::bit_cast<fw::Single>(data.ConsumeIntegral<std::uint32_t>());
}

// A parameter vector: usually the seven entries, sometimes fewer or more.
inline std::vector<fw::Single> AnyParameters(FuzzedDataProvider& data) {
  const auto count = data.ConsumeBool() ? std::size_t{7} : data.ConsumeIntegralInRange<std::size_t>(0, 10);
  std::vector<fw::Single> par(count);
  for (auto& p : par) p = AnySingle(data);
  return par;
}

// An Integer: now and then a small one or an end of the range, else any.
inline fw::Integer AnyInteger(FuzzedDataProvider& data, fw::Integer low, fw::Integer high) {
  using L = std::numeric_limits<fw::Integer>;
  switch (data.ConsumeIntegralInRange(0, 3)) {
    case 0: return data.ConsumeIntegralInRange(low, high);
    case 1: return data.ConsumeBool() ? L::max() : L::min();
    default: return data.ConsumeIntegral<fw::Integer>();
  }
}

}  // namespace fuzz
