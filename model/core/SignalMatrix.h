// The signal matrix: 32-bit values by signal index and step.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "Values.h"

namespace model {

using fw::Integer;
using fw::Single;

// Signal indexes.
enum Signal : Integer { kX = 1, kY = 2, kZ = 3, kW = 4 };

class SignalMatrix {
 public:
  // One element, s(0, 0) = 0: upper bounds (0, 0).
  SignalMatrix() = default;
  SignalMatrix(Integer signalBound, Integer stepBound) { Resize(signalBound, stepBound); }

  // At most this many elements (128 MiB of values); the program itself uses
  // 5 x 501.
  static constexpr std::int64_t kMaxElements = std::int64_t{1} << 25;

  // New upper bounds; every element inside both the old and the new bounds keeps
  // its value, new elements are 0. A negative bound leaves no element: both
  // bounds become -1. Bounds whose element count would pass kMaxElements are
  // clipped: the signal bound first to kMaxElements - 1, then the step bound
  // to the most steps that fit; callers read the bounds back.
  void Resize(Integer signalBound, Integer stepBound);

  Integer SignalBound() const { return signalBound_; }  // -1 when empty
  Integer StepBound() const { return stepBound_; }
  bool Contains(Integer signal, Integer step) const {
    return signal >= 0 && signal <= signalBound_ && step >= 0 && step <= stepBound_;
  }

  // Unchecked element access: callers stay within the bounds.
  Single& operator()(Integer signal, Integer step) { return values_[Offset(signal, step)]; }
  Single operator()(Integer signal, Integer step) const { return values_[Offset(signal, step)]; }

  // Checked access: 0 outside the bounds; a write outside them is dropped.
  Single Get(Integer signal, Integer step) const { return Contains(signal, step) ? (*this)(signal, step) : 0.0f; }
  void Set(Integer signal, Integer step, Single value) {
    if (Contains(signal, step)) (*this)(signal, step) = value;
  }

 private:
  std::size_t Offset(Integer signal, Integer step) const {
    return static_cast<std::size_t>(signal) * static_cast<std::size_t>(stepBound_ + 1) + static_cast<std::size_t>(step);
  }

  Integer signalBound_ = 0;
  Integer stepBound_ = 0;
  std::vector<Single> values_ = std::vector<Single>(1, 0.0f);
};

}  // namespace model
