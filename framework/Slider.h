#pragma once

#include "Control.h"

namespace fw {

// A slider; vertical when it is taller than wide (its maximum at the top).
// Setting Value raises ValueChanged at once, also from the program, in Open
// and inside the slider's own ValueChanged handler, whenever the value
// changes. Setting a range that excludes the value moves the value into it
// (which raises ValueChanged too); an inverted range (Minimum above Maximum)
// is kept as stored and leaves the value alone. Events: Open, ValueChanged.
class Slider : public Control {
 public:
  Slider();
  std::string_view ClassName() const override { return "Slider"; }

  Integer Minimum() const { return minimum_; }
  void SetMinimum(Integer v);
  Integer Maximum() const { return maximum_; }
  void SetMaximum(Integer v);
  Integer Value() const { return value_; }
  void SetValue(Integer v);
  Integer LineStep() const { return lineStep_; }
  void SetLineStep(Integer v);
  Integer PageStep() const { return pageStep_; }
  void SetPageStep(Integer v);
  // False: a drag reports its value when the knob is let go.
  bool LiveScroll() const { return liveScroll_; }
  void SetLiveScroll(bool v);

  void SetWidth(Integer v) override;
  void SetHeight(Integer v) override;

 protected:
  bool ApplyProperty(const String& name, const PropertyValue& value) override;

 private:
  friend class SliderWidget;
  void Clamp();
  void SyncWidget();
  void ChangeValue(Integer v);  // stores, syncs, raises ValueChanged if changed
  Integer minimum_ = 0, maximum_ = 100, value_ = 0;
  Integer lineStep_ = 1, pageStep_ = 20;
  bool liveScroll_ = false;
  Integer raiseDepth_ = 0;  // nesting of ValueChanged raised from inside its handlers
};

}  // namespace fw
