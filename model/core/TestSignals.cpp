#include "TestSignals.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace model {

namespace {

// Writes value into row sig for steps from..to. Nothing is written outside
// the matrix: steps beyond its step bound are skipped, and a row it does not
// have is left alone.
void FillSteps(SignalMatrix& s, Integer sig, Integer from, Integer to, Single value) {
  if (sig < 0 || sig > s.SignalBound()) return;
  const Integer last = std::min(to, s.StepBound());
  for (Integer t = std::max(from, 0); t <= last; ++t) s(sig, t) = value;
}

// The value of the curve at one step: its height divided by the y scale, as a
// 64-bit quotient stored as 32 bits. A scale that is not usable, and a
// quotient that is no finite 32-bit number (a tiny scale), give 0: a signal
// that is infinite or NaN would only spread through the whole run.
Single CurveValue(Integer height, fw::Double yScale) {
  if (!ScaleUsable(yScale)) return 0.0f;
  const Single value = fw::ToSingle(static_cast<fw::Double>(height) / yScale);
  return std::isfinite(value) ? value : 0.0f;
}

InputResult ReadHandCurve(SignalMatrix& s, Integer sig, const HandCurve& curve, std::string_view yScaleText) {
  InputResult result;
  if (!CurveComplete(curve)) {
    // Only step 0 of the row has changed; the caller asks for the rest.
    result.ok = false;
    result.beep = true;
    return result;
  }
  const fw::Double yScale = fw::Val(yScaleText);
  const Integer last = std::min(kHandSteps, s.StepBound());
  for (Integer t = 1; t <= last; ++t) {
    s.Set(sig, t, CurveValue(curve.iy[static_cast<std::size_t>(t)], yScale));
  }
  // The curve ends at step 50, but a run may go on to step 500 (a drawn
  // disturbance with another reference, or a parameter correction): what an
  // earlier input left behind step 50 must not reappear there.
  FillSteps(s, sig, kHandSteps + 1, s.StepBound(), 0.0f);
  result.repaintChart = true;
  return result;
}

}  // namespace

bool ScaleUsable(fw::Double yScale) { return yScale != 0.0 && std::isfinite(yScale); }

InputResult FillInput(SignalMatrix& s, Integer sig, Integer& Time, std::string_view shape, HandCurve curve,
                      std::string_view yScaleText) {
  s.Set(sig, 0, 0.0f);
  if (shape == kShapeZero) {
    FillSteps(s, sig, 1, Time, 0.0f);
  } else if (shape == kShapeStep) {
    FillSteps(s, sig, 1, Time, 1.0f);
  } else if (shape == kShapeImpulse) {
    // Step 1 holds the impulse whatever Time is, as long as the row has it.
    s.Set(sig, 1, 1.0f);
    FillSteps(s, sig, 2, Time, 0.0f);
  } else if (shape == kShapeHand) {
    Time = kHandSteps;
    return ReadHandCurve(s, sig, curve, yScaleText);
  }
  // Any other text names no shape: step 0 is all that changes.
  return InputResult{};
}

}  // namespace model
