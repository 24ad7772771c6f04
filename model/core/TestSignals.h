// The test signals that fill an input row (z or w) of the signal matrix.
#pragma once

#include <string_view>

#include "HandCurve.h"
#include "SignalMatrix.h"

namespace model {

// The input shapes by the text that names them.
inline constexpr std::string_view kShapeZero = " ";
inline constexpr std::string_view kShapeStep = "Sprung";
inline constexpr std::string_view kShapeImpulse = "Stoß";
inline constexpr std::string_view kShapeHand = "Hand";

struct InputResult {
  bool ok = true;             // false only for an incomplete hand-drawn curve
  bool beep = false;          // the caller sounds the system beep
  bool repaintChart = false;  // the caller repaints the signal chart
};

// Whether heights can be divided by this y scale (pixels per signal unit):
// it is neither 0 nor infinite nor NaN.
bool ScaleUsable(fw::Double yScale);

// Fills row `sig` of s from the input shape, for steps 0 to Time, exactly as
// the dialogue's input step does; "Hand" sets Time to 50 first. yScaleText is
// the chart's y scale (pixels per signal unit) as typed. The dialogue refuses
// a complete curve with a scale that is not usable before it gets here
// (HandScaleRefusal); called with one anyway, the curve reads as all 0.
InputResult FillInput(SignalMatrix& s, Integer sig, Integer& Time, std::string_view shape, HandCurve curve,
                      std::string_view yScaleText);

}  // namespace model
