#include "ParameterCheck.h"

#include <cmath>
#include <cstddef>

#include "Block.h"
#include "Simulation.h"
#include "TestSignals.h"

namespace model {

namespace {

bool AllZero(const std::vector<Single>& par, Integer a, Integer b, Integer c) {
  return Param(par, a) == 0.0f && Param(par, b) == 0.0f && Param(par, c) == 0.0f;
}

// The divisor of the block with these parameters.
Single TimeConstantSum(const std::vector<Single>& par) {
  return model::TimeConstantSum(Param(par, kT2), Param(par, kT1), Param(par, kT0));
}

bool WholeAndNotNegative(Single deadTime) { return deadTime >= 0.0f && std::floor(deadTime) == deadTime; }

// The field's text, empty where the vector has none.
std::string_view Field(const std::vector<fw::String>& fields, Integer n) {
  const auto i = static_cast<std::size_t>(n);
  return i < fields.size() ? std::string_view(fields[i]) : std::string_view();
}

}  // namespace

FieldParameters ParametersFromFields(const std::vector<fw::String>& fields) {
  FieldParameters read{std::vector<Single>(kParameterCount, 0.0f), std::vector<Single>(kParameterCount, 0.0f)};
  for (Integer n = 0; n < kParameterCount; ++n) {
    const auto i = static_cast<std::size_t>(n);
    read.controller[i] = fw::ToSingle(fw::Val(Field(fields, n)));
    read.plant[i] = fw::ToSingle(fw::Val(Field(fields, n + kParameterCount)));
  }
  return read;
}

Refusal ParameterFieldsRefusal(const std::vector<fw::String>& fields, bool cut) {
  for (Integer n = 0; n < 2 * kParameterCount; ++n) {
    if (Field(fields, n).find(',') != std::string_view::npos) return Refusal::kDecimalComma;
  }
  const FieldParameters read = ParametersFromFields(fields);
  return ParameterRefusal(read.controller, read.plant, cut);
}

Refusal ParameterRefusal(const std::vector<Single>& controller, const std::vector<Single>& plant, bool cut) {
  if (Param(controller, kTau) == 0.0f && Param(plant, kTau) == 0.0f && !cut) return Refusal::kNoDeadTime;
  if (AllZero(controller, kK0, kK1, kK2)) return Refusal::kNoControllerGain;
  if (AllZero(plant, kK0, kK1, kK2)) return Refusal::kNoPlantGain;
  if (AllZero(controller, kT2, kT1, kT0)) return Refusal::kNoControllerTimeConstant;
  if (AllZero(plant, kT2, kT1, kT0)) return Refusal::kNoPlantTimeConstant;

  // Beyond the checks above, the simulation needs finite numbers, dead times
  // in whole steps and a divisor T2 + T1 + T0 other than 0.
  //
  // A number too large for the 32-bit parameter ("1e400", also "1e39") is
  // stored as infinity and would fill the run with infinities and NaN.
  for (Integer n = 0; n < kParameterCount; ++n) {
    if (!std::isfinite(Param(controller, n)) || !std::isfinite(Param(plant, n))) return Refusal::kValueTooLarge;
  }
  // A negative dead time reads the input from steps not computed yet; one
  // with a fraction is cut to whole steps, so two dead times below 1 would
  // both act as 0 and the block computed first would read the other's output
  // before this step has computed it.
  if (!WholeAndNotNegative(Param(controller, kTau)) || !WholeAndNotNegative(Param(plant, kTau))) {
    return Refusal::kDeadTimeNotWhole;
  }
  // Time constants that cancel (1, -1, 0; or 1e8, 1, -1e8 in 32 bits) leave
  // the block's equation without a solution for its output. All three 0 was
  // refused above.
  if (TimeConstantSum(controller) == 0.0f) return Refusal::kControllerTimeConstantsCancel;
  if (TimeConstantSum(plant) == 0.0f) return Refusal::kPlantTimeConstantsCancel;
  return Refusal::kNone;
}

Refusal HandScaleRefusal(std::string_view shape, const HandCurve& curve, std::string_view yScaleText) {
  if (shape != kShapeHand || !CurveComplete(curve)) return Refusal::kNone;
  return ScaleUsable(fw::Val(yScaleText)) ? Refusal::kNone : Refusal::kZeroScale;
}

}  // namespace model
