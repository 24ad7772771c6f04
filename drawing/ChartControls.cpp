// The chart's controls: zero-line and time sliders, y scale, curve toggles.
#include <cstdint>

#include "ChartGeometry.h"
#include "Q.h"
#include "TestSignals.h"

using fw::Integer;

// The zero line's slider covers the chart's rows, starting half way up.
void Q::SlidY_Open(fw::Slider& me) {
  fw::Canvas* chart = diagram();
  me.SetMinimum(0);
  me.SetMaximum(chart != nullptr ? chart->Height() : 0);
  me.SetValue(fw::ToInteger(me.Maximum() / 2.0));
}

// The value counts the rows from the chart's bottom edge up to the zero line.
void Q::SlidY_ValueChanged(fw::Slider& /*me*/) {
  fw::Canvas* chart = diagram();
  fw::Slider* slider = SlidY();
  if (chart == nullptr || slider == nullptr) return;
  yZero = model::ChartGeometry{.height = chart->Height()}.RowFromBottom(slider->Value());
  ChartRedraw();
}

// The time slider reaches 5 pixels beyond both sides of the chart; its value
// v shows 5000 / v steps, from 500 down to 10.
void Q::SlidX_Open(fw::Slider& me) {
  me.SetWidth(510);
  if (fw::Canvas* chart = diagram()) me.SetLeft(fw::FitInteger(std::int64_t{chart->Left()} - 5));
  me.SetMaximum(500);
  me.SetMinimum(10);
  me.SetValue(me.Maximum());
}

// While a curve is drawn by hand the chart shows at most 50 steps, the
// spacing of the drawn points: the slider is held at 100 or more. Setting it
// raises this handler again, which shows the 50 steps and draws; this call
// then does the same with the value 100.
void Q::SlidX_ValueChanged(fw::Slider& me) {
  if (Phase > kStartPhase && TextOf(friFld()) == model::kShapeHand) {
    if (me.Value() < 100) me.SetValue(100);
  }
  const Integer v = me.Value();
  if (fw::Label* steps = TimeLab()) steps->SetText(v != 0 ? fw::Str(model::ShownSteps(v)) : fw::String("0"));
  if (Phase > kReferencePhase) {
    if (fw::Canvas* chart = diagram()) chart->Refresh(true);
  }
  Drw();
}

void Q::yFld_Open(fw::TextField& me) { me.SetText("100"); }

void Q::yFld_TextChange(fw::TextField& /*me*/) { ChartRedraw(); }

// Every toggle, the template too, stays hidden until the dialogue shows it.
void Q::BBtn_Open(fw::BevelButton& me) { me.SetVisible(false); }

// A click flips the toggle and draws the chart with the pressed curves.
void Q::BBtn_Action(fw::BevelButton& me) {
  me.SetWidth(40);
  me.SetValue(!me.Value());
  ChartRedraw();
}

void Q::ChartRedraw() {
  if (fw::Canvas* chart = diagram()) chart->Refresh(true);
  Drw();
}
