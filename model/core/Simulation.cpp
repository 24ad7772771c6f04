#include "Simulation.h"

#include "Block.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

// The run reproduces the loop's figures to the last bit, so every operation
// below must round exactly once, at the width it is written in: no excess
// precision in float expressions and no fused multiply-add.
static_assert(FLT_EVAL_METHOD == 0, "float and double operations must round to their own type");
#if defined(__clang__)
#pragma clang fp contract(off)
#elif defined(__GNUC__)
#pragma GCC optimize("fp-contract=off")
#endif

namespace model {

namespace {

using fw::Double;

// One block's parameter copies for the run and its place in the loop.
struct BlockRun {
  Single T2 = 0, T1 = 0, T0 = 0, K0 = 0, K1 = 0, K2 = 0;
  std::int64_t D = 0;  // dead time in whole steps, 0 or more
  Integer plus = 0;    // the input is s(plus) - s(minus) ...
  Integer minus = 0;
  bool zAlone = false;  // ... or z alone (the plant while the loop is cut)
  Integer output = 0;
};

BlockRun Prepare(const std::vector<Single>& par, Integer plus, Integer minus, bool zAlone, Integer output) {
  BlockRun b;
  b.T2 = Param(par, kT2);
  b.T1 = Param(par, kT1);
  b.T0 = Param(par, kT0);
  b.K0 = Param(par, kK0);
  b.K1 = Param(par, kK1);
  b.K2 = Param(par, kK2);
  // A negative dead time would read the input from later steps, beyond the
  // ones computed so far; it counts as none. Kept as 64 bits so that D + 2
  // cannot overflow for a dead time near the Integer maximum.
  b.D = std::max<std::int64_t>(fw::RuntimeCvtReal32ToSInt32(Param(par, kTau)), 0);
  b.plus = plus;
  b.minus = minus;
  b.zAlone = zAlone;
  b.output = output;
  return b;
}

// The block's input at step m (0 <= m <= the current step), rounded to 32 bits.
Single Input(const SignalMatrix& s, const BlockRun& b, std::int64_t m) {
  const auto step = static_cast<Integer>(m);
  if (b.zAlone) return s.Get(kZ, step);
  const Single difference = s.Get(b.plus, step) - s.Get(b.minus, step);
  return difference;
}

// out(t) from the difference equation
//   T2 ∆²out + T1 ∆out + T0 out = K0 in + K1 ∆in + K2 ∆²in   (input delayed by D)
// solved for out(t), at the widths the loop's figures were made with: the
// numerator is summed in 64 bits, some products and the denominator are 32.
Single Recurrence(const BlockRun& b, Single in0, Single in1, Single in2, Single out1, Single out2) {
  const Double twiceIn1 = 2.0 * Double{in1};
  const Double secondDiff = (Double{in0} - twiceIn1 + Double{in2}) * Double{b.K2};
  const Single firstDiff = in0 - in1;
  const Single firstDiffTerm = firstDiff * b.K1;
  const Single gainTerm = b.K0 * in0;
  const Double firstOutTerm = (2.0 * Double{b.T2} + Double{b.T1}) * Double{out1};
  const Single secondOutTerm = b.T2 * out2;

  Double numerator = secondDiff + Double{firstDiffTerm};
  numerator = numerator + Double{gainTerm};
  numerator = numerator + firstOutTerm;
  numerator = numerator - Double{secondOutTerm};

  const Single denominator = TimeConstantSum(b.T2, b.T1, b.T0);
  // No time constants at all (or ones that cancel in 32 bits): the equation
  // has no solution for out(t); the block yields 0 rather than ±∞ or NaN.
  if (denominator == 0.0f) return 0.0f;
  return fw::ToSingle(numerator / Double{denominator});
}

Single BlockStep(const SignalMatrix& s, const BlockRun& b, Integer t) {
  const std::int64_t now = t;
  const Single in0 = b.D <= now ? Input(s, b, now - b.D) : 0.0f;
  const Single in1 = b.D + 1 <= now ? Input(s, b, now - 1 - b.D) : 0.0f;
  const Single in2 = b.D + 2 <= now ? Input(s, b, now - 2 - b.D) : 0.0f;
  const Single out1 = t >= 1 ? s.Get(b.output, t - 1) : 0.0f;
  const Single out2 = t >= 2 ? s.Get(b.output, t - 2) : 0.0f;
  return Recurrence(b, in0, in1, in2, out1, out2);
}

void AddTableRow(RowSink& sink, const SignalMatrix& s, Integer nSg, Integer t) {
  sink.AddRow(fw::Str(t));
  // 64-bit count: nSg may be the Integer maximum.
  for (std::int64_t i = 1; i <= nSg; ++i) {
    const auto column = static_cast<Integer>(i);
    sink.SetCell(t, column, ValueCell(s.Get(column, t)));
  }
}

void Run(SignalMatrix& s, const LoopRun& run, RowSink* sink) {
  const Integer resetBound = std::min(run.nSg, s.SignalBound());
  for (Integer i = 1; i <= resetBound; ++i) s.Set(i, 0, 0.0f);

  // Decided once, on the dead times as entered: the block with the longer
  // dead time does not need the other's output of the same step.
  const bool controllerFirst = !run.cut && Param(run.controller, kTau) > Param(run.plant, kTau);
  const BlockRun controller = Prepare(run.controller, kX, kW, false, kY);
  const BlockRun plant = Prepare(run.plant, kZ, kY, run.cut, kX);
  const BlockRun& first = controllerFirst ? controller : plant;
  const BlockRun& second = controllerFirst ? plant : controller;

  const Integer last = std::min(run.Time, s.StepBound());
  for (Integer t = 0; t <= last; ++t) {
    s.Set(first.output, t, BlockStep(s, first, t));
    s.Set(second.output, t, BlockStep(s, second, t));
    if (sink != nullptr) AddTableRow(*sink, s, run.nSg, t);
  }
}

}  // namespace

Single TimeConstantSum(Single T2, Single T1, Single T0) {
  const Single t2t1 = T2 + T1;
  return t2t1 + T0;
}

void Simulate(SignalMatrix& s, const LoopRun& run, RowSink& sink) { Run(s, run, &sink); }

void Simulate(SignalMatrix& s, const LoopRun& run) { Run(s, run, nullptr); }

// The text of " " + Format(value, "-###.00"), written straight by to_chars:
// two decimals of the exact value, a minus sign unless it rounds to zero.
String ValueCell(Single value) {
  if (std::isnan(value)) return " NaN";
  if (std::isinf(value)) return value < 0 ? " -∞" : " ∞";
  // " -" and the digits: the largest Single has 39 of them before the point.
  std::array<char, 48> buffer;
  char* const digits = buffer.data() + 2;
  const auto [end, ec] = std::to_chars(digits, buffer.data() + buffer.size(), std::fabs(static_cast<Double>(value)),
                                       std::chars_format::fixed, 2);
  if (ec != std::errc()) return " " + fw::Format(static_cast<Double>(value), "-###.00");
  const bool roundsToZero = std::string_view(digits, static_cast<std::size_t>(end - digits)) == "0.00";
  char* begin = digits;
  if (value < 0 && !roundsToZero) *--begin = '-';
  *--begin = ' ';
  return String(begin, end);
}

}  // namespace model
