// What the OK-button dialogue refuses, and why: the fourteen parameter fields
// as typed, and the y scale that a hand-drawn curve is read with. The dialogue
// shows the prompt of the reason these functions give and decides nothing
// itself.
#pragma once

#include <string_view>
#include <vector>

#include "HandCurve.h"
#include "Values.h"

namespace model {

using fw::Single;

// Why the dialogue refuses what was typed, in the order the checks run; the
// first reason that holds is the one given.
enum class Refusal {
  kNone,                           // accepted
  kDecimalComma,                   // a parameter field holds a comma ("0,5" would read as 0)
  kNoDeadTime,                     // both dead times 0 while the loop is closed
  kNoControllerGain,               // the controller's K0, K1, K2 all 0
  kNoPlantGain,                    // the plant's K0, K1, K2 all 0
  kNoControllerTimeConstant,       // the controller's T2, T1, T0 all 0
  kNoPlantTimeConstant,            // the plant's T2, T1, T0 all 0
  kValueTooLarge,                  // a parameter that is no finite number
  kDeadTimeNotWhole,               // a dead time below 0 or with a fraction
  kControllerTimeConstantsCancel,  // the controller's T2 + T1 + T0 is 0
  kPlantTimeConstantsCancel,       // the plant's T2 + T1 + T0 is 0
  kZeroScale,                      // a complete hand-drawn curve and a y scale of 0 or no finite number
};

// The controller's and the plant's parameters (T2, T1, T0, K0, K1, K2, tau
// each) as the fourteen fields' texts give them: the controller's seven, then
// the plant's, each read with Val and stored as 32 bits; a field that the
// vector lacks reads as 0.
struct FieldParameters {
  std::vector<Single> controller;
  std::vector<Single> plant;
};
FieldParameters ParametersFromFields(const std::vector<fw::String>& fields);

// The parameter phase: the fourteen fields' texts (the controller's T2, T1,
// T0, K0, K1, K2, tau, then the plant's; a field that the vector lacks counts
// as empty) read as ParametersFromFields reads them; `cut` tells that the
// loop is cut open. A comma in any field is refused before the numbers are
// looked at: Val would read the field up to the comma only.
Refusal ParameterFieldsRefusal(const std::vector<fw::String>& fields, bool cut);

// The numbers alone: the controller's and the plant's parameters (T2, T1, T0,
// K0, K1, K2, tau each; a parameter that the vector lacks counts as 0).
Refusal ParameterRefusal(const std::vector<Single>& controller, const std::vector<Single>& plant, bool cut);

// The disturbance and the reference phase: a complete curve drawn by hand
// ("Hand" in `shape`) is read divided by the y scale as typed, which must be
// usable (ScaleUsable). Every other shape, and an incomplete curve, is left to
// FillInput, which refuses the incomplete curve with a beep.
Refusal HandScaleRefusal(std::string_view shape, const HandCurve& curve, std::string_view yScaleText);

}  // namespace model
